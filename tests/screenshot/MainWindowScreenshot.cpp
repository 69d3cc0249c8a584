// Signs in to a stand-in service with a few domains, opens the records of one
// of them, and saves what the X server shows of the main window and of the
// records window as main-window.png and records-window.png in the folder
// given as the argument.
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "tests/support/ServiceEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/RecordsWindow.h"
#include "ui/toolkit/ListView.h"
#include "ui/toolkit/Toolkit.h"
#include "ui/toolkit/WindowLoading.h"

namespace {

using zonivo::test::StandInRecord;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

bool Save(QWidget* window, const QString& folder, const char* name) {
  const QPixmap shot = window->screen()->grabWindow(window->winId());
  return shot.save(folder + QLatin1Char('/') + QLatin1String(name));
}

void AddAccount(zonivo::test::StandInService& service) {
  const std::string domain = service.AddDomain("example.com");
  for (const char* name : {"zonivo.net", "例子.中国", "shop.example.org"}) service.AddDomain(name);
  service.AddDomain("paused.example.com", "disable");
  const StandInRecord records[] = {
      {.name = "www", .value = "203.0.113.10"},
      {.name = "www", .line = "电信", .value = "203.0.113.11"},
      {.name = "www", .line = "联通", .value = "198.51.100.7"},
      {.name = "@", .type = "MX", .value = "mail.example.com", .mx = "10"},
      {.name = "blog", .type = "CNAME", .value = "pages.example.net", .enabled = "0"},
      {.name = "@", .line = "国外", .type = "TXT", .ttl = "3600", .value = "v=spf1"},
      {.name = "v6", .type = "AAAA", .value = "2001:db8::1"},
  };
  for (const StandInRecord& record : records) service.AddRecord(domain, record);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: main_window_screenshot OUTPUT-FOLDER\n", stderr);
    return 2;
  }
  zonivo::Toolkit toolkit(argc, argv);
  zonivo::test::ServiceEnvironment environment;
  AddAccount(environment.service());
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
      records->findChild<zonivo::ListView*>(U("记录列表"))->selectRow(1);
      QTest::qWait(100);
      saved = Save(records, folder, "records-window.png");
      records->close();
    }
  });
  for (QAction* item : window->findChild<QMenu*>(U("右键菜单_域名列表"))->actions())
    if (item->text() == U("管理域名")) item->trigger();
  return saved ? 0 : 1;
}
