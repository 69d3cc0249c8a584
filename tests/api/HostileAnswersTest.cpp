#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "api/Commands.h"
#include "api/DomainList.h"
#include "api/RecordList.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "net/CurlComponent.h"
#include "tests/api/RecordingList.h"
#include "tests/support/ServiceEnvironment.h"

namespace zonivo {
namespace {

using sandbox::Reply;

// One answer of a hostile or broken server, and what reading it must give:
// whether an answer came at all, the result code the commands read from it,
// and the rows of the two lists.
struct Hostile {
  const char* name;
  std::function<Reply()> reply;
  bool answered;
  std::string code;
  std::size_t domainRows;
  std::size_t recordRows;
  std::size_t bodyCap = kAnswerCapBytes;
};

// A domain item and a record in the service's shape; each list reads one row.
const std::string kItem =
    "<item>\n<id>1</id>\n<name>a</name>\n<line>x</line>\n<type>A</type>\n<ttl>6</ttl>\n"
    "<value>v</value>\n<mx>0</mx>\n<enabled>1</enabled>\n<status>enable</status>\n"
    "<records>1</records>\n<group_id>1</group_id>\n</item>\n";

std::string Upper(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return s;
}

std::vector<Hostile> Answers() {
  const auto body = [](std::string b, int status = 200) {
    return [b, status] { return Reply::Body(b, status); };
  };
  std::string minified = "<code>1</code>" + kItem + kItem;
  std::erase(minified, '\n');
  return {
      {"EmptyBody", body(""), false, "", 0, 0},
      {"ErrorStatusWithABody", body("<code>1</code>\n" + kItem, 500), true, "1", 1, 1},
      // The cap is a mebibyte here, so that going past it is quick.
      {"OverTheCapWithALength", [] { return Reply::OversizeWithLength((1 << 20) + 1); }, false, "",
       0, 0, 1 << 20},
      {"OverTheCapChunked", [] { return Reply::Oversize((1 << 20) + 1); }, false, "", 0, 0,
       1 << 20},
      {"Stalled", [] { return Reply::Stall(3); }, false, "", 0, 0},
      {"DroppedConnection", [] { return Reply::Drop(); }, false, "", 0, 0},
      {"InvalidUtf8", body("<code>1</code>\xFF\xC0\xAF\n" + kItem + "\xED\xA0\x80"), true, "1", 1,
       1},
      // Without white space between records the expression takes both as one.
      {"MinifiedOnOneLine", body(minified), true, "1", 2, 1},
      {"TenMegabytesWithoutWhiteSpace", body("<code>1</code>" + std::string(10 << 20, 'x')), true,
       "1", 0, 0},
      {"BlankInTheCode", body("<code> 1</code>\n" + kItem), true, "", 0, 0},
      {"TagsInCapitals", body(Upper("<code>1</code>\n" + kItem)), true, "1", 0, 1},
  };
}

// What one of the eight operations does with an answer.
struct Operation {
  const char* name;
  enum class Kind { kCommand, kDomainList, kRecordList } kind;
  std::function<Text()> command;
  const char* success = nullptr;
};

std::vector<Operation> Operations() {
  using K = Operation::Kind;
  return {
      {"RefreshDomainList", K::kDomainList, nullptr},
      {"RefreshRecordList", K::kRecordList, nullptr},
      {"CreateDomain", K::kCommand, [] { return CreateDomain("a.com"); }, "添加域名成功"},
      {"RemoveDomain", K::kCommand, [] { return RemoveDomain("1"); }, "删除域名成功"},
      {"CreateRecord", K::kCommand,
       [] { return CreateRecord("1", "www", "A", "x", "1.2.3.4", "0", "600"); }, "添加记录成功"},
      {"ModifyRecord", K::kCommand,
       [] { return ModifyRecord("1", "2", "www", "A", "x", "1.2.3.4", "0", "600"); },
       "修改记录成功"},
      {"RemoveRecord", K::kCommand, [] { return RemoveRecord("1", "2"); }, "删除记录成功"},
      {"SetRecordStatus", K::kCommand, [] { return SetRecordStatus("1", "2", "disable"); },
       "设置状态成功"},
  };
}

class HostileAnswersTest : public testing::Test {
 protected:
  void SetUp() override {
    CurlSettings& limits = CurrentCurlSettings();
    limits.stallSeconds = 1;
    limits.totalTimeoutSeconds = 2;
  }
  test::ServiceEnvironment env_;
};

TEST_F(HostileAnswersTest, EveryOperationReadsEveryAnswerSafely) {
  for (const Operation& op : Operations()) {
    for (const Hostile& answer : Answers()) {
      const std::string where = std::string(op.name) + " / " + answer.name;
      env_.SignIn();
      CurrentCurlSettings().bodyCap = answer.bodyCap;
      env_.service().ReplyNext(answer.reply());
      test::RecordingList list(8);
      bool kept = true;
      switch (op.kind) {
        case Operation::Kind::kCommand: {
          const char* expected = !answer.answered     ? "连接服务器失败"
                                 : answer.code == "1" ? op.success
                                                      : "未知错误";
          EXPECT_EQ(ToUtf8(op.command()), expected) << where;
          break;
        }
        case Operation::Kind::kDomainList:
          EXPECT_EQ(RefreshDomainList(list), answer.answered) << where;
          EXPECT_EQ(list.rows.size(), answer.domainRows) << where;
          kept = answer.answered;
          break;
        case Operation::Kind::kRecordList: {
          const bool listed = answer.answered && answer.code == "1";
          EXPECT_EQ(RefreshRecordList(list, "1"), listed) << where;
          EXPECT_EQ(list.rows.size(), answer.recordRows) << where;
          kept = !answer.answered || listed;
          break;
        }
      }
      EXPECT_EQ(!State().account.empty(), kept) << where;
      EXPECT_EQ(!State().password.empty(), kept) << where;
    }
  }
}

}  // namespace
}  // namespace zonivo
