#include <gtest/gtest.h>

#include <QTest>
#include <QWidget>
#include <chrono>
#include <memory>
#include <vector>

#include "net/HttpRequest.h"
#include "tests/support/LateBody.h"
#include "tests/support/ServiceEnvironment.h"

namespace zonivo {
namespace {

using Clock = std::chrono::steady_clock;

// The real libcurl request, noting when its send has ended.
class TimedSend final : public test::RealRequest {
 public:
  explicit TimedSend(Clock::time_point& ended) : ended_(ended) {}
  void Send(const std::string& body) override {
    RealRequest::Send(body);
    ended_ = Clock::now();
  }

 private:
  Clock::time_point& ended_;
};

class PaintLog final : public QWidget {
 public:
  std::vector<Clock::time_point> paints;

 protected:
  void paintEvent(QPaintEvent*) override { paints.push_back(Clock::now()); }
};

TEST(SendWaitTest, WindowsAreDrawnWhileASendWaitsAndAClickRunsAfterIt) {
  test::ServiceEnvironment env;
  CurrentCurlSettings().stallSeconds = 1;
  CurrentCurlSettings().totalTimeoutSeconds = 2;
  PaintLog window;
  window.resize(200, 100);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  window.paints.clear();

  Clock::time_point sendEnded;
  CurrentHttpTransport().makeComponent = [&sendEnded] {
    return std::make_unique<TimedSend>(sendEnded);
  };
  env.service().ReplyNext(sandbox::Reply::Stall(3));
  Clock::time_point clicked;
  QMetaObject::invokeMethod(
      &window, [&clicked] { clicked = Clock::now(); }, Qt::QueuedConnection);
  window.update();
  const Clock::time_point started = Clock::now();
  EXPECT_TRUE(HttpRequest(env.service().BaseUrl() + "/Domain.List", "POST").empty());

  ASSERT_FALSE(window.paints.empty());
  EXPECT_GT(window.paints.front(), started);
  EXPECT_LT(window.paints.front(), sendEnded);  // drawn while the send waited
  EXPECT_GT(clicked, sendEnded);                // the queued call waited for its end
}

}  // namespace
}  // namespace zonivo
