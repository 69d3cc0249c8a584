#pragma once

#include <string>

namespace zonivo::bench {

// UTF-8 answers in the service's shape, for the benchmarks.
std::string RecordListAnswer(int records);
std::string DomainListAnswer(int domains);
// Mixed Chinese and ASCII text of about `bytes` bytes.
std::string MixedText(std::size_t bytes);

}  // namespace zonivo::bench
