#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zonivo {

// A button drawn from two pictures, one for its pressed state; no text. With
// the focus it takes Enter as well as Space.
class PictureButton final : public QAbstractButton {
  Q_OBJECT

 public:
  PictureButton(QWidget* parent, QPixmap normal, QPixmap pressed);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QPixmap normal_;
  QPixmap pressed_;
};

}  // namespace zonivo
