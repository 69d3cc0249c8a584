// Signs in to a stand-in service with a few domains and saves what the X
// server shows of the main window as a PNG file (the path is the argument).
#include <QGuiApplication>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "tests/support/ServiceEnvironment.h"
#include "ui/MainWindow.h"
#include "ui/toolkit/Toolkit.h"
#include "ui/toolkit/WindowLoading.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs("usage: main_window_screenshot OUTPUT.png\n", stderr);
    return 2;
  }
  zonivo::Toolkit toolkit(argc, argv);
  zonivo::test::ServiceEnvironment environment;
  for (const char* name : {"example.com", "zonivo.net", "例子.中国", "shop.example.org"})
    environment.service().AddDomain(name);
  environment.service().AddDomain("paused.example.com", "disable");

  QPointer<zonivo::MainWindow> window;
  zonivo::LoadWindow(window, nullptr, false);
  if (!QTest::qWaitForWindowExposed(window)) return 1;
  window->findChild<QLineEdit*>(QString::fromUtf8("编辑框_账号"))
      ->setText(QStringLiteral("user@example.com"));
  window->findChild<QLineEdit*>(QString::fromUtf8("编辑框_密码"))
      ->setText(QStringLiteral("secret"));
  QTest::mouseClick(window->findChild<QWidget*>(QString::fromUtf8("按钮_登陆")), Qt::LeftButton);
  QTest::qWait(300);
  const QPixmap shot = window->screen()->grabWindow(window->winId());
  return shot.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
