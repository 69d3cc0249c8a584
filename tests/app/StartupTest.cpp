#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

#include "app/AppState.h"
#include "app/Startup.h"
#include "ui/MainWindow.h"
#include "ui/toolkit/Toolkit.h"

namespace zonivo {
namespace {

MainWindow* OpenMainWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* main = qobject_cast<MainWindow*>(w); main && main->isVisible()) return main;
  return nullptr;
}

// Acts on the main window once the event loop runs, then closes it.
void ThenCloseMainWindow(std::function<void(MainWindow*)> act) {
  QTimer::singleShot(0, [act] {
    MainWindow* main = OpenMainWindow();
    ASSERT_NE(main, nullptr);
    act(main);
    main->close();
  });
}

TEST(StartupTest, OpensTheMainWindowAndReleasesTheStateAtTheEnd) {
  State() = AppState{};
  bool matcherMade = false;
  ThenCloseMainWindow([&](MainWindow* main) {
    matcherMade = State().matcher != nullptr;
    EXPECT_EQ(main->windowTitle(), QString::fromUtf8("Zonivo 客户端   作者Marbeck"));
    const QRect screen = main->screen()->availableGeometry();
    // The outer 466 x 386, frame included, sits in the middle of the screen.
    const QRect outer(main->frameGeometry().topLeft(), QSize(466, 386));
    EXPECT_LE((outer.center() - screen.center()).manhattanLength(), 2);
    EXPECT_TRUE(State().account.empty());
    EXPECT_EQ(State().editRow, 0);
    State().matcher->Create("(a)");
    State().matcher->Execute("a");
    State().account = "user@example.com";
    State().password = "secret";
    State().domainId = "1";
    State().domainName = "a.com";
    State().editDomainId = State().editRecordId = State().addDomainId = "2";
  });
  int argc = 1;
  char name[] = "zonivo-client";
  char* argv[] = {name, nullptr};
  EXPECT_EQ(StartClient(argc, argv), 0);
  EXPECT_TRUE(matcherMade);
  const AppState& s = State();
  for (const Text* t : {&s.account, &s.password, &s.domainId, &s.domainName, &s.editDomainId,
                        &s.editRecordId, &s.addDomainId})
    EXPECT_TRUE(t->empty());
  EXPECT_EQ(s.matcher, nullptr);
}

TEST(StartupTest, ExitRoutineRunsOnceAndSurvivesAnUntouchedState) {
  static int runs = 0;
  State() = AppState{};
  State().matcher = std::make_unique<PatternMatcher>();  // no engine object ever made
  RegisterExitRoutine([] {
    ++runs;
    ReleaseAppState();
  });
  for (int loop = 0; loop < 2; ++loop) {
    auto* window = new MainWindow;
    window->show();
    QTimer::singleShot(0, window, &QWidget::close);
    RunEventLoop();
  }
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(State().matcher, nullptr);
}

TEST(AppStateTest, WipeTextZeroesTheBytesBeforeEmptying) {
  Text password(64, 's');
  const char* bytes = password.data();
  WipeText(password);
  EXPECT_TRUE(password.empty());
  EXPECT_GE(password.capacity(), 64u);  // still the same buffer, now zeroed
  for (int i = 0; i < 64; ++i) ASSERT_EQ(bytes[i], '\0') << i;
}

TEST(AppStateTest, StorePasswordWipesTheOneItReplaces) {
  AppState state;
  state.password = Text(64, 'o');
  const char* bytes = state.password.data();
  StorePassword(state, "new");
  EXPECT_EQ(state.password, "new");
  ASSERT_EQ(state.password.data(), bytes);  // the same buffer, taken again
  for (int i = 4; i < 64; ++i) ASSERT_EQ(bytes[i], '\0') << i;
}

TEST(AppStateTest, ClearCredentialsEmptiesBothAndNothingElse) {
  AppState state;
  state.account = "a";
  state.password = "p";
  state.domainId = "1";
  ClearCredentials(state);
  EXPECT_TRUE(state.account.empty());
  EXPECT_TRUE(state.password.empty());
  EXPECT_EQ(state.domainId, "1");
}

}  // namespace
}  // namespace zonivo
