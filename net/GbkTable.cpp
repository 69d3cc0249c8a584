#include "net/GbkTable.h"

#include <iconv.h>

#include <memory>

namespace zonivo {
namespace {

// One character through an iconv descriptor: `in` to at most two units of
// `out`; the number of output bytes, 0 when the character does not convert.
std::size_t ConvertOne(iconv_t cd, const char* in, std::size_t inLength, char* out) {
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  char* inPtr = const_cast<char*>(in);
  char* outPtr = out;
  std::size_t outLeft = 4;
  if (iconv(cd, &inPtr, &inLength, &outPtr, &outLeft) == static_cast<std::size_t>(-1)) return 0;
  return inLength == 0 ? 4 - outLeft : 0;
}

struct Descriptor {
  explicit Descriptor(const char* to, const char* from) : cd(iconv_open(to, from)) {}
  ~Descriptor() {
    if (cd != reinterpret_cast<iconv_t>(-1)) iconv_close(cd);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  iconv_t cd;
};

char16_t Utf16(const char* unit) {
  return static_cast<char16_t>(static_cast<unsigned char>(unit[0]) |
                               static_cast<unsigned char>(unit[1]) << 8);
}

}  // namespace

const GbkTable& GbkTable::Get() {
  static const std::unique_ptr<const GbkTable> table(new GbkTable);
  return *table;
}

GbkTable::GbkTable() {
  const Descriptor decode("UTF-16LE", "GBK");
  const Descriptor encode("GBK", "UTF-16LE");
  char out[4];
  const char euro = '\x80';
  if (ConvertOne(decode.cd, &euro, 1, out) == 2) euro_ = Utf16(out);
  for (unsigned lead = 0x81; lead <= 0xFF; ++lead) {
    for (unsigned trail = 0; trail <= 0xFF; ++trail) {
      const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
      if (ConvertOne(decode.cd, pair, 2, out) == 2)
        pairs_[(lead - 0x80) * 256 + trail] = Utf16(out);
    }
  }
  for (unsigned c = 0x80; c <= 0xFFFF; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const char unit[2] = {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    const std::size_t n = ConvertOne(encode.cd, unit, 2, out);
    const auto byte = [&out](int i) { return static_cast<unsigned char>(out[i]); };
    if (n == 1) fromUnicode_[c] = byte(0);
    if (n == 2) fromUnicode_[c] = static_cast<std::uint16_t>(byte(0) << 8 | byte(1));
  }
}

}  // namespace zonivo
