#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "net/Text.h"

namespace zonivo {

// Searches and cuts that step through Text one character at a time, so that a
// piece is found only where a character begins. Positions are 1-based bytes.

// Position of the first `piece` that begins at or after `start` (below 1 counts
// as 1); -1 when there is none. Bytes compare exactly.
int FindText(std::string_view text, std::string_view piece, int start);

// At most `length` bytes from position `start`; empty when `start` lies outside
// the text or `length` is not positive.
Text MidText(std::string_view text, int start, int length);

// Every occurrence of `target` in `subject` replaced by `replacement`; with
// `caseSensitive` false single-byte ASCII letters compare regardless of case.
// An empty subject or target gives the subject unchanged.
Text ReplaceText(std::string_view subject, std::string_view target, std::string_view replacement,
                 bool caseSensitive);

// As ReplaceText, but nothing when the result would be longer than `limit`
// bytes; it stops as soon as that is certain.
std::optional<Text> ReplaceTextWithin(std::string_view subject, std::string_view target,
                                      std::string_view replacement, bool caseSensitive,
                                      std::size_t limit);

}  // namespace zonivo
