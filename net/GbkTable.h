#pragma once

#include <cstdint>

namespace zonivo {

// The GBK code page as the C library's converter defines it, read once into
// two tables so that a conversion is one look-up per character.
class GbkTable {
 public:
  static const GbkTable& Get();

  // The character of the single byte 0x80 or of the pair `lead`, `trail`
  // (lead 0x81 to 0xFF); 0 when the code page has none.
  char16_t ToUnicode(unsigned char lead, unsigned char trail) const {
    return pairs_[(lead - 0x80u) * 256u + trail];
  }
  char16_t Euro() const { return euro_; }
  // The GBK bytes of a character of the basic plane above U+007F: a pair as
  // lead * 256 + trail, or one byte below 0x100; 0 when GBK lacks it.
  std::uint16_t FromUnicode(char16_t c) const { return fromUnicode_[c]; }

 private:
  GbkTable();

  char16_t pairs_[128 * 256] = {};
  char16_t euro_ = 0;
  std::uint16_t fromUnicode_[65536] = {};
};

}  // namespace zonivo
