#pragma once

#include <QPointer>

#include "api/ListTarget.h"
#include "ui/toolkit/ListView.h"

namespace zonivo {

// Lets a list operation fill a list view that may be destroyed while the
// operation waits for its answer: rows for a list that is gone are dropped.
class GuardedListTarget final : public ListTarget {
 public:
  explicit GuardedListTarget(ListView* view) : view_(view) {}

  std::uint64_t StartFill() override { return view_ ? view_->StartFill() : 0; }
  bool IsLatestFill(std::uint64_t ticket) const override {
    return view_ && view_->IsLatestFill(ticket);
  }
  void AppendRows(const std::vector<ListRow>& rows) override {
    if (view_) view_->AppendRows(rows);
  }

 private:
  QPointer<ListView> view_;
};

}  // namespace zonivo
