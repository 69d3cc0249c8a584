#include "ui/RecordsWindow.h"

#include <QMenu>

#include "api/Commands.h"
#include "api/RecordList.h"
#include "api/ResultMessages.h"
#include "app/AppState.h"
#include "net/CodePage.h"
#include "ui/AddRecordWindow.h"
#include "ui/ModifyRecordWindow.h"
#include "ui/Pictures.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/DialogPresenter.h"
#include "ui/toolkit/GuardedListTarget.h"
#include "ui/toolkit/PopupMenu.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

constexpr QSize kOuterSize(622, 465);
enum RecordMenuItem { kModifyItem = 0, kAddItem, kDeleteItem, kDisableItem, kEnableItem };
constexpr const char* kRefreshFailed = "获取记录列表失败";

// An editor whose confirmation is under way closes by itself; the next
// request for that editor opens a new one.
template <typename W>
void ForgetConfirming(QPointer<W>& editor) {
  if (editor && editor->Confirming()) editor.clear();
}

}  // namespace

RecordsWindow::RecordsWindow(QWidget* parent) : ClientWindow(parent, kOuterSize) {
  setObjectName(QStringLiteral("RecordsWindow"));
  SetCaption(this, FromUtf8("Zonivo 客户端   -   域名管理   作者Marbeck"));
  MakePictureBox(this, "图片框_顶部", {0, 0, 616, 100}, HeaderBanner({616, 100}));
  BuildRecordList();
}

void RecordsWindow::BuildRecordList() {
  QFrame* frame = MakeFrame(this, "外形框_管理域名", {2, 103, 612, 332});
  records_ = MakeListView(frame, "记录列表", {6, 6, 600, 320}, "记录列表",
                          {{FromUtf8("编号"), 50},
                           {FromUtf8("线路"), 60},
                           {FromUtf8("主机名"), 60},
                           {FromUtf8("记录值"), 180},
                           {FromUtf8("记录类型"), 60},
                           {FromUtf8("MX优先级"), 66},
                           {FromUtf8("TTL"), 50},
                           {FromUtf8("状态"), 50}});
  connect(records_, &ListView::RightClicked, this, &RecordsWindow::OnRecordListRightClick);
  menu_ = MakePopupMenu(this, "右键菜单_管理域名",
                        {FromUtf8("修改记录"), FromUtf8("添加记录"), FromUtf8("删除记录"),
                         FromUtf8("禁用"), FromUtf8("启用")});
  connect(MenuItem(menu_, kModifyItem), &QAction::triggered, this, &RecordsWindow::OnModifyRecord);
  connect(MenuItem(menu_, kAddItem), &QAction::triggered, this, &RecordsWindow::OnAddRecord);
  connect(MenuItem(menu_, kDeleteItem), &QAction::triggered, this, &RecordsWindow::OnDeleteRecord);
  connect(MenuItem(menu_, kDisableItem), &QAction::triggered, this,
          &RecordsWindow::OnDisableRecord);
  connect(MenuItem(menu_, kEnableItem), &QAction::triggered, this, &RecordsWindow::OnEnableRecord);
}

bool RecordsWindow::RefreshRecords(const Text& domainId) {
  GuardedListTarget list(records_);
  return RefreshRecordList(list, domainId);
}

Text RecordsWindow::RecordCell(int row, int column) const {
  return records_->ListCell(row, column);
}

void RecordsWindow::OnCreated() {
  SetCaption(this, FromUtf8("Zonivo 客户端  -  ") + State().domainName);
  const QPointer<RecordsWindow> self(this);
  if (!RefreshRecords(State().domainId) && self && self->IsOpen())
    ShowInformation(FromUtf8(kRefreshFailed));
}

void RecordsWindow::OnRecordListRightClick() {
  const int row = records_->ListCurrentRow();
  const bool selected = row != -1;
  const bool disabled = selected && records_->ListCell(row, kRecordState) == FromUtf8("禁用");
  SetItemVisible(MenuItem(menu_, kAddItem), !selected);
  SetItemVisible(MenuItem(menu_, kModifyItem), selected);
  SetItemVisible(MenuItem(menu_, kDeleteItem), selected);
  SetItemVisible(MenuItem(menu_, kDisableItem), selected && !disabled);
  SetItemVisible(MenuItem(menu_, kEnableItem), selected && disabled);
  ShowPopupMenu(menu_, records_->PopupPlace());
}

void RecordsWindow::OnModifyRecord() {
  const int row = records_->ListCurrentRow();
  if (row < 0) return;
  AppState& state = State();
  state.editDomainId = state.domainId;
  state.editRecordId = records_->ListCell(row, kRecordId);
  state.editRow = row;
  ForgetConfirming(modifyWindow_);
  // An open editor takes the newly chosen record, fields and id together.
  if (modifyWindow_ && modifyWindow_->IsOpen()) modifyWindow_->FillFromContext();
  LoadWindow(modifyWindow_, this, false);
}

void RecordsWindow::OnAddRecord() {
  State().addDomainId = State().domainId;
  ForgetConfirming(addWindow_);
  LoadWindow(addWindow_, this, false);
}

void RecordsWindow::OnDeleteRecord() {
  const int row = records_->ListCurrentRow();
  if (row < 0) return;
  // The cells are read before the question, so the id sent is the one of the
  // record named in it.
  const Text type = records_->ListCell(row, kRecordType);
  const Text host = records_->ListCell(row, kRecordName);
  const Text id = records_->ListCell(row, kRecordId);
  const Text question =
      FromUtf8("您确定删除 ") + type + FromUtf8(" 记录 ") + host + FromUtf8(" 吗?");
  if (ShowMessageBox(question, kYesNo, FromUtf8("询问")) == kNo) return;
  RunCommand(
      this, [&id] { return RemoveRecord(State().domainId, id); },
      RefreshRecordsAfter(message::kRecordRemoved));
}

void RecordsWindow::OnDisableRecord() { SetStatus("disable"); }

void RecordsWindow::OnEnableRecord() { SetStatus("enable"); }

void RecordsWindow::SetStatus(const char* status) {
  const int row = records_->ListCurrentRow();
  if (row < 0) return;
  const Text id = records_->ListCell(row, kRecordId);
  RunCommand(
      this, [&id, status] { return SetRecordStatus(State().domainId, id, status); },
      RefreshRecordsAfter(message::kStatusSet));
}

RefreshAfterSuccess RecordsWindow::RefreshRecordsAfter(const char* successUtf8) {
  return {successUtf8, [this] { return RefreshRecords(State().domainId); }, kRefreshFailed};
}

}  // namespace zonivo
