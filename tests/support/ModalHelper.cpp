#include "tests/support/ModalHelper.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <memory>

namespace zonivo::test {

void WhenModal(std::function<void(QWidget* modal)> act) {
  auto* poll = new QTimer;
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  QObject::connect(poll, &QTimer::timeout, [poll, started, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
      poll->stop();
      poll->deleteLater();
      act(modal);
      return;
    }
    if (started->elapsed() < 5000) return;
    poll->stop();
    poll->deleteLater();
    ADD_FAILURE() << "no modal window appeared";
    while (QWidget* stuck = QApplication::activeModalWidget()) stuck->close();
  });
  poll->start(10);
}

}  // namespace zonivo::test
