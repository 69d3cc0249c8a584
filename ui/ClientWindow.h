#pragma once

#include <QSize>
#include <QWidget>

namespace zonivo {

// Base of every window of the program: fixed border, a close box and no
// minimise or maximise box, the program's blue background, centred when
// shown. Closing the window deletes it.
class ClientWindow : public QWidget {
  Q_OBJECT

 public:
  // `outerSize` includes the border and title bar of a classic desktop frame.
  ClientWindow(QWidget* parent, QSize outerSize);

  // Runs once when the window has been created, before it is first shown.
  virtual void OnCreated() {}

 signals:
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace zonivo
