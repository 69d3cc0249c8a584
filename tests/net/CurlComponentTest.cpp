#include <gtest/gtest.h>

#include <chrono>

#include "net/CurlComponent.h"
#include "net/HttpRequest.h"
#include "sandbox/Certificate.h"
#include "sandbox/StandInService.h"

namespace zonivo {
namespace {

using sandbox::Reply;

class CurlComponentTest : public testing::Test {
 protected:
  void SetUp() override {
    CurrentCurlSettings() = CurlSettings{};
    CurrentCurlSettings().caFile = sandbox::LoopbackCertificate().pemFile;
    saved_ = CurrentHttpTransport();
    CurrentHttpTransport().pause = [](int) {};
  }
  void TearDown() override {
    CurrentHttpTransport() = saved_;
    CurrentCurlSettings() = CurlSettings{};
  }

  Bytes Post(const Text& body, const Text& referer = {}) {
    return HttpRequest(service_.BaseUrl() + "/Domain.List", "POST", {}, 0, {}, {}, body, referer,
                       3);
  }
  static std::string AsString(const Bytes& b) { return std::string(b.begin(), b.end()); }

  sandbox::StandInService service_;
  HttpTransport saved_;
};

TEST_F(CurlComponentTest, ServerSeesMethodHeadersAndBody) {
  const Bytes body = Post("login_email=a%40b&format=xml&v=\xC4\xAC", "https://ref.example/");
  EXPECT_NE(AsString(body).find("<code>-1</code>"), std::string::npos);
  const auto requests = service_.Requests();
  ASSERT_EQ(requests.size(), 1u);
  const sandbox::ReceivedRequest& r = requests[0];
  EXPECT_EQ(r.method, "POST");
  EXPECT_EQ(r.path, "/Domain.List");
  EXPECT_EQ(r.Header("referer"), "https://ref.example/");
  EXPECT_EQ(r.Header("accept-language"), "zh-cn");
  EXPECT_EQ(r.Header("content-type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(r.body, "login_email=a%40b&format=xml&v=\xE9\xBB\x98");  // GBK text goes out as UTF-8
  EXPECT_EQ(r.Field("login_email"), "a@b");
}

TEST_F(CurlComponentTest, ErrorStatusBodyIsReturned) {
  service_.ReplyNext(Reply::Body("<error>busy</error>", 500));
  EXPECT_EQ(AsString(Post("x=1")), "<error>busy</error>");
}

TEST_F(CurlComponentTest, UntrustedCertificateGivesNoAnswer) {
  CurrentCurlSettings().caFile.clear();
  EXPECT_TRUE(Post("x=1").empty());
  EXPECT_TRUE(service_.Requests().empty());
}

TEST_F(CurlComponentTest, StalledServerEndsWithinTheTimeOut) {
  CurrentCurlSettings().stallSeconds = 1;
  CurrentCurlSettings().totalTimeoutSeconds = 3;
  service_.ReplyNext(Reply::Stall());
  const auto start = std::chrono::steady_clock::now();
  EXPECT_TRUE(Post("x=1").empty());
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(CurlComponentTest, DroppedConnectionGivesNoAnswer) {
  service_.ReplyNext(Reply::Drop());
  EXPECT_TRUE(Post("x=1").empty());
}

TEST_F(CurlComponentTest, BodyOverTheCapGivesNoAnswerAndOneUnderItArrives) {
  CurrentCurlSettings().bodyCap = 1024 * 1024;
  service_.ReplyNext(Reply::Oversize(2 * 1024 * 1024));
  EXPECT_TRUE(Post("x=1").empty());
  service_.ReplyNext(Reply::Oversize(512 * 1024));
  EXPECT_EQ(Post("x=1").size(), 512u * 1024u);
}

TEST_F(CurlComponentTest, StoppedServerGivesNoAnswer) {
  service_.Stop();
  EXPECT_TRUE(Post("x=1").empty());
}

}  // namespace
}  // namespace zonivo
