#include "demo_bitmaps.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace kv::demo {

namespace {

const QColor kLampRed(0xE0, 0x1B, 0x1B);
const QColor kLampYellow(0xF2, 0xC2, 0x1A);
const QColor kLampGreen(0x1D, 0xB9, 0x4A);
const QColor kLampDark(0x3A, 0x3A, 0x3A);
const QColor kHead(0x14, 0x14, 0x14);
const QColor kPost(0x55, 0x55, 0x55);

QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);  // the panel is white: a bitmap has no see-through parts
  return image;
}

bool Save(const QImage& image, const QString& path, QString* error) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  if (image.save(path, "BMP")) return true;
  if (error) *error = QStringLiteral("%1 cannot be written").arg(path);
  return false;
}

// A three-aspect colour light: head with red, yellow and green lamps, one of them lit.
QImage ColourLight(const QColor& lit) {
  QImage image = Canvas(14, 36);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(6, 26, 2, 10), kPost);
  p.setPen(Qt::NoPen);
  p.setBrush(kHead);
  p.drawRoundedRect(QRectF(1, 0.5, 12, 26), 3, 3);
  const QColor lamps[3] = {kLampRed, kLampYellow, kLampGreen};
  for (int k = 0; k < 3; ++k) {
    p.setBrush(lamps[k] == lit ? lit : kLampDark);
    p.drawEllipse(QPointF(7, 5 + 8 * k), 3.2, 3.2);
  }
  return image;
}

// A fixed signal, as at a buffer stop: a one-lamp head of the same make, its red lamp lit.
QImage FixedRedLight() {
  QImage image = Canvas(14, 36);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(6, 10, 2, 26), kPost);
  p.setPen(Qt::NoPen);
  p.setBrush(kHead);
  p.drawRoundedRect(QRectF(1, 0.5, 12, 10), 3, 3);
  p.setBrush(kLampRed);
  p.drawEllipse(QPointF(7, 5), 3.2, 3.2);
  return image;
}

// A home semaphore: a red arm with a white stripe on a post, level for danger ('ON') or
// raised for clear.
QImage Semaphore(bool clear) {
  QImage image = Canvas(28, 44);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRect(19, 12, 3, 32), kPost);
  p.fillRect(QRect(18, 10, 5, 3), kHead);  // finial
  p.translate(20.5, 17);
  p.rotate(clear ? 45 : 0);  // upper quadrant: the arm rises to clear
  p.setPen(QPen(kHead, 0.8));
  p.setBrush(kLampRed);
  p.drawRect(QRectF(-19, -2.5, 19, 5));
  p.fillRect(QRectF(-15, -2, 2.5, 4), Qt::white);
  p.setBrush(kHead);
  p.drawEllipse(QPointF(0, 0), 1.6, 1.6);
  return image;
}

// The station building of the demo: brick walls, a slate roof, windows and a door.
QImage StationBuilding() {
  QImage image = Canvas(160, 52);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor brick(0xA8, 0x4B, 0x32);
  const QColor slate(0x4E, 0x5A, 0x66);
  const QColor frame(0xF4, 0xEE, 0xE0);
  QPainterPath roof;
  roof.moveTo(4, 18);
  roof.lineTo(20, 4);
  roof.lineTo(140, 4);
  roof.lineTo(156, 18);
  roof.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(slate);
  p.drawPath(roof);
  p.fillRect(QRect(38, 0, 6, 8), brick);  // chimneys
  p.fillRect(QRect(116, 0, 6, 8), brick);
  p.fillRect(QRect(10, 18, 140, 30), brick);
  for (int x : {20, 44, 100, 124}) {
    p.fillRect(QRect(x, 24, 14, 14), frame);
    p.fillRect(QRect(x + 2, 26, 10, 10), QColor(0x7F, 0xA7, 0xC9));
    p.fillRect(QRect(x + 6, 26, 2, 10), frame);
  }
  p.fillRect(QRect(70, 24, 20, 24), frame);
  p.fillRect(QRect(72, 26, 16, 22), QColor(0x2E, 0x4A, 0x3A));
  p.fillRect(QRect(0, 48, 160, 4), QColor(0x9A, 0x9A, 0x9A));  // platform edge
  return image;
}

}  // namespace

bool DrawBitmaps(const QString& data, QString* error) {
  const QString sig = data + QStringLiteral("/sig/");
  // Signal 1 shows C3R2x; switched off it becomes C3Y2x, or C3G2x when worked in reverse.
  // Signal 2 shows SHRxx and becomes SHGxx. C1Fxx, a fixed signal, has no other aspect.
  return Save(ColourLight(kLampRed), sig + QStringLiteral("C3R2x.bmp"), error) &&
         Save(ColourLight(kLampYellow), sig + QStringLiteral("C3Y2x.bmp"), error) &&
         Save(ColourLight(kLampGreen), sig + QStringLiteral("C3G2x.bmp"), error) &&
         Save(Semaphore(false), sig + QStringLiteral("SHRxx.bmp"), error) &&
         Save(Semaphore(true), sig + QStringLiteral("SHGxx.bmp"), error) &&
         Save(FixedRedLight(), sig + QStringLiteral("C1Fxx.bmp"), error) &&
         Save(StationBuilding(), data + QStringLiteral("/pictures/station.bmp"), error);
}

}  // namespace kv::demo
