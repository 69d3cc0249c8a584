// FindText, MidText and ReplaceText against plain references written from
// their rules: a byte from 0x81 on and the byte after it are one character,
// and a piece is found only where a character begins.
#include <cstdlib>
#include <string>

#include "fuzz/FuzzInput.h"
#include "net/TextSearch.h"

using namespace zonivo;

namespace {

std::size_t ReferenceLength(const std::string& s, std::size_t pos) {
  return static_cast<unsigned char>(s[pos]) >= 0x81 && pos + 1 < s.size() ? 2 : 1;
}

int ReferenceFind(const std::string& text, const std::string& piece, int start) {
  std::size_t pos = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (piece.empty() || pos >= text.size()) return -1;
  for (; pos + piece.size() <= text.size(); pos += ReferenceLength(text, pos))
    if (text.compare(pos, piece.size(), piece) == 0) return static_cast<int>(pos) + 1;
  return -1;
}

char Fold(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Compares character by character; only single-byte letters fold.
bool ReferenceAt(const std::string& s, std::size_t pos, const std::string& t, bool exact) {
  if (s.size() - pos < t.size()) return false;
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t n = std::min(ReferenceLength(s, pos + i), t.size() - i);
    for (std::size_t k = 0; k < n; ++k) {
      const char a = s[pos + i + k], b = t[i + k];
      if (n == 1 && !exact ? Fold(a) != Fold(b) : a != b) return false;
    }
    i += n;
  }
  return true;
}

std::string ReferenceReplace(const std::string& s, const std::string& t, const std::string& r,
                             bool exact) {
  if (s.empty() || t.empty()) return s;
  std::string out;
  std::size_t pos = 0;
  while (s.size() - pos >= t.size()) {
    if (ReferenceAt(s, pos, t, exact)) {
      out += r;
      pos += t.size();
    } else {
      const std::size_t n = ReferenceLength(s, pos);
      out += s.substr(pos, n);
      pos += n;
    }
  }
  return out + s.substr(pos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 2) return 0;
  const int start = static_cast<signed char>(data[0]);
  const auto parts = fuzz::Parts(data + 1, size - 1, 3);
  const std::string& text = parts[0];
  const std::string& piece = parts[1];
  if (FindText(text, piece, start) != ReferenceFind(text, piece, start)) std::abort();
  const int length = static_cast<int>(piece.size()) - 2;
  const std::string mid =
      start < 1 || static_cast<std::size_t>(start) > text.size() || length <= 0
          ? std::string()
          : text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length));
  if (MidText(text, start, length) != mid) std::abort();
  for (const bool exact : {true, false})
    if (ReplaceText(text, piece, parts[2], exact) != ReferenceReplace(text, piece, parts[2], exact))
      std::abort();
  return 0;
}
