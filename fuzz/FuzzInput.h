#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zonivo::fuzz {

// The input cut at its zero bytes into `count` parts; missing parts are empty.
inline std::vector<std::string> Parts(const std::uint8_t* data, std::size_t size,
                                      std::size_t count) {
  std::vector<std::string> parts(count);
  std::size_t part = 0;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == 0 && part + 1 < count) {
      ++part;
      continue;
    }
    parts[part] += static_cast<char>(data[i]);
  }
  return parts;
}

// How often `piece` stands in `text`, letter case ignored when asked.
inline std::size_t Occurrences(const std::string& text, const std::string& piece, bool ignoreCase) {
  const auto fold = [ignoreCase](char c) {
    return ignoreCase && c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  std::size_t count = 0;
  for (std::size_t at = 0; at + piece.size() <= text.size(); ++at) {
    std::size_t i = 0;
    while (i < piece.size() && fold(text[at + i]) == fold(piece[i])) ++i;
    if (i == piece.size()) ++count;
  }
  return count;
}

}  // namespace zonivo::fuzz
