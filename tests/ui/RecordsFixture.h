#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/AppState.h"
#include "net/CodePage.h"
#include "net/WindowEvents.h"
#include "tests/support/MenuDriver.h"
#include "tests/support/ScriptedPresenter.h"
#include "tests/support/ServiceEnvironment.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/WindowLoading.h"

// What the tests of the records window and of its editors share: a signed-in
// stand-in account whose domain "例子.com" holds three records, listed as
// 101 (www, A), 103 (empty host, 电信) and 102 (mail, MX 10, disabled).
namespace zonivo::test {

inline QString U(const char* utf8) { return QString::fromUtf8(utf8); }

inline QStringList Items(std::initializer_list<const char*> utf8) {
  QStringList items;
  for (const char* item : utf8) items << U(item);
  return items;
}

inline void CloseRecordsWindow() {
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<RecordsWindow*>(w)) w->close();
}

// Runs `act` at the next processing of pending events by the service layers
// (before a list request, or in a pause of a request), then processes them.
class AtNextPass final : public WindowEvents {
 public:
  explicit AtNextPass(std::function<void()> act)
      : act_(std::move(act)), previous_(InstalledWindowEvents()) {
    InstallWindowEvents(this);
  }
  ~AtNextPass() override { InstallWindowEvents(previous_); }
  void ProcessPending() override {
    if (auto act = std::exchange(act_, nullptr)) act();
    previous_->ProcessPending();
  }

 private:
  std::function<void()> act_;
  WindowEvents* previous_;
};

class RecordsFixture : public testing::Test {
 protected:
  void SetUp() override {
    domain_ = env_.service().AddDomain("例子.com");
    env_.service().AddRecord(domain_, {.name = "www", .value = "1.1.1.1"});
    env_.service().AddRecord(
        domain_,
        {.name = "mail", .type = "MX", .value = "mx.例子.com", .mx = "10", .enabled = "0"});
    env_.service().AddRecord(domain_, {.name = "", .line = "电信", .value = "2.2.2.2"});
    env_.SignIn();
    State().domainId = domain_;
    State().domainName = FromUtf8("例子.com");
  }
  void TearDown() override {
    if (menu_) menu_->hide();
    delete window_.data();
  }

  // Opens the window as the main window would, but without the modal wait.
  void Open() {
    LoadWindow(window_, nullptr, false);
    ASSERT_TRUE(window_);
    list_ = window_->findChild<ListView*>(U("记录列表"));
    menu_ = window_->findChild<QMenu*>(U("右键菜单_管理域名"));
    ASSERT_TRUE(list_ && menu_);
  }
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> cells;
    for (int r = 0; r < list_->RowCount(); ++r) cells.push_back(ToUtf8(list_->ListCell(r, column)));
    return cells;
  }
  QStringList RightClick(int row) { return RightClickMenu(list_, menu_, row); }
  bool Choose(int row, const char* item) { return ChooseFromMenu(list_, menu_, row, item); }
  // The requests since the last call, by path.
  std::vector<std::string> Paths() {
    std::vector<std::string> paths;
    for (const auto& r : env_.service().Requests()) paths.push_back(r.path);
    env_.service().ClearRequests();
    return paths;
  }

  ServiceEnvironment env_;
  ScriptedPresenter dialogs_;
  std::string domain_;
  QPointer<RecordsWindow> window_;
  ListView* list_ = nullptr;
  QPointer<QMenu> menu_;
};

}  // namespace zonivo::test
