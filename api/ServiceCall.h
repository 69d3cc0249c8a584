#pragma once

#include <string_view>

#include "net/PatternMatcher.h"
#include "net/Text.h"

namespace zonivo {

// POSTs `form` to the endpoint `path` of the API and returns the answer
// decoded as UTF-8; empty when no answer came.
Text PostForm(std::string_view path, const Text& form);

// The result code of an answer: the first group of the first match of
// "<code>(\S*)</code>", letter case ignored. Empty when there is none.
Text ReadResultCode(PatternMatcher& matcher, const Text& answer);

}  // namespace zonivo
