#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "api/RecordList.h"
#include "net/CodePage.h"
#include "tests/support/MenuDriver.h"
#include "tests/support/ModalHelper.h"
#include "tests/support/ScriptedPresenter.h"
#include "tests/support/ServiceEnvironment.h"
#include "ui/AddRecordWindow.h"
#include "ui/MainWindow.h"
#include "ui/ModifyRecordWindow.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/ComboBox.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using test::ShownDialog;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename W>
W* Child(QWidget* window, const char* name) {
  W* found = window->findChild<W*>(U(name));
  EXPECT_NE(found, nullptr) << name;
  return found;
}

// Host name, line, value, type and state of every row.
Rows Records(const ListView* list) {
  Rows rows;
  for (int r = 0; r < list->RowCount(); ++r) {
    std::vector<std::string> row;
    for (int c : {kRecordName, kRecordLine, kRecordValue, kRecordType, kRecordState})
      row.push_back(ToUtf8(list->ListCell(r, c)));
    rows.push_back(row);
  }
  return rows;
}

// Fills the open editor and confirms it; lets it close.
void FillAndConfirm(QWidget* editor, const char* host, const char* line, const char* value) {
  Child<QLineEdit>(editor, "编辑框_主机名")->setText(U(host));
  auto* lines = Child<ComboBox>(editor, "组合框_线路");
  lines->setCurrentIndex(lines->findText(U(line)));
  emit lines->activated(lines->currentIndex());
  Child<QLineEdit>(editor, "编辑框_记录值")->setText(U(value));
  QTest::mouseClick(Child<QWidget>(editor, "按钮_确定"), Qt::LeftButton);
  QCoreApplication::processEvents();
}

TEST(EndToEndTest, ARecordFromAddingToRemovingThroughTheWindows) {
  test::ServiceEnvironment env;
  test::ScriptedPresenter dialogs;
  env.service().AddDomain("例子.com");
  QPointer<MainWindow> main;
  LoadWindow(main, nullptr, false);
  Child<QLineEdit>(main, "编辑框_账号")->setText(QStringLiteral("user@example.com"));
  Child<QLineEdit>(main, "编辑框_密码")->setText(QStringLiteral("secret"));
  QTest::mouseClick(Child<QWidget>(main, "按钮_登陆"), Qt::LeftButton);

  std::vector<Rows> seen;
  test::WhenModal([&](QWidget* shown) {
    auto* list = Child<ListView>(shown, "记录列表");
    auto* menu = Child<QMenu>(shown, "右键菜单_管理域名");
    const auto step = [&](int row, const char* item) {
      test::ChooseFromMenu(list, menu, row, item);
      QCoreApplication::processEvents();
    };
    seen.push_back(Records(list));
    step(-1, "添加记录");
    FillAndConfirm(shown->findChild<AddRecordWindow*>(), "www", "电信", "1.2.3.4");
    seen.push_back(Records(list));
    step(0, "修改记录");
    FillAndConfirm(shown->findChild<ModifyRecordWindow*>(), "web", "联通", "5.6.7.8");
    seen.push_back(Records(list));
    step(0, "禁用");
    seen.push_back(Records(list));
    step(0, "启用");
    seen.push_back(Records(list));
    dialogs.AnswerNextBox(kYes);
    step(0, "删除记录");
    seen.push_back(Records(list));
    shown->close();
  });
  test::ChooseFromMenu(Child<ListView>(main, "域名列表"), Child<QMenu>(main, "右键菜单_域名列表"),
                       0, "管理域名");

  const Rows none;
  const std::vector<Rows> expected = {none,
                                      {{"www", "电信", "1.2.3.4", "A", "正常"}},
                                      {{"web", "联通", "5.6.7.8", "A", "正常"}},
                                      {{"web", "联通", "5.6.7.8", "A", "禁用"}},
                                      {{"web", "联通", "5.6.7.8", "A", "正常"}},
                                      none};
  EXPECT_EQ(seen, expected);
  const std::vector<ShownDialog> messages = {{"添加记录成功", 64, "信息"},
                                             {"修改记录成功", 64, "信息"},
                                             {"设置状态成功", 64, "信息"},
                                             {"设置状态成功", 64, "信息"},
                                             {"您确定删除 A 记录 web 吗?", 4, "询问"},
                                             {"删除记录成功", 64, "信息"}};
  EXPECT_EQ(dialogs.Shown(), messages);
  EXPECT_TRUE(main->isEnabled());
  delete main.data();
}

}  // namespace
}  // namespace zonivo
