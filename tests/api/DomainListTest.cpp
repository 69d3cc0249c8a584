#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "api/DomainList.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "net/WindowEvents.h"
#include "tests/api/RecordingList.h"
#include "tests/support/ServiceEnvironment.h"

namespace zonivo {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using sandbox::Reply;

std::string Item(const std::string& id, const std::string& name, const std::string& status,
                 const std::string& records = "2", const std::string& group = "1") {
  return "<item>\n<id>" + id + "</id>\n<name>" + name + "</name>\n<status>" + status +
         "</status>\n<records>" + records + "</records>\n<group_id>" + group +
         "</group_id>\n</item>\n";
}

// Rows as RefreshDomainList writes them: id, name, state, records, group.
Rows Read(const std::string& utf8Answer) {
  Rows rows;
  for (const DomainRow& d : ReadDomainRows(FromUtf8(utf8Answer)))
    rows.push_back(
        {ToUtf8(d.id), ToUtf8(d.name), ToUtf8(d.status), ToUtf8(d.records), ToUtf8(d.groupId)});
  return rows;
}

struct ScanCase {
  const char* name;
  std::string answer;
  Rows expected;
};

class ReadDomainRowsTest : public testing::TestWithParam<ScanCase> {};

TEST_P(ReadDomainRowsTest, ReadsTheItems) {
  EXPECT_EQ(Read(GetParam().answer), GetParam().expected);
}

const std::string kOk = "<status><code>1</code></status>\n";

INSTANTIATE_TEST_SUITE_P(
    Answers, ReadDomainRowsTest,
    testing::Values(
        ScanCase{"RejectedCode", "<code>-1</code>" + Item("1", "a.com", "enable"), {}},
        ScanCase{"NoItems", kOk + "<domains></domains>", {}},
        ScanCase{"TwoItemsInOrder",
                 kOk + Item("1", "a.com", "enable") + Item("2", "b.cn", "disable", "7", "3"),
                 {{"1", "a.com", "enable", "2", "1"}, {"2", "b.cn", "disable", "7", "3"}}},
        ScanCase{"ItemsBeforeTheCodeAreNotRead",
                 Item("9", "x.com", "enable") + kOk + Item("1", "a.com", "enable"),
                 {{"1", "a.com", "enable", "2", "1"}}},
        ScanCase{"EmptyId", kOk + Item("", "a.com", "enable"), {{"", "a.com", "enable", "2", "1"}}},
        ScanCase{"EuroSignEndingAName",
                 kOk + Item("1", "a€", "enable") + Item("2", "b", "enable"),
                 {{"1", "a€", "enable", "2", "1"}, {"2", "b", "enable", "2", "1"}}},
        ScanCase{"ChineseName",
                 kOk + Item("1", "例子.中国", "enable"),
                 {{"1", "例子.中国", "enable", "2", "1"}}},
        ScanCase{
            "LastItemWithoutClosingId",
            kOk + Item("1", "a.com", "enable") + "<item>\n<id>2\n<name>b.com</name>\n</item>\n",
            {{"1", "a.com", "enable", "2", "1"}}},
        ScanCase{"LastItemWithoutId",
                 kOk + Item("1", "a.com", "enable") + "<item>\n<name>b.com</name>\n</item>",
                 {{"1", "a.com", "enable", "2", "1"}}},
        ScanCase{"MissingClosingIdSwallowsTheNextItem",
                 kOk + "<item><id>1<name>a</name></item>\n" + Item("2", "b.com", "enable"),
                 {{"1<name>a</name></item>\n<item>\n<id>2", "b.com", "enable", "2", "1"}}},
        ScanCase{"FieldMissingFromTheRestGivesAnEmptyCell",
                 kOk + "<item><id>1</id><name>a.com</name><status>enable</status><records>3</"
                       "records></item>",
                 {{"1", "a.com", "enable", "3", ""}}},
        ScanCase{"TruncatedInsideAnItem",
                 kOk + Item("1", "a.com", "enable") + "<item><id>2</id><name>b.c",
                 {{"1", "a.com", "enable", "2", "1"}, {"2", "", "", "", ""}}},
        ScanCase{"UpperCaseTagsAreNotFound", kOk + "<ITEM><ID>1</ID></ITEM>", {}},
        // Broken answers: the next item is looked for after everything the
        // row before took, so no byte goes into two rows.
        ScanCase{"OpenIdsUpToOneClosingTag",
                 kOk + "<item><id>" + "<item><id>" + "<item><id>" + "</id>",
                 {{"<item><id><item><id>", "", "", "", ""}}},
        ScanCase{"LastFieldsReachingOneClosingTag",
                 kOk +
                     "<item><id>1</id><name>a</name><status>enable</status><records>1</records>"
                     "<group_id>" +
                     "<item><id>2</id><name>b</name><status>enable</status><records>1</records>"
                     "<group_id>" +
                     "</group_id>",
                 {{"1", "a", "enable", "1",
                   "<item><id>2</id><name>b</name><status>enable</status><records>1</records>"
                   "<group_id>"}}},
        ScanCase{"ItemInsideTheSpanOfAField",
                 kOk + "<id></id><status><item><id></id><group_id>1</group_id></status>",
                 {{"", "", "<item><id></id><group_id>1</group_id>", "", ""}}}),
    [](const testing::TestParamInfo<ScanCase>& param) { return param.param.name; });

TEST(ReadDomainRowsNoiseTest, AlwaysEndsOnArbitraryTagSoup) {
  const std::vector<std::string> pieces = {
      "<item>",     "<id>",       "</id>",       "<name>",
      "</name>",    "<status>",   "</status>",   "<records>",
      "</records>", "<group_id>", "</group_id>", "<code>1</code>",
      "x",          "\xD5",       "\n",          "<",
      ">"};
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string soup;
    const int length = static_cast<int>(random() % 400);
    for (int i = 0; i < length; ++i) soup += pieces[random() % pieces.size()];
    // Every row has an "<id>" of its own: the scan never moves back.
    std::size_t ids = 0;
    for (std::size_t at = soup.find("<id>"); at != std::string::npos;
         at = soup.find("<id>", at + 1))
      ++ids;
    const std::vector<DomainRow> rows = ReadDomainRows(soup);
    EXPECT_LE(rows.size(), ids) << soup;
    // No byte goes into two cells.
    std::size_t cellBytes = 0;
    for (const DomainRow& d : rows)
      cellBytes +=
          d.id.size() + d.name.size() + d.status.size() + d.records.size() + d.groupId.size();
    EXPECT_LE(cellBytes, soup.size()) << soup;
  }
  std::string noise = kOk;
  for (int i = 0; i < 200000; ++i) noise += "<ite<id>" + std::to_string(i) + "</id>";
  EXPECT_EQ(ReadDomainRows(noise).size(),
            1u);  // one item: its fields are missing, no "<item>" follows
}

TEST(ReadDomainRowsNoiseTest, BrokenAnswersOfAMegabyteReadOnce) {
  // Each of these took minutes and gigabytes when every "<item>" was looked
  // for again inside the span the row before had read.
  std::string openIds = kOk;
  for (int i = 0; i < 100000; ++i) openIds += "<item><id>";
  EXPECT_EQ(ReadDomainRows(openIds + "</id>").size(), 1u);
  std::string openGroups = kOk;
  for (int i = 0; i < 20000; ++i)
    openGroups +=
        "<item><id>1</id><name>a</name><status>enable</status><records>1</records><group_id>";
  EXPECT_EQ(ReadDomainRows(openGroups + "</group_id>").size(), 1u);
}

TEST(ReadDomainRowsNoiseTest, ManyBrokenItemsAreReadInOnePass) {
  // Items that lack every tag after "</id>", and items that lack "</id>": a
  // scan that looked for the missing tags anew at every item would take hours.
  std::string answer = kOk;
  for (int i = 0; i < 60000; ++i) answer += "<item><id>" + std::to_string(i) + "</id></item>\n";
  EXPECT_EQ(ReadDomainRows(answer).size(), 60000u);
  answer = kOk;
  for (int i = 0; i < 60000; ++i) answer += "<item><id>" + std::to_string(i) + "</item>\n";
  EXPECT_TRUE(ReadDomainRows(answer).empty());
}

class RefreshDomainListTest : public testing::Test {
 protected:
  test::ServiceEnvironment env_;
  test::RecordingList list_{5};
};

TEST_F(RefreshDomainListTest, FillsTheColumnsFromTheAccount) {
  env_.service().AddDomain("a.com");
  env_.service().AddDomain("默认.cn", "disable");
  env_.SignIn();
  EXPECT_TRUE(RefreshDomainList(list_));
  EXPECT_EQ(list_.rows,
            (Rows{{"100", "a.com", "正常", "0", "1"}, {"101", "默认.cn", "暂停", "0", "1"}}));
  EXPECT_EQ(env_.service().Requests()[0].body,
            "login_email=user%40example.com&login_password=secret&format=xml");
}

TEST_F(RefreshDomainListTest, StatusIsNormalOnlyForEnable) {
  env_.SignIn();
  env_.service().ReplyNext(Reply::Body(kOk + Item("1", "a", "enable") + Item("2", "b", "disable") +
                                       Item("3", "c", "Enable") + Item("4", "d", "")));
  ASSERT_TRUE(RefreshDomainList(list_));
  ASSERT_EQ(list_.rows.size(), 4u);
  EXPECT_EQ(list_.rows[0][2], "正常");
  for (int i = 1; i < 4; ++i) EXPECT_EQ(list_.rows[i][2], "暂停");
}

TEST_F(RefreshDomainListTest, NoAnswerEmptiesCredentialsAndList) {
  env_.SignIn();
  list_.rows = {{"old", "", "", "", ""}};
  env_.service().ReplyNext(Reply::Body(""));
  EXPECT_FALSE(RefreshDomainList(list_));
  EXPECT_TRUE(list_.rows.empty());
  EXPECT_TRUE(State().account.empty());
  EXPECT_TRUE(State().password.empty());
}

TEST_F(RefreshDomainListTest, RejectedCredentialsAreKept) {
  env_.service().AddDomain("a.com");
  State().account = "user@example.com";
  State().password = "wrong";
  EXPECT_TRUE(RefreshDomainList(list_));
  EXPECT_TRUE(list_.rows.empty());
  EXPECT_EQ(State().password, "wrong");
}

// Runs one more refresh of the same list from inside the first one's
// processing of pending events, as a second click would.
class NestedRefresh final : public WindowEvents {
 public:
  explicit NestedRefresh(ListTarget& list) : list_(list) {}
  void ProcessPending() override {
    if (std::exchange(done_, true)) return;
    RefreshDomainList(list_);
  }

 private:
  ListTarget& list_;
  bool done_ = false;
};

TEST_F(RefreshDomainListTest, OverlappingRefreshesKeepOnlyTheNewestRows) {
  env_.SignIn();
  env_.service().ReplyNext(Reply::Body(kOk + Item("2", "newer.com", "enable")));
  env_.service().ReplyNext(Reply::Body(kOk + Item("1", "older.com", "enable")));
  NestedRefresh nested(list_);
  WindowEvents* const saved = InstalledWindowEvents();
  InstallWindowEvents(&nested);
  EXPECT_TRUE(RefreshDomainList(list_));
  InstallWindowEvents(saved);
  // The nested refresh ran before the outer one sent its request, so it took
  // the first answer; the outer one's late rows were dropped.
  EXPECT_EQ(env_.service().Requests().size(), 2u);
  EXPECT_EQ(list_.rows, (Rows{{"2", "newer.com", "正常", "2", "1"}}));
}

}  // namespace
}  // namespace zonivo
