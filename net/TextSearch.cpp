#include "TextSearch.h"

#include <cstddef>

#include "CodePage.h"

namespace zonivo {
namespace {

char FoldAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool PieceAt(std::string_view text, std::size_t pos, std::string_view piece, bool caseSensitive) {
  if (text.size() - pos < piece.size()) return false;
  if (caseSensitive) return text.compare(pos, piece.size(), piece) == 0;
  for (std::size_t i = 0; i < piece.size(); ++i)
    if (FoldAscii(text[pos + i]) != FoldAscii(piece[i])) return false;
  return true;
}

}  // namespace

int FindText(std::string_view text, std::string_view piece, int start) {
  std::size_t pos = start < 1 ? 0 : static_cast<std::size_t>(start) - 1;
  if (piece.empty() || pos >= text.size()) return -1;
  for (; pos + piece.size() <= text.size(); pos += CharLength(text, pos))
    if (text[pos] == piece[0] && PieceAt(text, pos, piece, true)) return static_cast<int>(pos) + 1;
  return -1;
}

Text MidText(std::string_view text, int start, int length) {
  if (start < 1 || static_cast<std::size_t>(start) > text.size() || length <= 0) return {};
  return Text(text.substr(static_cast<std::size_t>(start) - 1, static_cast<std::size_t>(length)));
}

Text ReplaceText(std::string_view subject, std::string_view target,
                 std::string_view replacement, bool caseSensitive) {
  if (subject.empty() || target.empty()) return Text(subject);
  Text out;
  out.reserve(subject.size());
  std::size_t pos = 0;
  while (subject.size() - pos >= target.size()) {
    if (PieceAt(subject, pos, target, caseSensitive)) {
      out.append(replacement);
      pos += target.size();
    } else {
      const std::size_t n = CharLength(subject, pos);
      out.append(subject.substr(pos, n));
      pos += n;
    }
  }
  out.append(subject.substr(pos));
  return out;
}

}  // namespace zonivo
