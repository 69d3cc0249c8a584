#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "api/Commands.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "net/HttpRequest.h"
#include "tests/support/LateBody.h"
#include "tests/support/ServiceEnvironment.h"

namespace zonivo {
namespace {

using sandbox::Reply;

struct Operation {
  const char* name;
  std::function<Text()> run;
  bool clearsCredentials;
  std::map<std::string, std::string> messages;  // code -> message, UTF-8
};

std::vector<Operation> Operations() {
  const std::map<std::string, std::string> recordEdit = {
      {"4", "域名ID错误"},      {"5", "域名不存在"},     {"6", "非域名所有者"},
      {"8", "主机记录错误"},    {"9", "记录值错误"},     {"10", "不能为@记录设置NS类型"},
      {"11", "TTL 必须大于 1"}, {"12", "MX 必须大于 1"}, {"13", "记录重复或者和 CNAME 记录冲突"}};
  const std::map<std::string, std::string> recordState = {
      {"5", "域名不存在"}, {"6", "非域名所有者"}, {"7", "记录不存在"}};
  auto with = [](std::map<std::string, std::string> m, const char* success) {
    m["1"] = success;
    m["-1"] = "账号验证失败";
    return m;
  };
  return {
      {"CreateDomain", [] { return CreateDomain("example.com"); }, true,
       with({{"4", "域名无效"}, {"5", "域名已存在"}}, "添加域名成功")},
      {"RemoveDomain", [] { return RemoveDomain("100"); }, true,
       with({{"4", "域名ID错误"}, {"5", "域名不存在"}, {"6", "非域名所有者"}}, "删除域名成功")},
      {"CreateRecord",
       [] { return CreateRecord("100", "www", "A", FromUtf8("默认"), "1.2.3.4", "0", "600"); },
       false, with(recordEdit, "添加记录成功")},
      {"ModifyRecord",
       [] { return ModifyRecord("100", "7", "www", "A", FromUtf8("默认"), "1.2.3.4", "0", "600"); },
       true, with(recordEdit, "修改记录成功")},
      {"RemoveRecord", [] { return RemoveRecord("100", "7"); }, true,
       with(recordState, "删除记录成功")},
      {"SetRecordStatus", [] { return SetRecordStatus("100", "7", "disable"); }, true,
       with(recordState, "设置状态成功")},
  };
}

struct AnswerCase {
  const char* name;
  std::string code;  // the code the operation should read; "" for none
  std::function<Reply()> reply;
};

std::vector<AnswerCase> Answers() {
  std::vector<AnswerCase> cases;
  for (const char* code :
       {"1", "-1", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "2", "99"})
    cases.push_back({code, code, [code] { return Reply::Code(code); }});
  const auto body = [](std::string b) { return [b] { return Reply::Body(b); }; };
  cases.push_back({"EmptyCode", "", body("<code></code>")});
  cases.push_back({"NoCodeElement", "", body("<status>1</status>")});
  cases.push_back({"BlankInCode", "", body("<code> 1</code>")});
  cases.push_back({"LeadingZero", "01", body("<code>01</code>")});
  cases.push_back({"PlusOne", "+1", body("<code>+1</code>")});
  cases.push_back({"TwoCodesFirstWins", "1", body("<code>1</code>\n<code>-1</code>")});
  cases.push_back({"TwoCodesFirstRejects", "-1", body("<code>-1</code> <code>1</code>")});
  cases.push_back({"UpperCaseTags", "1", body("<CODE>1</CODE>")});
  cases.push_back({"ErrorStatusWithCode", "5", [] { return Reply::Body("<code>5</code>", 500); }});
  return cases;
}

class CommandsTest : public testing::Test {
 protected:
  test::ServiceEnvironment env_;
};

TEST_F(CommandsTest, EveryOperationMapsEveryAnswerToItsMessage) {
  for (const Operation& op : Operations()) {
    for (const AnswerCase& answer : Answers()) {
      env_.SignIn();
      env_.service().ReplyNext(answer.reply());
      const std::string message = ToUtf8(op.run());
      const auto known = op.messages.find(answer.code);
      const std::string expected = known == op.messages.end() ? "未知错误" : known->second;
      EXPECT_EQ(message, expected) << op.name << " / " << answer.name;
      const bool cleared = answer.code == "-1" && op.clearsCredentials;
      EXPECT_EQ(State().account.empty(), cleared) << op.name << " / " << answer.name;
      EXPECT_EQ(State().password.empty(), cleared) << op.name << " / " << answer.name;
    }
  }
}

TEST_F(CommandsTest, NoAnswerFailsToConnectAndKeepsCredentialsAndMatcher) {
  State().matcher->Create("(x)");
  State().matcher->Execute("x");
  for (const Operation& op : Operations()) {
    env_.SignIn();
    env_.service().ReplyNext(Reply::Body(""));
    EXPECT_EQ(ToUtf8(op.run()), "连接服务器失败") << op.name;
    EXPECT_EQ(State().account, "user@example.com") << op.name;
    EXPECT_EQ(State().matcher->SubMatchText(1, 1), "x") << op.name;
  }
  env_.service().Stop();
  for (const Operation& op : Operations()) {
    EXPECT_EQ(ToUtf8(op.run()), "连接服务器失败") << op.name;
    EXPECT_FALSE(State().password.empty()) << op.name;
  }
}

TEST_F(CommandsTest, EachOperationSendsItsFieldsInOrder) {
  env_.SignIn();
  CreateDomain("");
  RemoveDomain("12");
  CreateRecord("12", "www", "MX", FromUtf8("电信"), "mail.example.com", "", "600");
  ModifyRecord("12", "34", "", "A", FromUtf8("默认"), "1.2.3.4", "5", "60");
  RemoveRecord("12", "34");
  SetRecordStatus("12", "34", "disable");
  SetRecordStatus("12", "34", "enable");
  const auto requests = env_.service().Requests();
  ASSERT_EQ(requests.size(), 7u);
  using Keys = std::vector<std::string>;
  const Keys head = {"login_email", "login_password", "format"};
  const auto keys = [&head](Keys tail) {
    Keys all = head;
    all.insert(all.end(), tail.begin(), tail.end());
    return all;
  };
  const Keys record = {"sub_domain", "record_type", "record_line", "value", "mx", "ttl"};
  const Keys createRecord = [&] {
    Keys k = {"domain_id"};
    k.insert(k.end(), record.begin(), record.end());
    return k;
  }();
  const Keys modifyRecord = [&] {
    Keys k = {"domain_id", "record_id"};
    k.insert(k.end(), record.begin(), record.end());
    return k;
  }();

  EXPECT_EQ(requests[0].path, "/Domain.Create");
  EXPECT_EQ(requests[0].body,
            "login_email=user%40example.com&login_password=secret&format=xml&domain=");
  EXPECT_EQ(requests[1].path, "/Domain.Remove");
  EXPECT_EQ(requests[1].Keys(), keys({"domain_id"}));
  EXPECT_EQ(requests[2].path, "/Record.Create");
  EXPECT_EQ(requests[2].Keys(), keys(createRecord));
  EXPECT_EQ(requests[2].Field("record_line"), "电信");
  EXPECT_NE(requests[2].body.find("&mx=&ttl=600"), std::string::npos);
  EXPECT_EQ(requests[3].path, "/Record.Modify");
  EXPECT_EQ(requests[3].Keys(), keys(modifyRecord));
  EXPECT_EQ(requests[4].path, "/Record.Remove");
  EXPECT_EQ(requests[4].Keys(), keys({"domain_id", "record_id"}));
  EXPECT_EQ(requests[5].path, "/Record.Status");
  EXPECT_EQ(requests[5].Keys(), keys({"domain_id", "record_id", "status"}));
  EXPECT_TRUE(requests[5].body.ends_with("&status=disable"));
  EXPECT_TRUE(requests[6].body.ends_with("&status=enable"));
  for (const auto& r : requests) EXPECT_EQ(r.method, "POST");
}

TEST_F(CommandsTest, HostileValuesArriveExactlyAsTyped) {
  const std::vector<std::string> values = {
      "a&b", "x=y",  "1+1", "100%", "two words", "默认", "1.2.3.4&record_id=9", "&login_password=",
      "%26", "~-._", ""};
  env_.service().SetAccount("me+you@example.com", "p&ss=w%rd 默");
  State().account = FromUtf8("me+you@example.com");
  State().password = FromUtf8("p&ss=w%rd 默");
  for (const std::string& value : values) {
    env_.service().ClearRequests();
    ModifyRecord("12", "34", FromUtf8(value), "TXT", FromUtf8(value), FromUtf8(value), "0", "600");
    const auto requests = env_.service().Requests();
    ASSERT_EQ(requests.size(), 1u);
    const sandbox::ReceivedRequest& r = requests[0];
    EXPECT_EQ(r.fields.size(), 11u) << value;
    EXPECT_EQ(r.Field("login_email"), "me+you@example.com");
    EXPECT_EQ(r.Field("login_password"), "p&ss=w%rd 默");
    EXPECT_EQ(r.Field("record_id"), "34") << value;
    EXPECT_EQ(r.Field("sub_domain"), value);
    EXPECT_EQ(r.Field("record_line"), value);
    EXPECT_EQ(r.Field("value"), value);
  }
}

TEST_F(CommandsTest, ASignInDuringTheWaitChangesNeitherTheRequestNorTheClearing) {
  CurrentHttpTransport().makeComponent = [] { return std::make_unique<test::LateBody>(); };
  CurrentHttpTransport().pause = [](int) {
    State().account = "other@example.com";
    State().password = "other";
  };
  for (const Operation& op : Operations()) {
    env_.SignIn();
    env_.service().ClearRequests();
    env_.service().ReplyNext(Reply::Code("-1"));
    EXPECT_EQ(ToUtf8(op.run()), "账号验证失败") << op.name;
    const auto requests = env_.service().Requests();
    ASSERT_EQ(requests.size(), 1u) << op.name;
    EXPECT_EQ(requests[0].Field("login_email"), "user@example.com") << op.name;
    EXPECT_EQ(requests[0].Field("login_password"), "secret") << op.name;
    // The rejection clears what is stored after the answer, whoever stored it.
    EXPECT_EQ(State().account, op.clearsCredentials ? "" : "other@example.com") << op.name;
    EXPECT_EQ(State().password, op.clearsCredentials ? "" : "other") << op.name;
  }
}

TEST_F(CommandsTest, CredentialsAreReadWhenTheFormIsBuilt) {
  // Cleared credentials go out empty, between their keys.
  RemoveRecord("1", "2");
  EXPECT_TRUE(env_.service().Requests()[0].body.starts_with(
      "login_email=&login_password=&format=xml&domain_id=1"));
}

}  // namespace
}  // namespace zonivo
