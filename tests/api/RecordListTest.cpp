#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "api/RecordList.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "tests/api/RecordingList.h"
#include "tests/support/ServiceEnvironment.h"

namespace zonivo {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using sandbox::Reply;

struct Fields {
  std::string id = "1", name = "www", line = "默认", type = "A", ttl = "600", value = "1.2.3.4",
              mx = "0", enabled = "1";
};

std::string Record(const Fields& f) {
  return "<item>\n<id>" + f.id + "</id>\n<name>" + f.name + "</name>\n<line>" + f.line +
         "</line>\n<type>" + f.type + "</type>\n<ttl>" + f.ttl + "</ttl>\n<value>" + f.value +
         "</value>\n<mx>" + f.mx + "</mx>\n<enabled>" + f.enabled + "</enabled>\n</item>\n";
}

std::string Answer(const std::string& records, const std::string& code = "1") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<zonivo>\n<status>\n<code>" + code +
         "</code>\n</status>\n<records>\n" + records + "</records>\n</zonivo>\n";
}

std::string Ids(int n) {
  std::string records;
  for (int i = 1; i <= n; ++i) records += Record({.id = "r" + std::to_string(i)});
  return records;
}

std::vector<std::string> Column(const Rows& rows, std::size_t column) {
  std::vector<std::string> cells;
  for (const auto& row : rows) cells.push_back(row[column]);
  return cells;
}

class RefreshRecordListTest : public testing::Test {
 protected:
  // Refreshes against `reply`; returns the result.
  bool Refresh(Reply reply) {
    env_.SignIn();
    env_.service().ReplyNext(std::move(reply));
    return RefreshRecordList(list_, "12");
  }

  test::ServiceEnvironment env_;
  test::RecordingList list_{8};
};

TEST_F(RefreshRecordListTest, RowsGoInAsIfEachWereInsertedAtPositionOne) {
  struct Case {
    int records;
    std::vector<std::string> ids;
  };
  const Case cases[] = {{0, {}},
                        {1, {"r1"}},
                        {2, {"r1", "r2"}},
                        {3, {"r1", "r3", "r2"}},
                        {4, {"r1", "r4", "r3", "r2"}}};
  for (const Case& c : cases) {
    EXPECT_TRUE(Refresh(Reply::Body(Answer(Ids(c.records))))) << c.records;
    EXPECT_EQ(Column(list_.rows, kRecordId), c.ids) << c.records;
  }
  EXPECT_EQ(env_.service().Requests()[0].body,
            "login_email=user%40example.com&login_password=secret&format=xml&domain_id=12");
  EXPECT_EQ(env_.service().Requests()[0].path, "/Record.List");
}

TEST_F(RefreshRecordListTest, CellsComeFromTheirGroups) {
  ASSERT_TRUE(Refresh(Reply::Body(
      Answer(Record({"7", "mail", "电信", "MX", "3600", "mx.example.com", "10", "0"})))));
  EXPECT_EQ(list_.rows,
            (Rows{{"7", "电信", "mail", "mx.example.com", "MX", "10", "3600", "禁用"}}));
}

TEST_F(RefreshRecordListTest, FailuresLeaveTheListEmpty) {
  struct Case {
    const char* name;
    std::string body;
    bool credentialsKept;
  };
  const Case cases[] = {
      {"NoAnswer", "", true},
      {"Rejected", Answer(Ids(2), "-1"), false},
      {"NotOwner", Answer(Ids(2), "6"), false},
      {"NoCodeElement", "<records>" + Ids(2) + "</records>", false},
      {"CodeWithBlank", Answer(Ids(2), " 1"), false},
  };
  for (const Case& c : cases) {
    list_.rows = {{"old"}};
    EXPECT_FALSE(Refresh(Reply::Body(c.body))) << c.name;
    EXPECT_TRUE(list_.rows.empty()) << c.name;
    EXPECT_EQ(State().account.empty(), !c.credentialsKept) << c.name;
    EXPECT_EQ(State().password.empty(), !c.credentialsKept) << c.name;
  }
}

TEST_F(RefreshRecordListTest, CdataMarkersGoFromLineAndValueOnly) {
  struct Case {
    Fields fields;
    std::string line, name, value;
  };
  const Case cases[] = {
      {{.id = "1", .line = "<![CDATA[默认]]>", .value = "<![CDATA[1.2.3.4]]>"},
       "默认",
       "www",
       "1.2.3.4"},
      {{.id = "1", .value = "1.2.3.4"}, "默认", "www", "1.2.3.4"},
      {{.id = "1", .value = "<![CDATA[a]]><![CDATA[b]]>"}, "默认", "www", "a<![CDATA[b]]>"},
      {{.id = "1", .name = "<![CDATA[www]]>"}, "默认", "<![CDATA[www]]>", "1.2.3.4"},
      {{.id = "1", .value = "<![CDATA[5€]]>"}, "默认", "www", "5€"},
      // The opening marker in other letter case stays; the closing one goes.
      {{.id = "1", .value = "<![cdata[x]]>"}, "默认", "www", "<![cdata[x"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Refresh(Reply::Body(Answer(Record(c.fields)))));
    ASSERT_EQ(list_.rows.size(), 1u) << c.value;
    EXPECT_EQ(list_.rows[0][kRecordLine], c.line);
    EXPECT_EQ(list_.rows[0][kRecordName], c.name);
    EXPECT_EQ(list_.rows[0][kRecordValue], c.value);
  }
}

TEST_F(RefreshRecordListTest, OnlyEnabledOneIsNormal) {
  std::string records;
  for (const char* enabled : {"1", "0", "", "true"})
    records += Record({.id = "x", .enabled = enabled});
  ASSERT_TRUE(Refresh(Reply::Body(Answer(records))));
  // The order is r1, r4, r3, r2.
  EXPECT_EQ(Column(list_.rows, kRecordState),
            (std::vector<std::string>{"正常", "禁用", "禁用", "禁用"}));
}

TEST_F(RefreshRecordListTest, CapitalTagsMatchAndBrokenRecordsAreLeftOut) {
  const std::string capitals =
      "<ID>c</ID><NAME>n</NAME><LINE>l</LINE><TYPE>A</TYPE><TTL>1</TTL><VALUE>v</VALUE>"
      "<MX>0</MX><ENABLED>1</ENABLED>\n";
  const std::string records = Record({.id = "a"}) + Record({.id = "blank", .value = "1.2 3.4"}) +
                              Record({.id = "b"}) + capitals +
                              "<id>split</id><name>n</name><other/><line>l</line>\n";
  ASSERT_TRUE(Refresh(Reply::Body(Answer(records))));
  EXPECT_EQ(Column(list_.rows, kRecordId), (std::vector<std::string>{"a", "c", "b"}));
}

}  // namespace
}  // namespace zonivo
