#include "net/CodePage.h"

#include <cstdint>
#include <cstring>

#include "net/GbkTable.h"

namespace zonivo {
namespace {

constexpr char16_t kQuestionMark = u'?';

// The code point of the valid UTF-8 sequence of `length` bytes at `bytes`.
char32_t DecodeUtf8(const char* bytes, std::size_t length) {
  const auto at = [bytes](std::size_t i) { return static_cast<unsigned char>(bytes[i]); };
  if (length == 1) return at(0);
  char32_t c = at(0) & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) c = c << 6 | (at(i) & 0x3F);
  return c;
}

void AppendUtf8(std::string& out, char16_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | c >> 6);
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | c >> 12);
    out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The character of the GBK text at `pos`, which moves past it; "?" for a
// byte that starts no character of the code page, which then moves one byte.
char16_t NextGbkCharacter(std::string_view text, std::size_t& pos) {
  const auto lead = static_cast<unsigned char>(text[pos++]);
  if (lead < 0x80) return lead;
  const GbkTable& table = GbkTable::Get();
  if (lead == 0x80) return table.Euro() != 0 ? table.Euro() : kQuestionMark;
  if (pos == text.size()) return kQuestionMark;
  const char16_t c = table.ToUnicode(lead, static_cast<unsigned char>(text[pos]));
  if (c == 0) return kQuestionMark;
  ++pos;
  return c;
}

// Appends the GBK bytes of `c`, or "?" when GBK lacks it.
void AppendGbk(Text& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  const std::uint16_t code =
      c <= 0xFFFF ? GbkTable::Get().FromUnicode(static_cast<char16_t>(c)) : 0;
  if (code == 0) {
    out += '?';
  } else if (code < 0x100) {
    out += static_cast<char>(code);
  } else {
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code & 0xFF);
  }
}

// The end of the run of ASCII bytes that starts at `pos`, looked at eight
// bytes at a time.
std::size_t AsciiRunEnd(std::string_view text, std::size_t pos) {
  constexpr std::uint64_t kHighBits = 0x8080808080808080u;
  for (std::uint64_t word; pos + sizeof word <= text.size(); pos += sizeof word) {
    std::memcpy(&word, text.data() + pos, sizeof word);
    if ((word & kHighBits) != 0) break;
  }
  while (pos < text.size() && (static_cast<unsigned char>(text[pos]) & 0x80) == 0) ++pos;
  return pos;
}

}  // namespace

bool IsAscii(std::string_view text) { return AsciiRunEnd(text, 0) == text.size(); }

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
  Text out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const std::size_t run = AsciiRunEnd(utf8, pos);
    out.append(utf8.substr(pos, run - pos));
    if ((pos = run) == utf8.size()) break;
    const std::size_t length = Utf8SequenceLength(utf8.substr(pos));
    if (length == 0) {
      out += '?';
      ++pos;
      continue;
    }
    AppendGbk(out, DecodeUtf8(utf8.data() + pos, length));
    pos += length;
  }
  return out;
}

std::string ToUtf8(std::string_view text) {
  if (IsAscii(text)) return std::string(text);
  std::string out;
  out.reserve(text.size() + text.size() / 2);
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t run = AsciiRunEnd(text, pos);
    out.append(text.substr(pos, run - pos));
    if ((pos = run) < text.size()) AppendUtf8(out, NextGbkCharacter(text, pos));
  }
  return out;
}

std::u16string ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t pos = 0; pos < text.size();) out += NextGbkCharacter(text, pos);
  return out;
}

Text FromUtf16(std::u16string_view utf16) {
  Text out;
  out.reserve(utf16.size() * 2);
  for (std::size_t pos = 0; pos < utf16.size(); ++pos) {
    const char16_t c = utf16[pos];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && pos + 1 < utf16.size() &&
                      utf16[pos + 1] >= 0xDC00 && utf16[pos + 1] <= 0xDFFF;
    if (pair) ++pos;
    // Characters beyond the basic plane and lone surrogates are not in GBK.
    AppendGbk(out, pair || (c >= 0xD800 && c <= 0xDFFF) ? char32_t{0x10000} : c);
  }
  return out;
}

}  // namespace zonivo
