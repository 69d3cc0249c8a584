#pragma once

#include <QSize>
#include <QWidget>

namespace zonivo {

// Base of every window of the program: fixed border, a close box and no
// minimise or maximise box, the program's blue background, centred when
// shown. Closing the window deletes it, once control is back in the event
// loop.
class ClientWindow : public QWidget {
  Q_OBJECT

 public:
  // `outerSize` includes the border and title bar of a classic desktop frame.
  ClientWindow(QWidget* parent, QSize outerSize);

  QSize OuterSize() const { return outerSize_; }
  // Runs the created event once; until it has returned the window is being
  // created.
  void Create();
  bool BeingCreated() const { return beingCreated_; }
  // False from the moment the window, or a window that owns it, was closed.
  bool IsOpen() const { return !closed_; }

 signals:
  void Closed();

 protected:
  // The created event: runs once, before the window is first shown.
  virtual void OnCreated() {}
  void closeEvent(QCloseEvent* event) override;

 private:
  void MarkClosed();

  QSize outerSize_;
  bool beingCreated_ = false;
  bool closed_ = false;
};

}  // namespace zonivo
