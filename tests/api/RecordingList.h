#pragma once

#include <string>
#include <vector>

#include "CodePage.h"
#include "ListTarget.h"

namespace zonivo::test {

// A list target that keeps its rows as UTF-8 strings.
class RecordingList final : public ListTarget {
 public:
  explicit RecordingList(int columns) : columns_(columns) {}

  std::uint64_t StartFill() override {
    rows.clear();
    return ++fills_;
  }
  bool IsLatestFill(std::uint64_t ticket) const override { return ticket == fills_; }
  int InsertRow(int position, const Text& text) override {
    const int count = static_cast<int>(rows.size());
    const int at = position < 0 || position > count ? count : position;
    rows.insert(rows.begin() + at, std::vector<std::string>(columns_));
    rows[at][0] = ToUtf8(text);
    return at;
  }
  void SetCell(int row, int column, const Text& text) override {
    if (row >= 0 && row < static_cast<int>(rows.size()) && column >= 0 && column < columns_)
      rows[row][column] = ToUtf8(text);
  }

  std::vector<std::vector<std::string>> rows;

 private:
  int columns_;
  std::uint64_t fills_ = 0;
};

}  // namespace zonivo::test
