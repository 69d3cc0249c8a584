#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zonivo {

// A string of bytes in the system code page (GBK). Empty and missing are the same.
using Text = std::string;

// A counted byte buffer, such as a response body.
using Bytes = std::vector<std::uint8_t>;

// The largest answer the program takes, and the largest text it makes of one.
inline constexpr std::size_t kAnswerCapBytes = 64 * 1024 * 1024;

}  // namespace zonivo
