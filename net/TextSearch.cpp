#include "net/TextSearch.h"

#include <cstddef>
#include <cstring>

#include "net/CodePage.h"

namespace zonivo {
namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether `piece` stands at `pos`, where a character begins. Without
// `caseSensitive` single-byte ASCII letters compare regardless of case; the
// bytes of a double-byte character always compare exactly.
bool PieceAt(std::string_view text, std::size_t pos, std::string_view piece, bool caseSensitive) {
  if (text.size() - pos < piece.size()) return false;
  if (caseSensitive) return text.compare(pos, piece.size(), piece) == 0;
  for (std::size_t i = 0; i < piece.size(); ++i) {
    const char c = text[pos + i];
    if (IsLeadByte(c) && i + 1 < piece.size()) {
      if (c != piece[i] || text[pos + i + 1] != piece[i + 1]) return false;
      ++i;
    } else if (FoldAscii(c) != FoldAscii(piece[i])) {
      return false;
    }
  }
  return true;
}

// Whether a character begins at `pos`, given that one begins at `from`. A byte
// that cannot lead a pair always ends a character, and from there the lead
// bytes before `pos` pair up: `pos` begins a character when they are even.
bool BeginsCharacter(std::string_view text, std::size_t from, std::size_t pos) {
  std::size_t leads = 0;
  for (; pos > from && IsLeadByte(text[pos - 1]); --pos) ++leads;
  return leads % 2 == 0;
}

// The first occurrence of `piece` at or after `pos`, byte for byte. Tags of an
// answer usually follow within a few bytes, where a plain scan is cheapest;
// memmem takes over for the rest.
std::size_t FindBytes(std::string_view text, std::string_view piece, std::size_t pos) {
  constexpr std::size_t kNear = 64;
  const std::size_t near = text.substr(0, pos + kNear + piece.size() - 1).find(piece, pos);
  if (near != std::string_view::npos || pos + kNear >= text.size()) return near;
  const void* hit =
      memmem(text.data() + pos + kNear, text.size() - pos - kNear, piece.data(), piece.size());
  if (hit == nullptr) return std::string_view::npos;
  return static_cast<std::size_t>(static_cast<const char*>(hit) - text.data());
}

}  // namespace

int FindText(std::string_view text, std::string_view piece, int start) {
  std::size_t from = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (piece.empty() || from >= text.size()) return -1;
  for (std::size_t pos = from;;) {
    const std::size_t at = FindBytes(text, piece, pos);
    if (at == std::string_view::npos) return -1;
    if (BeginsCharacter(text, from, at)) return static_cast<int>(at) + 1;
    // `at` is the second byte of a character, so the next byte begins one.
    from = pos = at + 1;
  }
}

Text MidText(std::string_view text, int start, int length) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || length <= 0) return {};
  return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length)));
}

Text ReplaceText(std::string_view subject, std::string_view target, std::string_view replacement,
                 bool caseSensitive) {
  return *ReplaceTextWithin(subject, target, replacement, caseSensitive, Text().max_size());
}

std::optional<Text> ReplaceTextWithin(std::string_view subject, std::string_view target,
                                      std::string_view replacement, bool caseSensitive,
                                      std::size_t limit) {
  if (subject.size() > limit) return std::nullopt;
  if (subject.empty() || target.empty()) return Text(subject);
  Text out;
  out.reserve(subject.size());
  std::size_t pos = 0;
  while (subject.size() - pos >= target.size()) {
    if (PieceAt(subject, pos, target, caseSensitive)) {
      if (out.size() + replacement.size() > limit) return std::nullopt;
      out.append(replacement);
      pos += target.size();
    } else {
      const std::size_t n = CharLength(subject, pos);
      out.append(subject.substr(pos, n));
      pos += n;
    }
  }
  out.append(subject.substr(pos));
  if (out.size() > limit) return std::nullopt;
  return out;
}

}  // namespace zonivo
