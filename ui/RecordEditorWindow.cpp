#include "ui/RecordEditorWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <iterator>

#include "net/CodePage.h"
#include "ui/RecordsWindow.h"
#include "ui/YellowButton.h"
#include "ui/toolkit/ComboBox.h"
#include "ui/toolkit/CommandTail.h"
#include "ui/toolkit/Controls.h"
#include "ui/toolkit/IntegerEdit.h"
#include "ui/toolkit/PictureButton.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

constexpr QSize kOuterSize(452, 128);
constexpr int kMxItem = 2;

std::vector<Text> Items(std::initializer_list<const char*> utf8) {
  std::vector<Text> items;
  for (const char* item : utf8) items.push_back(FromUtf8(item));
  return items;
}

}  // namespace

RecordEditorWindow::RecordEditorWindow(QWidget* parent, const char* captionUtf8, int lineX)
    : ClientWindow(parent, kOuterSize), owner_(qobject_cast<RecordsWindow*>(parent)) {
  SetCaption(this, FromUtf8(captionUtf8));
  QFrame* frame = MakeFrame(this, "外形框_添加记录", {2, 2, 442, 62});
  QLabel* const labels[] = {MakeLabel(frame, "标签_主机名", {14, 8, 48, 24}, "主机名"),
                            MakeLabel(frame, "标签_线路", {85, 8, 48, 24}, "线路"),
                            MakeLabel(frame, "标签_记录值", {173, 8, 48, 24}, "记录值"),
                            MakeLabel(frame, "标签_记录类型", {257, 8, 56, 24}, "记录类型"),
                            MakeLabel(frame, "标签_MX优先级", {323, 8, 64, 24}, "MX优先级"),
                            MakeLabel(frame, "标签_TTL", {391, 8, 40, 24}, "TTL")};
  host_ = MakeEditBox(frame, "编辑框_主机名", {8, 32, 60, 20});
  line_ = MakeComboBox(frame, "组合框_线路", {lineX, 32, 72, 21},
                       Items({"默认", "电信", "联通", "教育网", "搜索引擎", "移动", "铁通", "国外",
                              "百度", "Google", "有道", "必应", "搜搜", "搜狗"}));
  value_ = MakeEditBox(frame, "编辑框_记录值", {150, 32, 96, 20});
  type_ = MakeComboBox(frame, "组合框_记录类型", {251, 32, 72, 21},
                       Items({"A", "CNAME", "MX", "URL", "NS", "TXT", "AAAA"}));
  mx_ = MakeIntegerEdit(frame, "编辑框_MX优先级", {327, 32, 57, 20});
  ttl_ = MakeIntegerEdit(frame, "编辑框_TTL", {390, 32, 44, 20});
  QWidget* const fields[] = {host_, line_, value_, type_, mx_, ttl_};
  for (std::size_t i = 0; i < std::size(fields); ++i) labels[i]->setBuddy(fields[i]);
  ok_ = MakeYellowButton(this, "按钮_确定", {136, 70, 76, 26}, "确定");
  cancel_ = MakeYellowButton(this, "按钮_取消", {240, 70, 76, 26}, "取消");
}

RecordsWindow* RecordEditorWindow::Owner() const { return owner_; }

void RecordEditorWindow::ApplyMxDefault() {
  SetEditText(mx_, type_->ComboCurrentIndex() == kMxItem ? "1" : "0");
}

RecordFields RecordEditorWindow::ReadFields() const {
  return {type_->ComboItemText(type_->ComboCurrentIndex()),
          line_->ComboItemText(line_->ComboCurrentIndex()),
          EditText(host_),
          EditText(value_),
          EditText(mx_),
          EditText(ttl_)};
}

void RecordEditorWindow::Confirm(const std::function<Text(const RecordFields&)>& send,
                                 const char* successUtf8, const Text& domainId) {
  confirming_ = true;
  hide();
  const RecordFields fields = ReadFields();
  const auto refresh = [owner = owner_, domainId] {
    return owner && owner->RefreshRecords(domainId);
  };
  if (RunCommand(this, [&send, &fields] { return send(fields); },
                 {successUtf8, refresh, "获取记录列表失败"}))
    UnloadWindow(this);
}

}  // namespace zonivo
