// Decoding UTF-8 answers: the result is valid GBK, every ASCII character of the
// input stands in it in order, and every other character or invalid byte of
// the input is one character of the result ("?" when GBK lacks it).
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "net/CodePage.h"
#include "net/DecodeText.h"

using namespace zonivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Bytes bytes(data, data + size);
  const Text gbk = DecodeText(bytes, "utf-8");
  const std::string_view in(reinterpret_cast<const char*>(data), size);
  const bool bom = in.substr(0, 3) == "\xEF\xBB\xBF";
  std::size_t inUnits = 0;
  std::string inAscii;
  for (std::size_t pos = bom ? 3 : 0; pos < in.size(); ++inUnits) {
    const std::size_t n = Utf8SequenceLength(in.substr(pos));
    if (n == 1) inAscii += in[pos];
    pos += n == 0 ? 1 : n;
  }
  std::size_t outUnits = 0;
  std::string outAscii;
  for (std::size_t pos = 0; pos < gbk.size(); ++outUnits) {
    const std::size_t n = CharLength(gbk, pos);
    const std::string_view character = std::string_view(gbk).substr(pos, n);
    if (n == 1 && static_cast<unsigned char>(gbk[pos]) < 0x80) outAscii += gbk[pos];
    // A character of the result is one the code page knows.
    if (character != "?" && ToUtf8(character).find('?') != std::string::npos) std::abort();
    pos += n;
  }
  if (inUnits != outUnits) std::abort();
  const auto withoutMarks = [](std::string s) {
    std::erase(s, '?');
    return s;
  };
  if (withoutMarks(inAscii) != withoutMarks(outAscii)) std::abort();
  return 0;
}
