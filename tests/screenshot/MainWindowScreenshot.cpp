// Signs in to a stand-in service with a few domains, opens the records of one
// of them and both record editors, and saves what the X server shows of each
// window as main-window.png, records-window.png, add-record-window.png and
// modify-record-window.png in the folder given as the argument.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "sandbox/DemoAccount.h"
#include "tests/support/ServiceEnvironment.h"
#include "ui/AddRecordWindow.h"
#include "ui/MainWindow.h"
#include "ui/ModifyRecordWindow.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/Toolkit.h"
#include "ui/toolkit/WindowLoading.h"

namespace {

using zonivo::sandbox::StandInRecord;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

bool Save(QWidget* window, const QString& folder, const char* name) {
  if (!QTest::qWaitForWindowExposed(window)) return false;
  QTest::qWait(200);
  const QPixmap shot = window->screen()->grabWindow(window->winId());
  return shot.save(folder + QLatin1Char('/') + QLatin1String(name));
}

void Choose(QWidget* window, const char* menu, const char* item) {
  for (QAction* action : window->findChild<QMenu*>(U(menu))->actions())
    if (action->text() == U(item)) action->trigger();
}

// Saves the records window, then each editor: the add window as it opens,
// the modify window filled from a record with a Chinese line.
bool SaveRecordWindows(zonivo::RecordsWindow* records, const QString& folder) {
  auto* list = records->findChild<zonivo::ListView*>(U("记录列表"));
  list->selectRow(1);
  bool saved = Save(records, folder, "records-window.png");
  list->clearSelection();
  Choose(records, "右键菜单_管理域名", "添加记录");
  auto* add = records->findChild<zonivo::AddRecordWindow*>();
  saved = saved && add && Save(add, folder, "add-record-window.png");
  list->selectRow(list->RowCount() - 1);
  Choose(records, "右键菜单_管理域名", "修改记录");
  auto* modify = records->findChild<zonivo::ModifyRecordWindow*>();
  return saved && modify && Save(modify, folder, "modify-record-window.png");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: main_window_screenshot OUTPUT-FOLDER\n", stderr);
    return 2;
  }
  zonivo::Toolkit toolkit(argc, argv);
  zonivo::test::ServiceEnvironment environment;
  zonivo::sandbox::AddDemoAccount(environment.service());
  const QString folder = QString::fromLocal8Bit(argv[1]);

  QPointer<zonivo::MainWindow> window;
  zonivo::LoadWindow(window, nullptr, false);
  if (!QTest::qWaitForWindowExposed(window)) return 1;
  window->findChild<QLineEdit*>(U("编辑框_账号"))->setText(QStringLiteral("user@example.com"));
  window->findChild<QLineEdit*>(U("编辑框_密码"))->setText(QStringLiteral("secret"));
  QTest::mouseClick(window->findChild<QWidget*>(U("按钮_登陆")), Qt::LeftButton);
  QTest::qWait(300);
  window->findChild<zonivo::ListView*>(U("域名列表"))->selectRow(0);
  if (!Save(window, folder, "main-window.png")) return 1;

  bool saved = false;
  QTimer::singleShot(800, [&saved, &folder] {
    for (QWidget* top : QApplication::topLevelWidgets()) {
      auto* records = qobject_cast<zonivo::RecordsWindow*>(top);
      if (!records) continue;
      saved = SaveRecordWindows(records, folder);
      records->close();
    }
  });
  Choose(window, "右键菜单_域名列表", "管理域名");
  return saved ? 0 : 1;
}
