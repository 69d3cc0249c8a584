// The matcher with the code pattern, the record expression and fuzzed
// patterns: whatever the subject, it runs to an end, and every match and group
// it reports can be read.
#include <cstdlib>
#include <string>

#include "fuzz/FuzzInput.h"
#include "net/PatternMatcher.h"

using namespace zonivo;

namespace {

const char* const kCode = "<code>(\\S*)</code>";
const char* const kRecord =
    "<id>(\\S*)</id>\\s*<name>(\\S*)</name>\\s*<line>(\\S*)</line>\\s*<type>(\\S*)</type>\\s*"
    "<ttl>(\\S*)</ttl>\\s*<value>(\\S*)</value>\\s*<mx>(\\S*)</mx>\\s*<enabled>(\\S*)</enabled>";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  const auto parts = fuzz::Parts(data + 1, size - 1, 2);
  const int choice = data[0] % 3;
  const Text pattern = choice == 0 ? Text(kCode) : choice == 1 ? Text(kRecord) : parts[0];
  const Text& subject = choice == 2 ? parts[1] : parts[0] + parts[1];
  PatternMatcher matcher;
  matcher.Create(pattern, (data[0] & 0x10) != 0, (data[0] & 0x20) == 0);
  const int count = matcher.Execute(subject);
  if (count < 0) std::abort();
  for (int i = 1; i <= count; ++i) {
    const int groups = matcher.SubMatchCount(i);
    for (int g = 1; g <= groups; ++g) matcher.SubMatchText(i, g);
    if (matcher.MatchText(i).size() > subject.size() * 2) std::abort();
  }
  Text copy = subject;
  matcher.ReplaceAll(copy, "x");
  return 0;
}
