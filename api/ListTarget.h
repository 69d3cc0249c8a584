#pragma once

#include <cstdint>

#include "Text.h"

namespace zonivo {

// A list view as the list operations fill it. Rows and columns count from 0.
// Each fill starts by emptying the list and gets a ticket; a fill whose
// ticket is no longer the latest one adds no rows, so that of two overlapping
// refreshes the newest stands.
class ListTarget {
 public:
  virtual ~ListTarget() = default;
  virtual std::uint64_t StartFill() = 0;
  virtual bool IsLatestFill(std::uint64_t ticket) const = 0;
  // Inserts a row before `position`, at the end when it is negative or past
  // the last row, with `text` in cell 0; returns the new row's number.
  virtual int InsertRow(int position, const Text& text) = 0;
  virtual void SetCell(int row, int column, const Text& text) = 0;
};

}  // namespace zonivo
