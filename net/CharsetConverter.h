#pragma once

#include <iconv.h>

#include <cerrno>

#include <string>
#include <string_view>

namespace zonivo {

// One iconv conversion descriptor. Input that the target cannot take is
// replaced by "?" according to the caller's skip rule, so conversion never fails
// part-way and never reads past the input.
class CharsetConverter {
 public:
  CharsetConverter(const char* to, const char* from);
  ~CharsetConverter();
  CharsetConverter(const CharsetConverter&) = delete;
  CharsetConverter& operator=(const CharsetConverter&) = delete;

  bool IsOpen() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // Converts `in`. `skip` gets the unconvertible rest of the input and returns
  // how many bytes to replace by one "?" (at least 1).
  template <typename Skip>
  std::string Convert(std::string_view in, Skip skip);

 private:
  std::size_t Step(const char*& in, std::size_t& inLeft, std::string& out, std::size_t& used);

  iconv_t cd_;
};

template <typename Skip>
std::string CharsetConverter::Convert(std::string_view in, Skip skip) {
  std::string out(in.size() + in.size() / 2 + 16, '\0');
  std::size_t used = 0;
  const char* next = in.data();
  std::size_t left = in.size();
  iconv(cd_, nullptr, nullptr, nullptr, nullptr);
  while (left > 0) {
    if (Step(next, left, out, used) != static_cast<std::size_t>(-1)) continue;
    if (errno == E2BIG) continue;
    std::size_t bad = skip(std::string_view(next, left));
    if (bad < 1 || bad > left) bad = 1;
    next += bad;
    left -= bad;
    if (used == out.size()) out.resize(out.size() * 2);
    out[used++] = '?';
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
  }
  out.resize(used);
  return out;
}

}  // namespace zonivo
