// Reading the records of an answer: eight cells a row, the state one of its
// two words, a row per "<id>" at most, and no more cell bytes than the answer
// holds.
#include <cstdlib>
#include <string>

#include "api/RecordList.h"
#include "fuzz/FuzzInput.h"
#include "net/CodePage.h"

using namespace zonivo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const Text answer(reinterpret_cast<const char*>(data), size);
  PatternMatcher matcher;
  const std::vector<ListRow> rows = RecordListRows(matcher, answer);
  if (rows.size() > fuzz::Occurrences(answer, "<id>", true)) std::abort();
  static const Text kEnabled = FromUtf8("正常");
  static const Text kDisabled = FromUtf8("禁用");
  std::size_t cellBytes = 0;
  for (const ListRow& row : rows) {
    if (row.size() != 8) std::abort();
    if (row[kRecordState] != kEnabled && row[kRecordState] != kDisabled) std::abort();
    for (int c = 0; c < kRecordState; ++c) cellBytes += row[static_cast<std::size_t>(c)].size();
  }
  // A byte that is not UTF-8 becomes "?" on the way through the matcher; it
  // stays one byte, so the cells cannot hold more than the answer.
  if (cellBytes > answer.size()) std::abort();
  return 0;
}
