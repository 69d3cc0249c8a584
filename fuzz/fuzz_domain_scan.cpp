// The domain scan ends on any answer, gives every row an "<id>" of its own and
// never puts one byte of the answer into two cells.
#include <cstdlib>
#include <string>

#include "api/DomainList.h"
#include "fuzz/FuzzInput.h"

using namespace zonivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text answer(reinterpret_cast<const char*>(data), size);
  const std::vector<DomainRow> rows = ReadDomainRows(answer);
  if (rows.size() > fuzz::Occurrences(answer, "<id>", false)) std::abort();
  std::size_t cellBytes = 0;
  for (const DomainRow& d : rows)
    cellBytes +=
        d.id.size() + d.name.size() + d.status.size() + d.records.size() + d.groupId.size();
  if (cellBytes > answer.size()) std::abort();
  return 0;
}
