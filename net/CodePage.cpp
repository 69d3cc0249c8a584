#include "net/CodePage.h"

#include <algorithm>

#include "net/CharsetConverter.h"

namespace zonivo {
namespace {

std::size_t SkipUtf8(std::string_view rest) {
  const std::size_t n = Utf8SequenceLength(rest);
  return n == 0 ? 1 : n;
}

std::size_t SkipOneByte(std::string_view) { return 1; }

}  // namespace

bool IsAscii(std::string_view text) {
  return std::none_of(text.begin(), text.end(), [](char c) { return IsLeadByte(c); });
}

std::size_t CharLength(std::string_view text, std::size_t pos) {
  return IsLeadByte(text[pos]) && pos + 1 < text.size() ? 2 : 1;
}

std::size_t Utf8SequenceLength(std::string_view bytes) {
  if (bytes.empty()) return 0;
  const auto at = [&](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  const unsigned char b0 = at(0);
  if (b0 < 0x80) return 1;
  std::size_t n;
  unsigned char lo = 0x80, hi = 0xBF;
  if (b0 >= 0xC2 && b0 <= 0xDF) {
    n = 2;
  } else if (b0 >= 0xE0 && b0 <= 0xEF) {
    n = 3;
    if (b0 == 0xE0) lo = 0xA0;
    if (b0 == 0xED) hi = 0x9F;
  } else if (b0 >= 0xF0 && b0 <= 0xF4) {
    n = 4;
    if (b0 == 0xF0) lo = 0x90;
    if (b0 == 0xF4) hi = 0x8F;
  } else {
    return 0;
  }
  if (bytes.size() < n) return 0;
  if (at(1) < lo || at(1) > hi) return 0;
  for (std::size_t i = 2; i < n; ++i)
    if (at(i) < 0x80 || at(i) > 0xBF) return 0;
  return n;
}

Text FromUtf8(std::string_view utf8) {
  if (IsAscii(utf8)) return Text(utf8);
  thread_local CharsetConverter converter("GBK", "UTF-8");
  return converter.Convert(utf8, SkipUtf8);
}

std::string ToUtf8(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  thread_local CharsetConverter converter("UTF-8", "GBK");
  return converter.Convert(text, SkipOneByte);
}

}  // namespace zonivo
