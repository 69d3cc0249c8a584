#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "net/HttpRequest.h"
#include "net/Pause.h"
#include "net/WindowEvents.h"

namespace zonivo {
namespace {

// Records every step made on it; its body appears at a chosen read.
struct ComponentLog {
  std::vector<std::string> steps;
  int reads = 0;
  int bodyAtRead = -1;  // 1-based; -1 never
};

class FakeComponent final : public HttpComponent {
 public:
  explicit FakeComponent(ComponentLog& log) : log_(log) {}
  ~FakeComponent() override { log_.steps.push_back("release"); }
  void SetProxy(const std::string& server) override { log_.steps.push_back("proxy " + server); }
  void SetProxyCredentials(const std::string& user, const std::string& password) override {
    log_.steps.push_back("credentials " + user + " " + password);
  }
  void Open(const std::string& method, const std::string& url) override {
    log_.steps.push_back("open " + method + " " + url);
  }
  void SetHeader(const std::string& name, const std::string& value) override {
    log_.steps.push_back("header " + name + "=" + value);
  }
  void Send(const std::string& body) override { log_.steps.push_back("send " + body); }
  Bytes ReadBody() override {
    ++log_.reads;
    return log_.reads == log_.bodyAtRead ? Bytes{'o', 'k'} : Bytes{};
  }

 private:
  ComponentLog& log_;
};

class HttpRequestTest : public testing::Test {
 protected:
  void SetUp() override {
    saved_ = CurrentHttpTransport();
    CurrentHttpTransport().makeComponent = [this]() -> std::unique_ptr<HttpComponent> {
      return std::make_unique<FakeComponent>(log_);
    };
    CurrentHttpTransport().pause = [this](int lengthMs) {
      EXPECT_EQ(lengthMs, 1);
      ++pauses_;
    };
  }
  void TearDown() override { CurrentHttpTransport() = saved_; }

  ComponentLog log_;
  int pauses_ = 0;
  HttpTransport saved_;
};

TEST_F(HttpRequestTest, SendsTheStepsInOrderAndReturnsTheFirstBodyWithoutPause) {
  log_.bodyAtRead = 1;
  const Bytes body = HttpRequest("https://h/x", "POST", {}, 0, {}, {}, "a=1");
  EXPECT_EQ(body, (Bytes{'o', 'k'}));
  EXPECT_EQ(pauses_, 0);
  EXPECT_EQ(log_.steps,
            (std::vector<std::string>{
                "open POST https://h/x", "header Referer=", "header Accept-Language=zh-cn",
                "header Content-Type=application/x-www-form-urlencoded", "send a=1", "release"}));
}

TEST_F(HttpRequestTest, ConvertsTextArgumentsToUtf8) {
  log_.bodyAtRead = 1;
  HttpRequest("https://h/x", "POST", {}, 0, {}, {}, "v=\xC4\xAC\xC8\xCF", "r\xD5\xFD");
  EXPECT_EQ(log_.steps[1], "header Referer=r\xE6\xAD\xA3");
  EXPECT_EQ(log_.steps[4], "send v=\xE9\xBB\x98\xE8\xAE\xA4");
}

TEST_F(HttpRequestTest, EmptyMethodSendsGet) {
  log_.bodyAtRead = 1;
  HttpRequest("https://h/");
  EXPECT_EQ(log_.steps[0], "open GET https://h/");
}

TEST_F(HttpRequestTest, ProxyRules) {
  struct Case {
    std::string host;
    int port;
    std::string user, password;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"proxy", 0, "", "", {"proxy proxy:80"}},
      {"proxy", 81, "", "", {"proxy proxy:81"}},
      {"proxy", 0, "", "pw", {"proxy proxy:80"}},
      {"proxy", 8080, "me", "pw", {"proxy proxy:8080", "credentials me pw"}},
      {"", 81, "me", "pw", {}},
  };
  for (const Case& c : cases) {
    log_ = ComponentLog{};
    log_.bodyAtRead = 1;
    HttpRequest("https://h/", "GET", c.host, c.port, c.user, c.password);
    const std::vector<std::string> before(
        log_.steps.begin(), log_.steps.begin() + static_cast<long>(c.expected.size()));
    EXPECT_EQ(before, c.expected) << c.host << ":" << c.port;
    EXPECT_EQ(log_.steps[c.expected.size()], "open GET https://h/");
  }
}

TEST_F(HttpRequestTest, PollLimitCountsReadsAndPauses) {
  struct Case {
    int pollLimit, bodyAtRead, reads, pauses;
    bool answered;
  };
  const Case cases[] = {
      {3, -1, 4, 4, false},         {3, 4, 4, 3, true}, {3, 5, 4, 4, false},
      {0, -1, 10001, 10001, false}, {1, 2, 2, 1, true},
  };
  for (const Case& c : cases) {
    log_ = ComponentLog{};
    log_.bodyAtRead = c.bodyAtRead;
    pauses_ = 0;
    const Bytes body = HttpRequest("https://h/", "POST", {}, 0, {}, {}, {}, {}, c.pollLimit);
    EXPECT_EQ(log_.reads, c.reads) << "limit " << c.pollLimit;
    EXPECT_EQ(pauses_, c.pauses) << "limit " << c.pollLimit;
    EXPECT_EQ(!body.empty(), c.answered) << "limit " << c.pollLimit;
  }
}

TEST_F(HttpRequestTest, NoComponentSendsNothingAndDoesNotPause) {
  CurrentHttpTransport().makeComponent = [] { return std::unique_ptr<HttpComponent>(); };
  EXPECT_TRUE(HttpRequest("https://h/", "POST").empty());
  EXPECT_TRUE(log_.steps.empty());
  EXPECT_EQ(pauses_, 0);
}

// A clock that moves on by 400 microseconds at every reading.
class TickingClock final : public Clock {
 public:
  std::int64_t Microseconds() override { return now += 400; }
  std::int64_t now = 0;
};

class CountingEvents final : public WindowEvents {
 public:
  void ProcessPending() override { ++passes; }
  int passes = 0;
};

TEST(PauseTest, ProcessesEventsUntilTheClockPassesTheLength) {
  CountingEvents events;
  WindowEvents* const saved = InstalledWindowEvents();
  InstallWindowEvents(&events);
  TickingClock clock;
  PauseWhileProcessingEvents(1, clock);
  // Noted 400; a pass before each of the readings 800, 1200 and 1600, which
  // is the first past 1400.
  EXPECT_EQ(events.passes, 3);
  EXPECT_EQ(clock.now, 1600);
  events.passes = 0;
  PauseWhileProcessingEvents(0, clock);
  PauseWhileProcessingEvents(-5, clock);
  EXPECT_EQ(events.passes, 0);
  InstallWindowEvents(saved);
}

}  // namespace
}  // namespace zonivo
