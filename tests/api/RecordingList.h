#pragma once

#include <string>
#include <vector>

#include "api/ListTarget.h"
#include "net/CodePage.h"

namespace zonivo::test {

// A list target that keeps its rows as UTF-8 strings.
class RecordingList final : public ListTarget {
 public:
  explicit RecordingList(std::size_t columns) : columns_(columns) {}

  std::uint64_t StartFill() override {
    rows.clear();
    return ++fills_;
  }
  bool IsLatestFill(std::uint64_t ticket) const override { return ticket == fills_; }
  void AppendRows(const std::vector<ListRow>& added) override {
    for (const ListRow& row : added) {
      std::vector<std::string> cells(columns_);
      for (std::size_t c = 0; c < row.size() && c < cells.size(); ++c) cells[c] = ToUtf8(row[c]);
      rows.push_back(cells);
    }
  }

  std::vector<std::vector<std::string>> rows;

 private:
  std::size_t columns_;
  std::uint64_t fills_ = 0;
};

}  // namespace zonivo::test
