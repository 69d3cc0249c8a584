#include "ui/Pictures.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "ui/toolkit/QtText.h"

namespace zonivo {
namespace {

// The logo: a rounded white tile holding a globe of three blue rings.
void DrawLogo(QPainter& p, QRectF tile) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 235));
  p.drawRoundedRect(tile, 10, 10);
  const QRectF globe = tile.adjusted(9, 9, -9, -9);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0, 112, 220), 3));
  p.drawEllipse(globe);
  p.drawEllipse(globe.adjusted(globe.width() * 0.28, 0, -globe.width() * 0.28, 0));
  p.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
  p.setBrush(QColor(255, 196, 0));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(globe.right() - 2, globe.top() + 4), 5, 5);
}

void DrawTitle(QPainter& p, QRectF area) {
  QFont font = p.font();
  font.setPixelSize(static_cast<int>(area.height() * 0.42));
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(area, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zonivo DNS"));
}

// A transparent picture of `size` that stays sharp on high-density screens.
QPixmap Canvas(QSize size) {
  const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
  QPixmap canvas(size * ratio);
  canvas.setDevicePixelRatio(ratio);
  canvas.fill(Qt::transparent);
  return canvas;
}

}  // namespace

QPixmap HeaderBanner(QSize size) {
  QPixmap banner = Canvas(size);
  QPainter p(&banner);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, size.width(), size.height());
  sky.setColorAt(0, QColor(0, 70, 170));
  sky.setColorAt(0.6, QColor(0, 136, 255));
  sky.setColorAt(1, QColor(90, 190, 255));
  p.fillRect(QRect(QPoint(0, 0), size), sky);
  p.setPen(QPen(QColor(255, 255, 255, 40), 18));
  p.drawArc(QRectF(size.width() * 0.55, -size.height(), size.width(), size.height() * 2.4),
            180 * 16, 90 * 16);
  const qreal side = size.height() * 0.72;
  const QRectF tile(size.height() * 0.16, (size.height() - side) / 2, side, side);
  DrawLogo(p, tile);
  DrawTitle(p, QRectF(tile.right() + 12, 0, size.width() - tile.right() - 12, size.height() * 0.8));
  return banner;
}

QIcon ProgramIcon() {
  QIcon icon;
  for (const int side : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap picture(side, side);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 128.0, side / 128.0);  // drawn on a 128-pixel square
    QLinearGradient sky(0, 0, 128, 128);
    sky.setColorAt(0, QColor(0, 70, 170));
    sky.setColorAt(0.6, QColor(0, 136, 255));
    sky.setColorAt(1, QColor(90, 190, 255));
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 24, 24);
    DrawLogo(p, QRectF(16, 16, 96, 96));
    p.end();
    icon.addPixmap(picture);
  }
  return icon;
}

QPixmap YellowButton(QSize size, const Text& caption, bool pressed) {
  QPixmap button = Canvas(size);
  QPainter p(&button);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF area(QPoint(0, 0), size);
  const QRectF face = area.adjusted(0.5, 0.5, -0.5, -0.5);
  QLinearGradient fill(0, 0, 0, size.height());
  fill.setColorAt(0, pressed ? QColor(235, 170, 0) : QColor(255, 236, 120));
  fill.setColorAt(1, pressed ? QColor(255, 214, 60) : QColor(250, 180, 0));
  p.setBrush(fill);
  p.setPen(QPen(QColor(170, 110, 0), 1));
  p.drawRoundedRect(face, 5, 5);
  QFont font = p.font();
  font.setPixelSize(size.height() / 2 + 1);
  font.setBold(true);
  p.setFont(font);
  p.setPen(QColor(90, 50, 0));
  p.drawText(area.translated(pressed ? 1 : 0, pressed ? 1 : 0), Qt::AlignCenter,
             ToQString(caption));
  return button;
}

}  // namespace zonivo
