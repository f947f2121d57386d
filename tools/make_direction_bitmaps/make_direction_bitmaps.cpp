// Draws the direction pictures of the DCC loco window: DCClogoL.bmp and DCClogoR.bmp, 48 x 48
// pixels, a "DCC" badge over an arrow pointing the way the loco runs.
//
//   make_direction_bitmaps <folder>   (the shipped copies live in data/VM110, the program's
//   \Data\VM110)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

constexpr int kSize = 48;

QImage DrawLogo(bool left) {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(QColor(0xEE, 0xF2, 0xF7));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QColor ink(0x1F, 0x3A, 0x5F);
  // One colour both ways: which way is forward depends on how the loco stands on the track.
  const QColor way(0x2B, 0x6C, 0xB0);

  p.setPen(QPen(ink, 1.5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(3.5, 3.5, kSize - 7, 17), 4, 4);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(12);
  font.setBold(true);
  p.setFont(font);
  p.drawText(QRectF(3.5, 3.5, kSize - 7, 17), Qt::AlignCenter, QStringLiteral("DCC"));

  const double y = 33.5;
  const double tip = left ? 5 : kSize - 5;
  const double base = left ? 21 : kSize - 21;
  QPainterPath head;
  head.moveTo(tip, y);
  head.lineTo(base, y - 10);
  head.lineTo(base, y + 10);
  head.closeSubpath();
  p.setPen(QPen(ink, 1.2));
  p.setBrush(way);
  p.drawPath(head);
  p.fillRect(QRectF(left ? base - 1 : kSize - 42, y - 4.5, 21, 9), way);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_direction_bitmaps <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  for (bool left : {true, false}) {
    const QString name = QStringLiteral("%1/DCClogo%2.bmp")
                             .arg(folder, left ? QStringLiteral("L") : QStringLiteral("R"));
    if (!DrawLogo(left).save(name, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
      return 1;
    }
  }
  std::printf("2 direction pictures written to %s\n", qPrintable(folder));
  return 0;
}
