#include <gtest/gtest.h>

#include <QAccessible>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "net/HttpRequest.h"
#include "tests/ui/RecordsFixture.h"
#include "ui/AddRecordWindow.h"
#include "ui/MainWindow.h"
#include "ui/toolkit/PictureButton.h"

namespace zonivo {
namespace {

using test::U;

// The name an assistive tool reads for `widget`. On Linux a drop-down list is
// named by its current item and labelled through a relation, so for it the
// label counts.
QString AccessibleName(QWidget* widget) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
  if (!accessible) return {};
  if (accessible->role() == QAccessible::ComboBox) {
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
  }
  return accessible->text(QAccessible::Name);
}

// The names of the controls in the order Tab visits them, from `first` on.
QStringList TabOrder(QWidget* first, int count) {
  QStringList names;
  for (QWidget* w = first; names.size() < count; w = w->nextInFocusChain())
    if (w->focusPolicy() & Qt::TabFocus && w->isVisibleTo(first->window()))
      names << w->objectName();
  return names;
}

class KeyboardTest : public test::RecordsFixture {
 protected:
  // The items the pop-up shows after `key` on the list with `row` selected.
  QStringList MenuByKey(int row, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    menu_->hide();
    if (row < 0)
      list_->clearSelection();
    else
      list_->selectRow(row);
    QTest::keyClick(list_, key, modifiers);
    if (!menu_->isVisible()) return {};
    menu_->hide();
    return test::VisibleItems(menu_);
  }
};

TEST_F(KeyboardTest, TheMenuKeysOpenTheSamePopUpAsARightClick) {
  Open();
  for (int row : {0, 2, -1}) {
    const QStringList byMouse = RightClick(row);
    ASSERT_FALSE(byMouse.isEmpty()) << row;
    EXPECT_EQ(MenuByKey(row, Qt::Key_Menu), byMouse) << row;
    EXPECT_EQ(MenuByKey(row, Qt::Key_F10, Qt::ShiftModifier), byMouse) << row;
  }
}

TEST_F(KeyboardTest, ControlsHaveNamesAndTabFollowsTheReadingOrder) {
  QPointer<MainWindow> main;
  LoadWindow(main, nullptr, false);
  const std::pair<const char*, const char*> named[] = {{"透明标签_注册", "注册账号"},
                                                       {"编辑框_账号", "账号:"},
                                                       {"编辑框_密码", "密码:"},
                                                       {"按钮_登陆", "登录"},
                                                       {"域名列表", "域名列表"}};
  for (const auto& [control, name] : named)
    EXPECT_EQ(AccessibleName(main->findChild<QWidget*>(U(control))), U(name)) << control;
  EXPECT_EQ(TabOrder(main->findChild<QWidget*>(U("透明标签_注册")), 5),
            test::Items({"透明标签_注册", "编辑框_账号", "编辑框_密码", "按钮_登陆", "域名列表"}));
  delete main.data();

  Open();
  ASSERT_TRUE(Choose(-1, "添加记录"));
  auto* add = window_->findChild<AddRecordWindow*>();
  const std::pair<const char*, const char*> fields[] = {
      {"编辑框_主机名", "主机名"},     {"组合框_线路", "线路"},
      {"编辑框_记录值", "记录值"},     {"组合框_记录类型", "记录类型"},
      {"编辑框_MX优先级", "MX优先级"}, {"编辑框_TTL", "TTL"},
      {"按钮_确定", "确定"},           {"按钮_取消", "取消"}};
  for (const auto& [control, name] : fields)
    EXPECT_EQ(AccessibleName(add->findChild<QWidget*>(U(control))), U(name)) << control;
  QStringList order;
  for (const auto& [control, name] : fields) order << U(control);
  EXPECT_EQ(TabOrder(add->findChild<QWidget*>(U("编辑框_主机名")), 8), order);
}

TEST(PictureButtonTest, TheFocusedButtonTakesEnterAndSpace) {
  PictureButton button(nullptr, QPixmap(10, 10), QPixmap(10, 10));
  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  QSignalSpy clicked(&button, &PictureButton::clicked);
  for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) QTest::keyClick(&button, key);
  QTest::keyClick(&button, Qt::Key_A);
  EXPECT_EQ(clicked.count(), 3);
}

TEST(BusyCursorTest, TheWaitCursorShowsWhileARequestWaitsAndGoesAfterIt) {
  test::ServiceEnvironment env;
  env.service().Stop();  // no answer will come
  std::vector<Qt::CursorShape> seen;
  CurrentHttpTransport().pause = [&seen](int) {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    seen.push_back(cursor ? cursor->shape() : Qt::ArrowCursor);
  };
  EXPECT_TRUE(
      HttpRequest(env.service().BaseUrl() + "/Domain.List", "POST", {}, 0, {}, {}, {}, {}, 3)
          .empty());
  EXPECT_EQ(seen, std::vector<Qt::CursorShape>(4, Qt::WaitCursor));
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zonivo
