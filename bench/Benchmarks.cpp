#include <benchmark/benchmark.h>

#include <memory>

#include "api/DomainList.h"
#include "api/RecordList.h"
#include "api/ServiceCall.h"
#include "bench/Answers.h"
#include "net/CodePage.h"
#include "net/DecodeText.h"
#include "net/PatternMatcher.h"
#include "net/TextSearch.h"
#include "ui/toolkit/GuardedListTarget.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/Toolkit.h"

namespace zonivo::bench {
namespace {

const Text kRecordPattern =
    "<id>(\\S*)</id>\\s*<name>(\\S*)</name>\\s*<line>(\\S*)</line>\\s*<type>(\\S*)</type>\\s*"
    "<ttl>(\\S*)</ttl>\\s*<value>(\\S*)</value>\\s*<mx>(\\S*)</mx>\\s*<enabled>(\\S*)</enabled>";

// A shown list view of eight columns, the size of the records window's list.
std::unique_ptr<ListView> RecordListView() {
  auto view = std::make_unique<ListView>(
      nullptr,
      std::vector<ListColumn>{
          {"0", 50}, {"1", 60}, {"2", 60}, {"3", 180}, {"4", 60}, {"5", 66}, {"6", 50}, {"7", 50}});
  view->resize(600, 320);
  view->show();
  return view;
}

void DecodeTwoMebibytes(benchmark::State& state) {
  const std::string text = MixedText(2 * 1024 * 1024);
  const Bytes bytes(text.begin(), text.end());
  for (auto _ : state) benchmark::DoNotOptimize(DecodeText(bytes, "utf-8"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(DecodeTwoMebibytes)->Unit(benchmark::kMillisecond);

void RecordExpressionOverTenThousandRecords(benchmark::State& state) {
  const Text answer = FromUtf8(RecordListAnswer(10000));
  PatternMatcher matcher;
  for (auto _ : state) {
    matcher.Create(kRecordPattern);
    const int n = matcher.Execute(answer);
    for (int i = 1; i <= n; ++i)
      for (int g = 1; g <= 8; ++g) benchmark::DoNotOptimize(matcher.SubMatchText(i, g));
    if (n != 10000) state.SkipWithError("wrong number of records");
  }
}
BENCHMARK(RecordExpressionOverTenThousandRecords)->Unit(benchmark::kMillisecond);

// The part of a domain-list refresh after the answer has arrived: reading the
// items and filling the list view the window shows.
void DomainListScanAndFill(benchmark::State& state) {
  const int domains = static_cast<int>(state.range(0));
  const Text answer = FromUtf8(DomainListAnswer(domains));
  ListView view(nullptr,
                {{"id", 50}, {"name", 200}, {"state", 50}, {"records", 50}, {"group", 50}});
  view.resize(444, 204);
  view.show();
  GuardedListTarget list(&view);
  for (auto _ : state) {
    FillIfLatest(list, list.StartFill(), DomainListRows(answer));
    if (view.RowCount() != domains) state.SkipWithError("wrong number of rows");
  }
}
BENCHMARK(DomainListScanAndFill)->Arg(5000)->Arg(10000)->Unit(benchmark::kMillisecond);

void ListViewTenThousandRowsOfEight(benchmark::State& state) {
  const std::unique_ptr<ListView> shown = RecordListView();
  ListView& view = *shown;
  for (auto _ : state) {
    view.ListClear();
    for (int r = 0; r < 10000; ++r) {
      const int row = view.ListInsertRow(-1, "12345");
      for (int c = 1; c < 8; ++c) view.ListSetCell(row, c, "value");
    }
  }
}
BENCHMARK(ListViewTenThousandRowsOfEight)->Unit(benchmark::kMillisecond);

// The record list's order, every row as if inserted at position 1, eight cells
// each, put into a real list view.
void InsertAtOneOrder(benchmark::State& state) {
  const std::unique_ptr<ListView> shown = RecordListView();
  ListView& view = *shown;
  const int count = static_cast<int>(state.range(0));
  std::vector<ListRow> rows;
  for (int r = 0; r < count; ++r)
    rows.push_back({std::to_string(r), "line", "host", "10.0.0.1", "A", "0", "600", "enabled"});
  for (auto _ : state) {
    view.ListClear();
    view.AppendRows(InsertedAtOneOrder(rows));
  }
}
BENCHMARK(InsertAtOneOrder)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

// RefreshRecordList's work once the answer has arrived: decoding, the result
// code, the record expression with every group, the CDATA stripping and the
// fill of a shown list view.
void RecordListAfterTheAnswer(benchmark::State& state) {
  const int records = static_cast<int>(state.range(0));
  const std::string utf8 = RecordListAnswer(records);
  const Bytes body(utf8.begin(), utf8.end());
  const std::unique_ptr<ListView> view = RecordListView();
  GuardedListTarget list(view.get());
  PatternMatcher matcher;
  for (auto _ : state) {
    const std::uint64_t ticket = list.StartFill();
    const Text answer = DecodeText(body, "utf-8");
    if (ReadResultCode(matcher, answer) != "1") state.SkipWithError("no code");
    FillIfLatest(list, ticket, RecordListRows(matcher, answer));
    if (view->RowCount() != records) state.SkipWithError("wrong number of rows");
  }
}
BENCHMARK(RecordListAfterTheAnswer)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

// A broken answer: items opened by the ten thousand (25,600 of them make
// 256 KB) and one "</id>" at the end.
void DomainScanOfABrokenAnswer(benchmark::State& state) {
  std::string broken = "<code>1</code>";
  for (std::int64_t i = 0; i < state.range(0); ++i) broken += "<item><id>";
  const Text answer = broken + "</id>";
  for (auto _ : state) benchmark::DoNotOptimize(ReadDomainRows(answer));
}
BENCHMARK(DomainScanOfABrokenAnswer)->Arg(25600)->Arg(100000)->Unit(benchmark::kMillisecond);

// Korean text of the given number of megabytes, every character one that GBK
// lacks.
void DecodeOutsideGbk(benchmark::State& state) {
  std::string korean;
  while (korean.size() < static_cast<std::size_t>(state.range(0)) * 1024 * 1024)
    korean += "\xED\x95\x9C\xEA\xB5\xAD\xEC\x96\xB4 ";
  const Bytes bytes(korean.begin(), korean.end());
  for (auto _ : state) benchmark::DoNotOptimize(DecodeText(bytes, "utf-8"));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(DecodeOutsideGbk)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

void FindTextOverAnswer(benchmark::State& state) {
  const Text answer = FromUtf8(DomainListAnswer(10000));
  for (auto _ : state) benchmark::DoNotOptimize(FindText(answer, "</zonivo>", 1));
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * answer.size()));
}
BENCHMARK(FindTextOverAnswer)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace zonivo::bench

int main(int argc, char** argv) {
  zonivo::Toolkit toolkit(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
