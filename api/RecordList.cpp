#include "api/RecordList.h"

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

// One record: eight elements in this order with only white space between
// them; groups 1 id, 2 name, 3 line, 4 type, 5 ttl, 6 value, 7 mx, 8 enabled.
const char* const kRecordPattern =
    "<id>(\\S*)</id>\\s*<name>(\\S*)</name>\\s*<line>(\\S*)</line>\\s*<type>(\\S*)</type>\\s*"
    "<ttl>(\\S*)</ttl>\\s*<value>(\\S*)</value>\\s*<mx>(\\S*)</mx>\\s*<enabled>(\\S*)</enabled>";

void RemoveFirst(Text& text, std::string_view piece) {
  const int at = FindText(text, piece, 1);
  if (at > 0) text.erase(static_cast<std::size_t>(at) - 1, piece.size());
}

ListRow RecordCells(const PatternMatcher& matcher, int match) {
  static const Text kEnabled = FromUtf8("正常");
  static const Text kDisabled = FromUtf8("禁用");
  const auto group = [&matcher, match](int g) { return matcher.SubMatchText(match, g); };
  return {group(1), StripCdata(group(3)),
          group(2), StripCdata(group(6)),
          group(4), group(7),
          group(5), group(8) == "1" ? kEnabled : kDisabled};
}

}  // namespace

Text StripCdata(Text value) {
  RemoveFirst(value, "<![CDATA[");
  RemoveFirst(value, "]]>");
  return value;
}

std::vector<ListRow> RecordListRows(PatternMatcher& matcher, const Text& answer) {
  matcher.Create(kRecordPattern);
  const int count = matcher.Execute(answer);
  std::vector<ListRow> rows;
  rows.reserve(static_cast<std::size_t>(count));
  for (int match = 1; match <= count; ++match) rows.push_back(RecordCells(matcher, match));
  return InsertedAtOneOrder(std::move(rows));
}

bool RefreshRecordList(ListTarget& list, const Text& domainId) {
  const std::uint64_t ticket = list.StartFill();
  ProcessPendingEvents();
  AppState& state = State();
  const Text answer = PostForm(kRecordList, BuildRequestForm(state, {{"domain_id", domainId}}));
  if (answer.empty()) return false;
  if (ReadResultCode(*state.matcher, answer) != "1") {
    ClearCredentials(state);
    return false;
  }
  FillIfLatest(list, ticket, RecordListRows(*state.matcher, answer));
  return true;
}

}  // namespace zonivo
