#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "net/Text.h"

namespace zonivo {

// Whether `byte` starts a double-byte character when a byte follows it: 0x81
// to 0xFF. The byte 0x80 is a character of its own (the euro sign of code page
// 936), like every byte below it.
inline bool IsLeadByte(char byte) { return static_cast<unsigned char>(byte) >= 0x81; }

// Whether every byte of `text` is ASCII.
bool IsAscii(std::string_view text);

// Length in bytes of the character that starts at `pos`: a byte with its high
// bit set and the byte after it form one double-byte character.
std::size_t CharLength(std::string_view text, std::size_t pos);

// UTF-8 to the system code page. A character that GBK lacks, and each byte of
// an invalid sequence, becomes "?"; its neighbours are unaffected.
Text FromUtf8(std::string_view utf8);

// The system code page to UTF-8. Each byte that starts no valid GBK character
// becomes "?".
std::string ToUtf8(std::string_view text);

// The system code page to UTF-16, and back; as ToUtf8 and FromUtf8, with "?"
// for what the other side cannot hold.
std::u16string ToUtf16(std::string_view text);
Text FromUtf16(std::u16string_view utf16);

// Length of the valid UTF-8 sequence at the start of `bytes`, 0 when invalid
// (overlong forms, surrogates, values past U+10FFFF, cut-off sequences).
std::size_t Utf8SequenceLength(std::string_view bytes);

}  // namespace zonivo
