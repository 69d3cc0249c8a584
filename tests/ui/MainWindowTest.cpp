#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QUrl>

#include "app/AppState.h"
#include "net/CodePage.h"
#include "tests/support/MenuDriver.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/ScriptedPresenter.h"
#include "tests/support/ServiceEnvironment.h"
#include "tests/support/UrlCatcher.h"
#include "ui/MainWindow.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

using sandbox::Reply;
using test::ShownDialog;
using Rows = std::vector<std::vector<std::string>>;

template <typename W>
W* Find(QWidget* root, const char* name) {
  W* found = root->findChild<W*>(QString::fromUtf8(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    LoadWindow(window_, nullptr, false);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
    account_ = Find<QLineEdit>(window_, "编辑框_账号");
    password_ = Find<QLineEdit>(window_, "编辑框_密码");
    list_ = Find<ListView>(window_, "域名列表");
    menu_ = Find<QMenu>(window_, "右键菜单_域名列表");
  }
  void TearDown() override {
    if (menu_) menu_->hide();
    delete window_.data();
  }

  void SignIn(const char* account = "user@example.com", const char* password = "secret") {
    account_->setText(QString::fromUtf8(account));
    password_->setText(QString::fromUtf8(password));
    QTest::mouseClick(Find<QWidget>(window_, "按钮_登陆"), Qt::LeftButton);
  }
  Rows ListRows() const {
    Rows rows;
    for (int r = 0; r < list_->RowCount(); ++r) {
      std::vector<std::string> row;
      for (int c = 0; c < 5; ++c) row.push_back(ToUtf8(list_->ListCell(r, c)));
      rows.push_back(row);
    }
    return rows;
  }
  // Closes the window from the sign-in's own processing of pending events.
  void CloseDuringSignIn();
  QStringList RightClick(int row) { return test::RightClickMenu(list_, menu_, row); }
  void Choose(int row, const char* item) { test::ChooseFromMenu(list_, menu_, row, item); }

  test::ServiceEnvironment env_;
  test::ScriptedPresenter dialogs_;
  QPointer<MainWindow> window_;
  QLineEdit* account_ = nullptr;
  QLineEdit* password_ = nullptr;
  ListView* list_ = nullptr;
  QMenu* menu_ = nullptr;
};

TEST_F(MainWindowTest, LayoutFollowsTheWindowDefinition) {
  EXPECT_EQ(window_->windowTitle(), QString::fromUtf8("Zonivo 客户端   作者Marbeck"));
  EXPECT_EQ(window_->size(), QSize(460, 356));  // outer 466 x 386 less the frame
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window_->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window_->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_EQ(window_->palette().color(QPalette::Window), QColor(0, 136, 255));
  struct Place {
    const char* name;
    QRect geometry;
  };
  const Place places[] = {
      {"图片框_顶部", {0, 0, 469, 85}},        {"透明标签_注册", {392, 56, 64, 24}},
      {"外形框_登陆", {2, 89, 456, 48}},       {"标签_账号", {9, 16, 40, 24}},
      {"编辑框_账号", {49, 16, 128, 24}},      {"标签_密码", {181, 16, 40, 24}},
      {"编辑框_密码", {221, 16, 128, 24}},     {"按钮_登陆", {361, 15, 76, 26}},
      {"外形框_域名列表", {2, 140, 456, 216}}, {"域名列表", {6, 6, 444, 204}},
  };
  for (const Place& p : places)
    EXPECT_EQ(Find<QWidget>(window_, p.name)->geometry(), p.geometry) << p.name;
  EXPECT_EQ(Find<QLabel>(window_, "透明标签_注册")->text(), QString::fromUtf8("注册账号"));
  EXPECT_EQ(Find<QLabel>(window_, "图片框_顶部")->pixmap().deviceIndependentSize(),
            QSizeF(469, 85));
  password_->setText(QStringLiteral("abc"));
  EXPECT_EQ(password_->displayText(), QStringLiteral("***"));
  EXPECT_EQ(account_->palette().color(QPalette::Text), QColor(0, 128, 128));
  EXPECT_EQ(list_->palette().color(QPalette::Text), QColor(0, 96, 192));
  const char* titles[] = {"编号", "域名", "状态", "记录", "group"};
  const int widths[] = {50, 200, 50, 50, 50};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(list_->model()->headerData(c, Qt::Horizontal), QString::fromUtf8(titles[c]));
    EXPECT_EQ(list_->columnWidth(c), widths[c]);
  }
  QStringList items;
  for (QAction* a : menu_->actions()) items << a->text();
  EXPECT_EQ(items, (QStringList{QString::fromUtf8("添加域名"), QString::fromUtf8("管理域名"),
                                QString::fromUtf8("删除域名")}));
}

TEST_F(MainWindowTest, SignInWithAnEmptyFieldDoesNothing) {
  env_.service().AddDomain("a.com");
  SignIn();
  env_.service().ClearRequests();
  SignIn("", "other");
  SignIn("other@example.com", "");
  EXPECT_TRUE(env_.service().Requests().empty());
  EXPECT_TRUE(dialogs_.Shown().empty());
  EXPECT_EQ(State().account, "user@example.com");
  EXPECT_EQ(State().password, "secret");
  EXPECT_EQ(list_->RowCount(), 1);
}

TEST_F(MainWindowTest, SignInListsTheDomainsInAnswerOrder) {
  env_.service().AddDomain("b.com");
  env_.service().AddDomain("例子.中国", "disable");
  SignIn();
  EXPECT_EQ(ListRows(),
            (Rows{{"100", "b.com", "正常", "0", "1"}, {"101", "例子.中国", "暂停", "0", "1"}}));
  EXPECT_TRUE(dialogs_.Shown().empty());
  EXPECT_EQ(State().account, "user@example.com");
}

TEST_F(MainWindowTest, EnterInThePasswordBoxSignsIn) {
  env_.service().AddDomain("a.com");
  account_->setText(QStringLiteral("user@example.com"));
  password_->setText(QStringLiteral("secret"));
  QTest::keyClick(password_, Qt::Key_Return);
  EXPECT_EQ(list_->RowCount(), 1);
}

TEST_F(MainWindowTest, SignInWithoutAnswerSaysSoAndEmptiesCredentials) {
  env_.service().Stop();
  SignIn();
  EXPECT_EQ(dialogs_.Shown(), (std::vector<ShownDialog>{{"登陆失败", 0, "信息："}}));
  EXPECT_EQ(list_->RowCount(), 0);
  EXPECT_TRUE(State().account.empty());
  EXPECT_TRUE(State().password.empty());
}

TEST_F(MainWindowTest, RejectedSignInShowsNothingAndKeepsCredentials) {
  env_.service().AddDomain("a.com");
  SignIn("user@example.com", "wrong");
  EXPECT_TRUE(dialogs_.Shown().empty());
  EXPECT_EQ(list_->RowCount(), 0);
  EXPECT_EQ(State().password, "wrong");
}

TEST_F(MainWindowTest, MenuOffersWhatFitsTheSelection) {
  EXPECT_TRUE(RightClick(-1).isEmpty());  // not signed in
  env_.service().AddDomain("a.com");
  SignIn();
  EXPECT_EQ(RightClick(-1), QStringList{QString::fromUtf8("添加域名")});
  EXPECT_EQ(RightClick(0),
            (QStringList{QString::fromUtf8("管理域名"), QString::fromUtf8("删除域名")}));
  EXPECT_EQ(RightClick(-1), QStringList{QString::fromUtf8("添加域名")});
}

TEST_F(MainWindowTest, AddingADomain) {
  SignIn();
  dialogs_.EnterNext(std::nullopt);
  Choose(-1, "添加域名");
  EXPECT_EQ(env_.service().Requests().size(), 1u);  // the sign-in only
  EXPECT_EQ(dialogs_.Shown(), (std::vector<ShownDialog>{{"提示信息", -1, "添加域名"}}));

  dialogs_.ClearShown();
  dialogs_.EnterNext("新.com");
  Choose(-1, "添加域名");
  EXPECT_EQ(dialogs_.Shown().back(), (ShownDialog{"添加域名成功", 64, "信息"}));
  EXPECT_EQ(ListRows(), (Rows{{"100", "新.com", "正常", "0", "1"}}));

  env_.service().ClearRequests();
  dialogs_.EnterNext("新.com");
  Choose(-1, "添加域名");
  EXPECT_EQ(dialogs_.Shown().back(), (ShownDialog{"域名已存在", 64, "信息"}));
  EXPECT_EQ(env_.service().Requests().size(), 1u);  // no refresh after a failure

  list_->clearSelection();
  env_.service().ClearRequests();
  dialogs_.EnterNext("");  // confirmed empty: sent all the same
  Choose(-1, "添加域名");
  ASSERT_EQ(env_.service().Requests().size(), 1u);
  EXPECT_TRUE(env_.service().Requests()[0].body.ends_with("&format=xml&domain="));
  EXPECT_EQ(dialogs_.Shown().back(), (ShownDialog{"域名无效", 64, "信息"}));
}

TEST_F(MainWindowTest, SuccessfulAddWhoseRefreshGetsNoAnswer) {
  SignIn();
  dialogs_.EnterNext("a.com");
  env_.service().ReplyNext(Reply::Code("1"));
  env_.service().ReplyNext(Reply::Body(""));
  Choose(-1, "添加域名");
  const std::vector<ShownDialog> expected = {
      {"提示信息", -1, "添加域名"}, {"添加域名成功", 64, "信息"}, {"获取域名列表失败", 64, "信息"}};
  EXPECT_EQ(dialogs_.Shown(), expected);
  EXPECT_TRUE(State().account.empty());
}

TEST_F(MainWindowTest, DeletingADomain) {
  env_.service().AddDomain("a.com");
  env_.service().AddDomain("b.com");
  SignIn();
  dialogs_.AnswerNextBox(kNo);
  env_.service().ClearRequests();
  Choose(1, "删除域名");
  EXPECT_EQ(dialogs_.Shown(),
            (std::vector<ShownDialog>{{"您确定要删除域名 b.com 吗?", 4, "询问"}}));
  EXPECT_TRUE(env_.service().Requests().empty());

  dialogs_.ClearShown();
  dialogs_.AnswerNextBox(kYes);
  Choose(1, "删除域名");
  EXPECT_EQ(dialogs_.Shown().back(), (ShownDialog{"删除域名成功", 64, "信息"}));
  const auto requests = env_.service().Requests();
  ASSERT_EQ(requests.size(), 2u);
  EXPECT_EQ(requests[0].Field("domain_id"), "101");
  EXPECT_EQ(requests[1].path, "/Domain.List");
  EXPECT_EQ(ListRows(), (Rows{{"100", "a.com", "正常", "0", "1"}}));
}

TEST_F(MainWindowTest, FailedDeleteShowsTheMessageWithoutRefresh) {
  env_.service().AddDomain("a.com");
  SignIn();
  env_.service().ClearRequests();
  dialogs_.AnswerNextBox(kYes);
  env_.service().ReplyNext(Reply::Code("6"));
  Choose(0, "删除域名");
  EXPECT_EQ(dialogs_.Shown().back(), (ShownDialog{"非域名所有者", 64, "信息"}));
  EXPECT_EQ(env_.service().Requests().size(), 1u);
  EXPECT_EQ(list_->RowCount(), 1);
}

TEST_F(MainWindowTest, RejectedDeleteSignsOut) {
  env_.service().AddDomain("a.com");
  SignIn();
  dialogs_.AnswerNextBox(kYes);
  env_.service().ReplyNext(Reply::Code("-1"));
  Choose(0, "删除域名");
  EXPECT_EQ(dialogs_.Shown().back(), (ShownDialog{"账号验证失败", 64, "信息"}));
  EXPECT_TRUE(State().account.empty());
  EXPECT_TRUE(State().password.empty());
  EXPECT_EQ(list_->RowCount(), 1);  // rows stay until the next refresh
  EXPECT_TRUE(RightClick(0).isEmpty());
}

TEST_F(MainWindowTest, ManagingOpensTheRecordsWindowModallyForTheChosenDomain) {
  env_.service().AddDomain("a.com");
  env_.service().AddDomain("b.com");
  SignIn();
  struct Opening {
    int row;
    const char* id;
    const char* name;
  };
  for (const Opening& o : {Opening{1, "101", "b.com"}, Opening{0, "100", "a.com"}}) {
    QString caption;
    bool modal = false;
    test::WhenModal([&](QWidget* shown) {
      caption = shown->windowTitle();
      modal = qobject_cast<RecordsWindow*>(shown) != nullptr &&
              shown->windowModality() == Qt::ApplicationModal;
      shown->close();
    });
    Choose(o.row, "管理域名");
    EXPECT_TRUE(modal) << o.name;
    EXPECT_EQ(caption, QString::fromUtf8("Zonivo 客户端  -  ") + QString::fromUtf8(o.name));
    EXPECT_EQ(State().domainId, o.id);
    EXPECT_EQ(State().domainName, o.name);
    EXPECT_EQ(list_->RowCount(), 2);
  }
}

TEST_F(MainWindowTest, SignUpLinkOpensTheSignUpPage) {
  test::UrlCatcher browser;
  QTest::mouseClick(Find<QWidget>(window_, "透明标签_注册"), Qt::LeftButton);
  EXPECT_EQ(browser.opened, QList<QUrl>{QUrl(QStringLiteral("http://www.zonivo.com/SignUp/"))});
  EXPECT_TRUE(dialogs_.Shown().empty());
}

TEST_F(MainWindowTest, OverlappingSignInsLeaveNoDuplicatedRows) {
  env_.service().AddDomain("a.com");
  env_.service().AddDomain("b.com");
  account_->setText(QStringLiteral("user@example.com"));
  password_->setText(QStringLiteral("secret"));
  QWidget* button = Find<QWidget>(window_, "按钮_登陆");
  // The second click waits in the queue and runs while the first sign-in
  // processes pending events.
  QMetaObject::invokeMethod(
      button, [button] { QTest::mouseClick(button, Qt::LeftButton); }, Qt::QueuedConnection);
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(env_.service().Requests().size(), 2u);
  EXPECT_EQ(ListRows(),
            (Rows{{"100", "a.com", "正常", "0", "1"}, {"101", "b.com", "正常", "0", "1"}}));
}

TEST_F(MainWindowTest, ClosingDuringASignInDropsTheLateResult) {
  env_.service().Stop();
  CloseDuringSignIn();
}

TEST_F(MainWindowTest, ClosingBeforeTheAnswerArrivesIsHarmless) {
  env_.service().AddDomain("a.com");
  CloseDuringSignIn();
}

void MainWindowTest::CloseDuringSignIn() {
  account_->setText(QStringLiteral("user@example.com"));
  password_->setText(QStringLiteral("secret"));
  QPointer<MainWindow> window = window_;
  QMetaObject::invokeMethod(
      window_, [window] { window->close(); }, Qt::QueuedConnection);
  QTest::mouseClick(Find<QWidget>(window_, "按钮_登陆"), Qt::LeftButton);
  EXPECT_TRUE(dialogs_.Shown().empty());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
  menu_ = nullptr;
}

}  // namespace
}  // namespace zonivo
