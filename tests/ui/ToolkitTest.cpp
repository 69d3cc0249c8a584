#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "net/CodePage.h"
#include "net/Pause.h"
#include "tests/support/ModalHelper.h"
#include "ui/toolkit/ComboBox.h"
#include "ui/toolkit/DialogPresenter.h"
#include "ui/toolkit/GuardedListTarget.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/PopupMenu.h"
#include "ui/toolkit/QtWindowEvents.h"
#include "ui/toolkit/WindowLoading.h"

namespace zonivo {
namespace {

std::vector<ListColumn> Columns(int n) {
  std::vector<ListColumn> columns;
  for (int i = 0; i < n; ++i) columns.push_back({"c" + std::to_string(i), 60});
  return columns;
}

std::vector<std::string> Column0(const ListView& list) {
  std::vector<std::string> cells;
  for (int r = 0; r < list.RowCount(); ++r) cells.push_back(list.ListCell(r, 0));
  return cells;
}

TEST(ListViewTest, InsertRowPositionRules) {
  ListView list(nullptr, Columns(3));
  EXPECT_EQ(list.ListInsertRow(), 0);
  EXPECT_EQ(list.ListInsertRow(-1, "b"), 1);
  EXPECT_EQ(list.ListInsertRow(0, "a"), 0);     // before row 0
  EXPECT_EQ(list.ListInsertRow(99, "z"), 3);    // past the last row: at the end
  EXPECT_EQ(list.ListInsertRow(-5, "end"), 4);  // negative: at the end
  EXPECT_EQ(list.ListInsertRow(1, "m"), 1);
  EXPECT_EQ(Column0(list), (std::vector<std::string>{"a", "m", "", "b", "z", "end"}));
  list.ListSetCell(0, 2, FromUtf8("正常"));
  EXPECT_EQ(list.ListCell(0, 2), FromUtf8("正常"));
  list.ListSetCell(0, 3, "ignored");
  list.ListSetCell(40, 0, "ignored");
  EXPECT_EQ(list.ListCell(0, 3), "");
  EXPECT_EQ(list.ListCell(0, 1), "");
  EXPECT_EQ(list.ListCell(40, 0), "");
  EXPECT_EQ(list.ListCell(-1, 0), "");
  list.ListClear();
  EXPECT_EQ(list.RowCount(), 0);
}

TEST(ListViewTest, AnInsertAndABatchAreOneSignalEach) {
  ListView list(nullptr, Columns(3));
  QSignalSpy inserted(list.model(), &QAbstractItemModel::rowsInserted);
  QSignalSpy changed(list.model(), &QAbstractItemModel::dataChanged);
  list.ListInsertRow(-1, "a");
  list.AppendRows({{"b", "x", "y"}, {"c", "x", "z"}, {"d"}});
  EXPECT_EQ(inserted.count(), 2);
  EXPECT_EQ(changed.count(), 0);
  EXPECT_EQ(Column0(list), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(list.ListCell(2, 1), "x");
  EXPECT_EQ(list.ListCell(2, 2), "z");
  EXPECT_EQ(list.ListCell(3, 1), "");
}

TEST(ListViewTest, TenThousandRowsOfEightColumns) {
  ListView list(nullptr, Columns(8));
  list.resize(600, 320);
  list.show();
  for (int r = 0; r < 10000; ++r) {
    const int row = list.ListInsertRow(-1, std::to_string(r));
    for (int c = 1; c < 8; ++c) list.ListSetCell(row, c, "v");
  }
  EXPECT_EQ(list.RowCount(), 10000);
  EXPECT_EQ(list.ListCell(9999, 0), "9999");
  EXPECT_EQ(list.ListCell(9999, 7), "v");
}

TEST(GuardedListTargetTest, DropsRowsForAListThatIsGone) {
  auto* view = new ListView(nullptr, Columns(2));
  GuardedListTarget list(view);
  const std::uint64_t ticket = list.StartFill();
  EXPECT_TRUE(list.IsLatestFill(ticket));
  list.AppendRows({{"a", "b"}});
  EXPECT_EQ(view->ListCell(0, 1), "b");
  delete view;
  EXPECT_FALSE(list.IsLatestFill(ticket));
  list.AppendRows({{"c", "d"}});
  EXPECT_EQ(list.StartFill(), 0u);
}

class ListClickTest : public testing::Test {
 protected:
  void SetUp() override {
    list_.resize(400, 300);
    for (int i = 0; i < 3; ++i) list_.ListInsertRow(-1, std::to_string(i));
    list_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&list_));
  }
  QPoint RowPoint(int row) { return list_.visualRect(list_.model()->index(row, 1)).center(); }
  QPoint EmptyPoint() { return {20, list_.viewport()->height() - 5}; }

  ListView list_{nullptr, Columns(3)};
};

TEST_F(ListClickTest, CurrentRowFollowsClicksAndEmptyPartClearsIt) {
  EXPECT_EQ(list_.ListCurrentRow(), -1);
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, RowPoint(1));
  EXPECT_EQ(list_.ListCurrentRow(), 1);
  QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, EmptyPoint());
  EXPECT_EQ(list_.ListCurrentRow(), -1);
}

TEST_F(ListClickTest, RightClickSelectsTheRowBeforeItsEvent) {
  std::vector<int> seen;
  QObject::connect(&list_, &ListView::RightClicked,
                   [&] { seen.push_back(list_.ListCurrentRow()); });
  QTest::mouseClick(list_.viewport(), Qt::RightButton, {}, RowPoint(2));
  QTest::mouseClick(list_.viewport(), Qt::RightButton, {}, EmptyPoint());
  QTest::mouseClick(list_.viewport(), Qt::RightButton, {}, RowPoint(0));
  EXPECT_EQ(seen, (std::vector<int>{2, -1, 0}));
}

TEST(ComboBoxTest, NumberingAndSelectionByText) {
  ComboBox combo(nullptr, {"A", "CNAME", "MX", "AAAA"});
  EXPECT_EQ(combo.ComboCurrentIndex(), 0);
  EXPECT_EQ(combo.ComboItemText(2), "MX");
  EXPECT_EQ(combo.ComboItemText(4), "");
  EXPECT_EQ(combo.ComboItemText(-1), "");
  struct Case {
    Text text;
    int expected;
  };
  // Each selection starts from the one the case before left.
  const Case cases[] = {{"cn", 1}, {"aaaa", 3}, {"A", 0}, {"mx", 2}, {"TXT", 2}, {"", 0}};
  QSignalSpy chosen(&combo, &ComboBox::ItemChosen);
  for (const Case& c : cases) {
    combo.ComboSelectText(c.text);
    EXPECT_EQ(combo.ComboCurrentIndex(), c.expected) << c.text;
  }
  EXPECT_EQ(chosen.count(), 0);
  ComboBox empty(nullptr, {});
  EXPECT_EQ(empty.ComboCurrentIndex(), -1);
}

TEST(ComboBoxTest, UserChoiceRaisesItemChosen) {
  ComboBox combo(nullptr, {"A", "CNAME"});
  combo.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&combo));
  QSignalSpy chosen(&combo, &ComboBox::ItemChosen);
  QTest::keyClick(&combo, Qt::Key_Down);
  EXPECT_EQ(chosen.count(), 1);
  EXPECT_EQ(combo.ComboCurrentIndex(), 1);
}

struct BoxCase {
  int flags;
  std::vector<QMessageBox::StandardButton> buttons;
  QMessageBox::Icon icon;
  std::function<void(QMessageBox*)> act;
  int expected;
};

void Press(QMessageBox* box, QMessageBox::StandardButton which) { box->button(which)->click(); }

TEST(MessageBoxTest, FlagsMapToButtonsIconsAndAnswers) {
  using B = QMessageBox::StandardButton;
  const auto escape = [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); };
  const auto closeBox = [](QMessageBox* box) { box->close(); };
  const BoxCase cases[] = {
      {0, {B::Ok}, QMessageBox::NoIcon, [](QMessageBox* b) { Press(b, B::Ok); }, 0},
      {1, {B::Ok, B::Cancel}, QMessageBox::NoIcon, escape, 1},
      {2,
       {B::Abort, B::Retry, B::Ignore},
       QMessageBox::NoIcon,
       [](QMessageBox* b) { Press(b, B::Retry); },
       3},
      {2,
       {B::Abort, B::Retry, B::Ignore},
       QMessageBox::NoIcon,
       [](QMessageBox* b) { Press(b, B::Ignore); },
       4},
      {3, {B::Yes, B::No, B::Cancel}, QMessageBox::NoIcon, escape, 1},
      {4, {B::Yes, B::No}, QMessageBox::NoIcon, escape, 6},
      {4, {B::Yes, B::No}, QMessageBox::NoIcon, closeBox, 6},
      {4, {B::Yes, B::No}, QMessageBox::NoIcon, [](QMessageBox* b) { Press(b, B::Yes); }, 5},
      {5, {B::Retry, B::Cancel}, QMessageBox::NoIcon, escape, 1},
      {16, {B::Ok}, QMessageBox::Critical, escape, 0},
      {32 + 1,
       {B::Ok, B::Cancel},
       QMessageBox::Question,
       [](QMessageBox* b) { Press(b, B::Ok); },
       0},
      {48, {B::Ok}, QMessageBox::Warning, escape, 0},
      {64, {B::Ok}, QMessageBox::Information, escape, 0},
  };
  for (const BoxCase& c : cases) {
    test::WhenModal([&c](QWidget* modal) {
      auto* box = qobject_cast<QMessageBox*>(modal);
      ASSERT_NE(box, nullptr);
      std::vector<B> buttons;
      for (QAbstractButton* b : box->buttons()) buttons.push_back(box->standardButton(b));
      std::sort(buttons.begin(), buttons.end());
      std::vector<B> expected = c.buttons;
      std::sort(expected.begin(), expected.end());
      EXPECT_EQ(buttons, expected) << "flags " << c.flags;
      EXPECT_EQ(box->icon(), c.icon) << "flags " << c.flags;
      EXPECT_EQ(box->windowTitle(), QStringLiteral("T"));
      c.act(box);
    });
    EXPECT_EQ(ShowMessageBox("text", c.flags, "T"), c.expected) << "flags " << c.flags;
  }
}

TEST(MessageBoxTest, LeftOutTitleReadsInformation) {
  QString title, text;
  test::WhenModal([&](QWidget* modal) {
    title = modal->windowTitle();
    text = qobject_cast<QMessageBox*>(modal)->text();
    modal->close();
  });
  ShowMessageBox(FromUtf8("登陆失败"));
  EXPECT_EQ(title, QString::fromUtf8("信息："));
  EXPECT_EQ(text, QString::fromUtf8("登陆失败"));
}

TEST(InputBoxTest, HoldsTheTextSelectedAndAnswersOnlyWhenConfirmed) {
  test::WhenModal([](QWidget* modal) {
    auto* entry = modal->findChild<QLineEdit*>();
    EXPECT_EQ(modal->windowTitle(), QString::fromUtf8("添加域名"));
    EXPECT_EQ(entry->selectedText(), QStringLiteral("old"));
    QTest::keyClicks(entry, QStringLiteral("new.com"));
    qobject_cast<QDialog*>(modal)->accept();
  });
  EXPECT_EQ(ShowInputBox("prompt", FromUtf8("添加域名"), "old"), std::optional<Text>("new.com"));

  test::WhenModal([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
  EXPECT_EQ(ShowInputBox("prompt", "t", "x"), std::nullopt);
  test::WhenModal([](QWidget* modal) { modal->close(); });
  EXPECT_EQ(ShowInputBox("prompt", "t"), std::nullopt);
  test::WhenModal([](QWidget* modal) { qobject_cast<QDialog*>(modal)->accept(); });
  EXPECT_EQ(ShowInputBox("prompt", "t"), std::optional<Text>(""));  // confirmed empty
}

class ProbeWindow final : public ClientWindow {
 public:
  explicit ProbeWindow(QWidget* parent) : ClientWindow(parent, {300, 200}) { ++made; }
  static inline int made = 0;
  static inline int created = 0;

 protected:
  void OnCreated() override { ++created; }
};

TEST(WindowsTest, ModalWindowBlocksTheOthersUntilItCloses) {
  QPointer<ProbeWindow> owner, modal;
  LoadWindow(owner, nullptr, false);
  bool blocked = false;
  test::WhenModal([&](QWidget* shown) {
    blocked = shown == modal && owner->isVisible();
    shown->close();
  });
  LoadWindow(modal, owner, true);
  EXPECT_TRUE(blocked);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(modal.isNull());
  owner->close();
}

// A window whose created event waits, processing events, as a list fetch
// without an answer does.
class WaitingWindow final : public ClientWindow {
 public:
  explicit WaitingWindow(QWidget* parent) : ClientWindow(parent, {300, 200}) { ++made; }
  static inline int made = 0;
  static inline bool shownWhileCreated = false;

 protected:
  void OnCreated() override {
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 100) QCoreApplication::processEvents();
    shownWhileCreated = isVisible();
  }
};

TEST(WindowsTest, ModalWindowBlocksTheOthersFromItsCreatedEventOn) {
  WaitingWindow::made = 0;
  QPointer<ProbeWindow> owner;
  LoadWindow(owner, nullptr, false);
  auto* button = new QPushButton(owner);
  button->setGeometry(10, 10, 80, 30);
  button->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(owner));
  int clicks = 0;
  QObject::connect(button, &QPushButton::clicked, [&clicks] { ++clicks; });
  QPointer<WaitingWindow> modal;
  // Both wait in the queue and come due while the created event waits.
  QMetaObject::invokeMethod(
      owner, [button] { QTest::mouseClick(button, Qt::LeftButton); }, Qt::QueuedConnection);
  QMetaObject::invokeMethod(
      owner, [&modal, &owner] { LoadWindow(modal, owner, true); }, Qt::QueuedConnection);
  bool modalWhenShown = false;
  test::WhenModal([&](QWidget* shown) {
    modalWhenShown = shown == modal;
    shown->close();
  });
  LoadWindow(modal, owner, true);
  EXPECT_TRUE(modalWhenShown);
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(WaitingWindow::made, 1);
  EXPECT_FALSE(WaitingWindow::shownWhileCreated);
  EXPECT_TRUE(owner->isEnabled());
  QTest::mouseClick(button, Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
  owner->close();
}

TEST(WindowsTest, OpenWindowIsOnlyBroughtToFrontAndClosesWithItsParent) {
  ProbeWindow::made = ProbeWindow::created = 0;
  QPointer<ProbeWindow> parent, child;
  LoadWindow(parent, nullptr, false);
  LoadWindow(child, parent, false);
  child->showMinimized();
  LoadWindow(child, parent, false);
  EXPECT_EQ(ProbeWindow::made, 2);
  EXPECT_EQ(ProbeWindow::created, 2);
  EXPECT_FALSE(child->isMinimized());
  EXPECT_EQ(child->size(), QSize(294, 170));  // outer 300 x 200 less the frame
  parent->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(child.isNull());
}

TEST(WindowsTest, UnloadClosesOnceTheHandlerHasReturned) {
  QPointer<ProbeWindow> window;
  LoadWindow(window, nullptr, false);
  UnloadWindow(window);
  EXPECT_TRUE(window->isVisible());
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(window.isNull());
}

// Counts the passes over the real Qt event queue.
class CountingQtEvents final : public WindowEvents {
 public:
  void ProcessPending() override {
    ++passes;
    qt.ProcessPending();
  }
  QtWindowEvents qt;
  int passes = 0;
};

TEST(PauseTest, LastsAMillisecondDispatchingEventsWithoutSpinning) {
  CountingQtEvents events;
  WindowEvents* const saved = InstalledWindowEvents();
  InstallWindowEvents(&events);
  bool dispatched = false;
  QTimer::singleShot(0, [&dispatched] { dispatched = true; });
  QElapsedTimer elapsed;
  elapsed.start();
  PauseWhileProcessingEvents(1, SteadyClock());
  const qint64 nanoseconds = elapsed.nsecsElapsed();
  InstallWindowEvents(saved);
  EXPECT_TRUE(dispatched);
  EXPECT_GE(nanoseconds, 1'000'000);
  EXPECT_LT(events.passes, 50);  // a busy loop would make thousands of passes
}

TEST(PopupMenuTest, ShowsOnlyVisibleItemsBesideThePointer) {
  QWidget owner;
  QMenu* menu = MakePopupMenu(&owner, "menu", {"one", "two", "three"});
  SetItemVisible(MenuItem(menu, 1), false);
  ShowPopupMenu(menu, QPoint(103, 103));
  EXPECT_TRUE(menu->isVisible());
  EXPECT_EQ(menu->pos(), QPoint(103, 103));
  QStringList shown;
  for (QAction* a : menu->actions())
    if (a->isVisible()) shown << a->text();
  EXPECT_EQ(shown, (QStringList{QStringLiteral("one"), QStringLiteral("three")}));
  menu->hide();
}

}  // namespace
}  // namespace zonivo
