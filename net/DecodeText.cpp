#include "net/DecodeText.h"

#include <algorithm>
#include <cctype>
#include <string_view>

#include "net/CharsetConverter.h"
#include "net/CodePage.h"

namespace zonivo {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view WithoutBom(std::string_view utf8) {
  return utf8.substr(0, kUtf8Bom.size()) == kUtf8Bom ? utf8.substr(kUtf8Bom.size()) : utf8;
}

bool NamesUtf8(const Text& charset) {
  Text lower = charset;
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return lower == "utf-8" || lower == "utf8";
}

}  // namespace

Text DecodeText(const Bytes& bytes, const Text& charset) {
  if (bytes.empty() || charset.empty()) return {};
  const std::string_view raw(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  if (NamesUtf8(charset)) return FromUtf8(WithoutBom(raw));
  // Other character sets pass through UTF-8; iconv also rejects unknown names.
  CharsetConverter toUtf8("UTF-8", charset.c_str());
  if (!toUtf8.IsOpen()) return {};
  return FromUtf8(toUtf8.Convert(raw, [](std::string_view) { return 1; }));
}

}  // namespace zonivo
