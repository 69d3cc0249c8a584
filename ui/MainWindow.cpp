#include "ui/MainWindow.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QUrl>

#include "api/Commands.h"
#include "api/DomainList.h"
#include "api/ResultMessages.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "ui/Pictures.h"
#include "ui/RecordsWindow.h"
#include "ui/YellowButton.h"
#include "ui/toolkit/CommandTail.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/DialogPresenter.h"
#include "ui/toolkit/GuardedListTarget.h"
#include "ui/toolkit/LinkLabel.h"
#include "ui/toolkit/PictureButton.h"
#include "ui/toolkit/PopupMenu.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

constexpr const char* kSignUpUrl = "http://www.zonivo.com/SignUp/";
constexpr QSize kOuterSize(466, 386);
enum DomainMenuItem { kAddItem = 0, kManageItem = 1, kDeleteItem = 2 };

}  // namespace

MainWindow::MainWindow(QWidget* parent) : ClientWindow(parent, kOuterSize) {
  setObjectName(QStringLiteral("MainWindow"));
  // Every window of the program carries the program's icon.
  QApplication::setWindowIcon(ProgramIcon());
  SetCaption(this, FromUtf8("Zonivo 客户端   作者Marbeck"));
  BuildHeader();
  BuildSignIn();
  BuildDomainList();
}

void MainWindow::BuildHeader() {
  QLabel* header = MakePictureBox(this, "图片框_顶部", {0, 0, 469, 85}, HeaderBanner({469, 85}));
  LinkLabel* signUp = MakeLinkLabel(header, "透明标签_注册", {392, 56, 64, 24}, "注册账号");
  connect(signUp, &LinkLabel::LeftPressed, this, &MainWindow::OnSignUp);
}

void MainWindow::BuildSignIn() {
  QFrame* frame = MakeFrame(this, "外形框_登陆", {2, 89, 456, 48});
  QLabel* accountLabel = MakeLabel(frame, "标签_账号", {9, 16, 40, 24}, "账号:");
  account_ = MakeEditBox(frame, "编辑框_账号", {49, 16, 128, 24});
  accountLabel->setBuddy(account_);
  QLabel* passwordLabel = MakeLabel(frame, "标签_密码", {181, 16, 40, 24}, "密码:");
  password_ = MakeEditBox(frame, "编辑框_密码", {221, 16, 128, 24}, true);
  passwordLabel->setBuddy(password_);
  PictureButton* signIn = MakeYellowButton(frame, "按钮_登陆", {361, 15, 76, 26}, "登录");
  connect(signIn, &PictureButton::clicked, this, &MainWindow::OnSignIn);
  connect(password_, &QLineEdit::returnPressed, this, &MainWindow::OnSignIn);
}

void MainWindow::BuildDomainList() {
  QFrame* frame = MakeFrame(this, "外形框_域名列表", {2, 140, 456, 216});
  domains_ = MakeListView(frame, "域名列表", {6, 6, 444, 204}, "域名列表",
                          {{FromUtf8("编号"), 50},
                           {FromUtf8("域名"), 200},
                           {FromUtf8("状态"), 50},
                           {FromUtf8("记录"), 50},
                           {FromUtf8("group"), 50}});
  connect(domains_, &ListView::RightClicked, this, &MainWindow::OnDomainListRightClick);
  menu_ = MakePopupMenu(this, "右键菜单_域名列表",
                        {FromUtf8("添加域名"), FromUtf8("管理域名"), FromUtf8("删除域名")});
  connect(MenuItem(menu_, kAddItem), &QAction::triggered, this, &MainWindow::OnAddDomain);
  connect(MenuItem(menu_, kManageItem), &QAction::triggered, this, &MainWindow::OnManageDomain);
  connect(MenuItem(menu_, kDeleteItem), &QAction::triggered, this, &MainWindow::OnDeleteDomain);
}

void MainWindow::OnSignIn() {
  const Text account = EditText(account_);
  Text password = EditText(password_);
  const bool complete = !account.empty() && !password.empty();
  if (complete) {
    State().account = account;
    StorePassword(State(), password);
  }
  // The handler's copy is wiped; the edit box keeps its own text.
  WipeText(password);
  if (!complete) return;
  const QPointer<MainWindow> self(this);
  GuardedListTarget list(domains_);
  if (!RefreshDomainList(list) && self && self->IsOpen())
    ShowMessageBox(FromUtf8("登陆失败"), kOkOnly);
}

void MainWindow::OnDomainListRightClick() {
  if (State().account.empty()) return;
  const bool selected = domains_->ListCurrentRow() != -1;
  SetItemVisible(MenuItem(menu_, kAddItem), !selected);
  SetItemVisible(MenuItem(menu_, kManageItem), selected);
  SetItemVisible(MenuItem(menu_, kDeleteItem), selected);
  ShowPopupMenu(menu_, domains_->PopupPlace());
}

void MainWindow::OnAddDomain() {
  const std::optional<Text> domain = ShowInputBox(FromUtf8("提示信息"), FromUtf8("添加域名"));
  if (!domain) return;
  RunCommand(
      this, [&domain] { return CreateDomain(*domain); },
      RefreshDomainsAfter(message::kDomainAdded));
}

void MainWindow::OnManageDomain() {
  const int row = domains_->ListCurrentRow();
  if (row < 0) return;
  State().domainId = domains_->ListCell(row, 0);
  State().domainName = domains_->ListCell(row, 1);
  LoadWindow(records_, this, true);
}

void MainWindow::OnDeleteDomain() {
  const int row = domains_->ListCurrentRow();
  if (row < 0) return;
  // Both cells are read before the question, so the id sent is the one of
  // the domain named in it.
  const Text name = domains_->ListCell(row, 1);
  const Text id = domains_->ListCell(row, 0);
  const Text question = FromUtf8("您确定要删除域名 ") + name + FromUtf8(" 吗?");
  if (ShowMessageBox(question, kYesNo, FromUtf8("询问")) == kNo) return;
  RunCommand(
      this, [&id] { return RemoveDomain(id); }, RefreshDomainsAfter(message::kDomainRemoved));
}

void MainWindow::OnSignUp() { QDesktopServices::openUrl(QUrl(QString::fromUtf8(kSignUpUrl))); }

RefreshAfterSuccess MainWindow::RefreshDomainsAfter(const char* successUtf8) {
  return {successUtf8,
          [list = GuardedListTarget(domains_)]() mutable { return RefreshDomainList(list); },
          "获取域名列表失败"};
}

}  // namespace zonivo
