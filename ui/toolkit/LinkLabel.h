#pragma once

#include <QLabel>

namespace zonivo {

// A label with a transparent background that reports a left button press, and
// Enter or Space while it has the focus.
class LinkLabel final : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(QWidget* parent, const QString& text);

 signals:
  void LeftPressed();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zonivo
