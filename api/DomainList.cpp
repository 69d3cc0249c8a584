#include "api/DomainList.h"

#include <algorithm>
#include <string_view>

#include "api/Endpoints.h"
#include "api/RequestForm.h"
#include "api/ServiceCall.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "net/TextSearch.h"
#include "net/WindowEvents.h"

namespace zonivo {
namespace {

// Reads the items of an answer by plain text search. `p` is where the last
// closing tag was found, `o` where the last opening tag was. The next item is
// looked for from the later of the two, so no byte of the answer goes into
// two rows, and no search ever starts before one made earlier.
class DomainScanner {
 public:
  explicit DomainScanner(std::string_view answer) : answer_(answer) {}

  std::vector<DomainRow> Scan();

 private:
  enum class Step { kRow, kSkip, kEnd };

  Step ReadItem(DomainRow& row);
  void ReadField(std::string_view open, std::string_view close, Text& field);
  int Find(std::string_view piece, int start);

  std::string_view answer_;
  // Each piece that the answer lacks from some position on, with the earliest
  // such position. Since searches never start earlier than one before, a
  // piece is looked for in vain at most once, and the scan stays linear on
  // answers full of broken items.
  std::vector<std::pair<std::string_view, int>> missingFrom_;
  int p_ = 0;
  int o_ = 0;
};

std::vector<DomainRow> DomainScanner::Scan() {
  std::vector<DomainRow> rows;
  p_ = Find("<code>1</code>", 1);
  DomainRow row;
  while (p_ > 0) {
    const Step step = ReadItem(row);
    if (step == Step::kEnd) break;
    if (step == Step::kRow) rows.push_back(row);
    p_ = Find("<item>", std::max(o_, p_));
  }
  return rows;
}

DomainScanner::Step DomainScanner::ReadItem(DomainRow& row) {
  o_ = Find("<id>", p_);
  if (o_ <= 0) return Step::kEnd;
  const int close = Find("</id>", o_);
  if (close <= 0) return Step::kSkip;
  p_ = close;
  row.id = MidText(answer_, o_ + 4, p_ - o_ - 4);
  ReadField("<name>", "</name>", row.name);
  ReadField("<status>", "</status>", row.status);
  ReadField("<records>", "</records>", row.records);
  ReadField("<group_id>", "</group_id>", row.groupId);
  return Step::kRow;
}

// A pair of tags that the rest of the answer lacks gives an empty field and
// leaves both positions where they were, so the domain is still listed.
void DomainScanner::ReadField(std::string_view open, std::string_view close, Text& field) {
  field.clear();
  const int opening = Find(open, p_);
  if (opening <= 0) return;
  const int closing = Find(close, opening);
  if (closing <= 0) return;
  o_ = opening;
  p_ = closing;
  const int length = static_cast<int>(open.size());
  field = MidText(answer_, o_ + length, p_ - o_ - length);
}

int DomainScanner::Find(std::string_view piece, int start) {
  const auto known = std::find_if(missingFrom_.begin(), missingFrom_.end(),
                                  [piece](const auto& missing) { return missing.first == piece; });
  if (known != missingFrom_.end() && start >= known->second) return -1;
  const int found = FindText(answer_, piece, start);
  if (found > 0) return found;
  if (known != missingFrom_.end())
    known->second = start;
  else
    missingFrom_.emplace_back(piece, start);
  return -1;
}

ListRow Cells(DomainRow&& domain) {
  static const Text kEnabled = FromUtf8("正常");
  static const Text kPaused = FromUtf8("暂停");
  const Text& state = domain.status == "enable" ? kEnabled : kPaused;
  return {std::move(domain.id), std::move(domain.name), state, std::move(domain.records),
          std::move(domain.groupId)};
}

}  // namespace

std::vector<DomainRow> ReadDomainRows(const Text& answer) { return DomainScanner(answer).Scan(); }

std::vector<ListRow> DomainListRows(const Text& answer) {
  std::vector<ListRow> rows;
  for (DomainRow& domain : ReadDomainRows(answer)) rows.push_back(Cells(std::move(domain)));
  return rows;
}

bool RefreshDomainList(ListTarget& list) {
  const std::uint64_t ticket = list.StartFill();
  ProcessPendingEvents();
  AppState& state = State();
  const Text answer = PostForm(kDomainList, BuildRequestForm(state));
  if (answer.empty()) {
    ClearCredentials(state);
    return false;
  }
  FillIfLatest(list, ticket, DomainListRows(answer));
  return true;
}

}  // namespace zonivo
