#include "net/CharsetConverter.h"

#include <cerrno>

namespace zonivo {

CharsetConverter::CharsetConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}

CharsetConverter::~CharsetConverter() {
  if (IsOpen()) iconv_close(cd_);
}

std::size_t CharsetConverter::Step(const char*& in, std::size_t& inLeft, std::string& out,
                                   std::size_t& used) {
  if (out.size() - used < 16) out.resize(out.size() * 2 + 16);
  char* outPtr = out.data() + used;
  std::size_t outLeft = out.size() - used;
  char* inPtr = const_cast<char*>(in);
  const std::size_t result = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
  const int saved = errno;
  used = out.size() - outLeft;
  in = inPtr;
  if (result == static_cast<std::size_t>(-1) && saved == E2BIG) out.resize(out.size() * 2);
  errno = saved;
  return result;
}

}  // namespace zonivo
