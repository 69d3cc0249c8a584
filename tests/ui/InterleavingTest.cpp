#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <functional>
#include <random>

#include "app/AppState.h"
#include "net/HttpRequest.h"
#include "net/WindowEvents.h"
#include "tests/support/LateBody.h"
#include "tests/support/MenuDriver.h"
#include "tests/support/ScriptedPresenter.h"
#include "tests/support/ServiceEnvironment.h"
#include "ui/AddRecordWindow.h"
#include "ui/MainWindow.h"
#include "ui/ModifyRecordWindow.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

// Closes a window of the program at a chosen pass over the pending events of
// a request's wait, as a user's click on a close box would.
class CloseAtPass final : public WindowEvents {
 public:
  explicit CloseAtPass(std::mt19937& random) : random_(random), previous_(InstalledWindowEvents()) {
    InstallWindowEvents(this);
  }
  ~CloseAtPass() override { InstallWindowEvents(previous_); }
  void Arm() { passesLeft_ = static_cast<int>(random_() % 4); }
  void ProcessPending() override {
    if (passesLeft_ >= 0 && passesLeft_-- == 0) CloseOne();
    previous_->ProcessPending();
  }

 private:
  void CloseOne() {
    QList<QWidget*> open;
    for (QWidget* w : QApplication::topLevelWidgets())
      if (qobject_cast<ClientWindow*>(w) && w->isVisible()) open << w;
    if (!open.isEmpty()) open[static_cast<int>(random_() % open.size())]->close();
  }

  std::mt19937& random_;
  WindowEvents* previous_;
  int passesLeft_ = -1;
};

// Chooses `item` of the pop-up on `row`, when the window is still there and
// its menu offers it.
void ChooseIfOffered(QWidget* window, const char* list, const char* menu, int row,
                     const char* item) {
  if (!window) return;
  auto* view = window->findChild<ListView*>(U(list));
  auto* popup = window->findChild<QMenu*>(U(menu));
  if (!view || !popup || row >= view->RowCount()) return;
  if (test::RightClickMenu(view, popup, row).contains(U(item)))
    test::ChooseFromMenu(view, popup, row, item);
}

void Confirm(QWidget* editor) {
  if (auto* ok = editor ? editor->findChild<QWidget*>(U("按钮_确定")) : nullptr)
    QTest::mouseClick(ok, Qt::LeftButton);
}

TEST(InterleavingTest, ClosingWindowsInTheMiddleOfRequests) {
  for (unsigned seed = 0; seed < 100; ++seed) {
    std::mt19937 random(seed);
    test::ServiceEnvironment env;
    test::ScriptedPresenter dialogs;
    const std::string domain = env.service().AddDomain("a.com");
    for (int i = 0; i < 3; ++i) env.service().AddRecord(domain, {.name = "r", .value = "v"});
    CurrentHttpTransport().makeComponent = [] { return std::make_unique<test::LateBody>(); };
    QPointer<MainWindow> main;
    LoadWindow(main, nullptr, false);
    main->findChild<QLineEdit*>(U("编辑框_账号"))->setText(QStringLiteral("user@example.com"));
    main->findChild<QLineEdit*>(U("编辑框_密码"))->setText(QStringLiteral("secret"));
    QTest::mouseClick(main->findChild<QWidget*>(U("按钮_登陆")), Qt::LeftButton);
    State().domainId = domain;
    QPointer<RecordsWindow> records;
    LoadWindow(records, main, false);

    CloseAtPass closer(random);
    const std::function<void()> actions[] = {
        [&] {
          if (main) QTest::mouseClick(main->findChild<QWidget*>(U("按钮_登陆")), Qt::LeftButton);
        },
        [&] { ChooseIfOffered(main, "域名列表", "右键菜单_域名列表", 0, "删除域名"); },
        [&] { ChooseIfOffered(records, "记录列表", "右键菜单_管理域名", 0, "禁用"); },
        [&] { ChooseIfOffered(records, "记录列表", "右键菜单_管理域名", 1, "删除记录"); },
        [&] {
          ChooseIfOffered(records, "记录列表", "右键菜单_管理域名", -1, "添加记录");
          if (records) Confirm(records->findChild<AddRecordWindow*>());
        },
        [&] {
          ChooseIfOffered(records, "记录列表", "右键菜单_管理域名", 0, "修改记录");
          if (records) Confirm(records->findChild<ModifyRecordWindow*>());
        },
        [&] {
          if (records) records->RefreshRecords(domain);
        },
    };
    for (int step = 0; step < 4; ++step) {
      closer.Arm();
      actions[random() % std::size(actions)]();
      QCoreApplication::processEvents();
    }
    delete main.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(records.isNull()) << "seed " << seed;
  }
}

}  // namespace
}  // namespace zonivo
