#pragma once

#include <algorithm>
#include <cstdint>
#include <vector>

#include "net/Text.h"

namespace zonivo {

// The cells of one row of a list, column 0 first.
using ListRow = std::vector<Text>;

// A list view as the list operations fill it. Each fill starts by emptying
// the list and gets a ticket; a fill whose ticket is no longer the latest one
// adds no rows, so that of two overlapping refreshes the newest stands.
class ListTarget {
 public:
  virtual ~ListTarget() = default;
  virtual std::uint64_t StartFill() = 0;
  virtual bool IsLatestFill(std::uint64_t ticket) const = 0;
  // Appends `rows` at the end, in their order, in one batch.
  virtual void AppendRows(const std::vector<ListRow>& rows) = 0;
};

// `rows` in the order that inserting each of them at position 1 of an empty
// list gives: r1, rn, rn-1, ..., r2.
inline std::vector<ListRow> InsertedAtOneOrder(std::vector<ListRow> rows) {
  if (rows.size() > 2) std::reverse(rows.begin() + 1, rows.end());
  return rows;
}

// Appends `rows` to `list` when `ticket` is still its latest fill.
inline void FillIfLatest(ListTarget& list, std::uint64_t ticket, const std::vector<ListRow>& rows) {
  if (list.IsLatestFill(ticket)) list.AppendRows(rows);
}

}  // namespace zonivo
