#include <gtest/gtest.h>

#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTimer>
#include <functional>
#include <utility>

#include "api/DomainList.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "net/HttpRequest.h"
#include "net/WindowEvents.h"
#include "tests/support/LateBody.h"
#include "tests/support/MenuDriver.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/ScriptedPresenter.h"
#include "tests/support/ServiceEnvironment.h"
#include "tests/ui/RecordsFixture.h"
#include "ui/AddRecordWindow.h"
#include "ui/MainWindow.h"
#include "ui/ModifyRecordWindow.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/GuardedListTarget.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

using sandbox::Reply;
using test::ShownDialog;
using Dialogs = std::vector<ShownDialog>;
using test::AtNextPass;
using test::CloseRecordsWindow;
using test::Items;
using test::U;

class RecordsWindowTest : public test::RecordsFixture {
 protected:
  std::vector<std::string> CloseWhileWaiting(const char* item);
};

TEST_F(RecordsWindowTest, LayoutFollowsTheWindowDefinition) {
  Open();
  EXPECT_EQ(window_->windowTitle(), U("Zonivo 客户端  -  例子.com"));
  EXPECT_EQ(window_->OuterSize(), QSize(622, 465));
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_EQ(window_->palette().color(QPalette::Window), QColor(0, 136, 255));
  const std::pair<const char*, QRect> places[] = {{"图片框_顶部", {0, 0, 616, 100}},
                                                  {"外形框_管理域名", {2, 103, 612, 332}},
                                                  {"记录列表", {6, 6, 600, 320}}};
  for (const auto& [name, place] : places)
    EXPECT_EQ(window_->findChild<QWidget*>(U(name))->geometry(), place) << name;
  EXPECT_EQ(window_->findChild<QLabel*>(U("图片框_顶部"))->pixmap().deviceIndependentSize(),
            QSizeF(616, 100));
  const char* titles[] = {"编号",     "线路",     "主机名", "记录值",
                          "记录类型", "MX优先级", "TTL",    "状态"};
  const int widths[] = {50, 60, 60, 180, 60, 66, 50, 50};
  for (int c = 0; c < 8; ++c) {
    EXPECT_EQ(list_->model()->headerData(c, Qt::Horizontal, Qt::DisplayRole), U(titles[c]));
    EXPECT_EQ(list_->columnWidth(c), widths[c]);
  }
  QStringList items;
  for (QAction* a : menu_->actions()) items << a->text();
  EXPECT_EQ(items, Items({"修改记录", "添加记录", "删除记录", "禁用", "启用"}));
  EXPECT_TRUE(dialogs_.Shown().empty());
}

TEST_F(RecordsWindowTest, ListsTheRecordsInTheListOrder) {
  Open();
  EXPECT_EQ(Column(0), (std::vector<std::string>{"101", "103", "102"}));
  EXPECT_EQ(Column(1), (std::vector<std::string>{"默认", "电信", "默认"}));
  EXPECT_EQ(Column(3), (std::vector<std::string>{"1.1.1.1", "2.2.2.2", "mx.例子.com"}));
  EXPECT_EQ(Column(7), (std::vector<std::string>{"正常", "正常", "禁用"}));
  EXPECT_EQ(env_.service().Requests()[0].Field("domain_id"), domain_);
}

TEST_F(RecordsWindowTest, CaptionWithAnEmptyDomainNameIsThePrefix) {
  State().domainName.clear();
  Open();
  EXPECT_EQ(window_->windowTitle(), U("Zonivo 客户端  -  "));
}

TEST_F(RecordsWindowTest, AFailedFetchOnOpeningSaysSoOnceAndTheWindowStays) {
  env_.service().ReplyNext(Reply::Code("6"));
  Open();
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"获取记录列表失败", 64, "信息"}}));
  EXPECT_TRUE(window_->isVisible());
  EXPECT_EQ(list_->RowCount(), 0);
  EXPECT_TRUE(State().account.empty());
}

TEST_F(RecordsWindowTest, MenuOffersWhatFitsTheRow) {
  Open();
  EXPECT_EQ(RightClick(0), Items({"修改记录", "删除记录", "禁用"}));
  EXPECT_EQ(RightClick(2), Items({"修改记录", "删除记录", "启用"}));
  EXPECT_EQ(RightClick(-1), Items({"添加记录"}));
  ClearCredentials(State());  // the menu does not look at the credentials
  EXPECT_EQ(RightClick(1), Items({"修改记录", "删除记录", "禁用"}));
}

TEST_F(RecordsWindowTest, RemovalAsksAboutTheChosenRecord) {
  Open();
  Paths();
  dialogs_.AnswerNextBox(kNo);
  Choose(2, "删除记录");
  dialogs_.AnswerNextBox(kNo);
  Choose(1, "删除记录");
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"您确定删除 MX 记录 mail 吗?", 4, "询问"},
                                       {"您确定删除 A 记录  吗?", 4, "询问"}}));
  EXPECT_TRUE(Paths().empty());

  dialogs_.ClearShown();
  dialogs_.AnswerNextBox(kYes);
  Choose(2, "删除记录");
  EXPECT_EQ(dialogs_.Shown().back(), (ShownDialog{"删除记录成功", 64, "信息"}));
  EXPECT_EQ(env_.service().Requests()[0].Field("record_id"), "102");
  EXPECT_EQ(Paths(), (std::vector<std::string>{"/Record.Remove", "/Record.List"}));
  EXPECT_EQ(Column(0), (std::vector<std::string>{"101", "103"}));
}

TEST_F(RecordsWindowTest, SuccessfulRemovalWhoseFetchFailsShowsBothBoxes) {
  Open();
  dialogs_.AnswerNextBox(kYes);
  env_.service().ReplyNext(Reply::Code("1"));
  env_.service().ReplyNext(Reply::Body(""));
  Choose(0, "删除记录");
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"您确定删除 A 记录 www 吗?", 4, "询问"},
                                       {"删除记录成功", 64, "信息"},
                                       {"获取记录列表失败", 64, "信息"}}));
  EXPECT_EQ(list_->RowCount(), 0);
  EXPECT_FALSE(State().account.empty());  // no answer keeps them
}

TEST_F(RecordsWindowTest, StatusChangesSendTheChosenRowsId) {
  Open();
  Paths();
  Choose(1, "禁用");  // row 1 holds the third record of the answer
  EXPECT_EQ(env_.service().Requests()[0].Field("record_id"), "103");
  EXPECT_EQ(env_.service().Requests()[0].Field("status"), "disable");
  EXPECT_EQ(Paths(), (std::vector<std::string>{"/Record.Status", "/Record.List"}));
  EXPECT_EQ(Column(7), (std::vector<std::string>{"正常", "禁用", "禁用"}));
  Choose(2, "启用");
  EXPECT_EQ(env_.service().Requests()[0].Field("record_id"), "102");
  EXPECT_EQ(env_.service().Requests()[0].Field("status"), "enable");
  EXPECT_EQ(Column(7), (std::vector<std::string>{"正常", "禁用", "正常"}));
  EXPECT_EQ(dialogs_.Shown(),
            (Dialogs{{"设置状态成功", 64, "信息"}, {"设置状态成功", 64, "信息"}}));
}

TEST_F(RecordsWindowTest, AFailedStatusChangeIsShownWithoutAFetch) {
  Open();
  Paths();
  env_.service().ReplyNext(Reply::Code("7"));
  Choose(0, "禁用");
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"记录不存在", 64, "信息"}}));
  EXPECT_EQ(Paths(), (std::vector<std::string>{"/Record.Status"}));
  EXPECT_EQ(list_->RowCount(), 3);
}

TEST_F(RecordsWindowTest, EditorsGetTheirContextAndOpenOwnedAndNotModal) {
  Open();
  State().domainId = domain_;
  Choose(2, "修改记录");
  EXPECT_EQ(State().editDomainId, domain_);
  EXPECT_EQ(State().editRecordId, "102");
  EXPECT_EQ(State().editRow, 2);
  auto* modify = window_->findChild<ModifyRecordWindow*>();
  ASSERT_NE(modify, nullptr);
  EXPECT_EQ(modify->windowTitle(), U("修改记录"));
  EXPECT_EQ(modify->windowModality(), Qt::NonModal);
  EXPECT_TRUE(modify->isVisible());
  modify->showMinimized();
  Choose(0, "修改记录");
  EXPECT_EQ(window_->findChildren<ModifyRecordWindow*>().size(), 1);
  EXPECT_FALSE(modify->isMinimized());
  EXPECT_EQ(State().editRecordId, "101");

  Choose(-1, "添加记录");
  EXPECT_EQ(State().addDomainId, domain_);
  auto* add = window_->findChild<AddRecordWindow*>();
  ASSERT_NE(add, nullptr);
  EXPECT_EQ(add->windowTitle(), U("添加记录"));
  EXPECT_EQ(add->windowModality(), Qt::NonModal);
  QPointer<AddRecordWindow> owned(add);
  window_->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(owned.isNull());
}

TEST_F(RecordsWindowTest, ClosingWhileTheFetchOnOpeningWaitsDropsItsResult) {
  env_.service().ReplyNext(Reply::Code("6"));  // would say "获取记录列表失败"
  const AtNextPass closing(CloseRecordsWindow);
  Open();
  EXPECT_TRUE(dialogs_.Shown().empty());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_.isNull());
}

// Chooses `item` on row 0 and closes the window while the command's request
// waits; returns the paths of the requests made.
std::vector<std::string> RecordsWindowTest::CloseWhileWaiting(const char* item) {
  Open();
  Paths();
  CurrentHttpTransport().makeComponent = [] { return std::make_unique<test::LateBody>(); };
  const AtNextPass closing(CloseRecordsWindow);
  // Chosen from a running event loop, as a click is: the closed window is then
  // deleted only once control is back in that loop.
  QEventLoop loop;
  QTimer::singleShot(0, &loop, [&] {
    Choose(0, item);
    loop.quit();
  });
  loop.exec();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window_.isNull());
  return Paths();
}

TEST_F(RecordsWindowTest, ClosingWhileARemovalWaitsDropsItsResult) {
  dialogs_.AnswerNextBox(kYes);
  EXPECT_EQ(CloseWhileWaiting("删除记录"), std::vector<std::string>{"/Record.Remove"});
  EXPECT_EQ(dialogs_.Shown(), (Dialogs{{"您确定删除 A 记录 www 吗?", 4, "询问"}}));
}

TEST_F(RecordsWindowTest, ClosingWhileAStatusChangeWaitsDropsItsResult) {
  EXPECT_EQ(CloseWhileWaiting("禁用"), std::vector<std::string>{"/Record.Status"});
  EXPECT_TRUE(dialogs_.Shown().empty());
}

TEST_F(RecordsWindowTest, OpenedFromTheMainWindowItBlocksItUntilClosed) {
  QPointer<MainWindow> main;
  LoadWindow(main, nullptr, false);
  ListView* domains = main->findChild<ListView*>(U("域名列表"));
  auto* menu = main->findChild<QMenu*>(U("右键菜单_域名列表"));
  GuardedListTarget list(domains);
  ASSERT_TRUE(RefreshDomainList(list));
  bool disabledDuringCreation = false;
  const AtNextPass closing([&] {
    disabledDuringCreation = !main->isEnabled();
    CloseRecordsWindow();
  });
  test::ChooseFromMenu(domains, menu, 0, "管理域名");
  EXPECT_TRUE(disabledDuringCreation);
  EXPECT_TRUE(main->isEnabled());
  EXPECT_EQ(domains->RowCount(), 1);
  EXPECT_TRUE(dialogs_.Shown().empty());
  menu->hide();
  delete main.data();
}

}  // namespace
}  // namespace zonivo
