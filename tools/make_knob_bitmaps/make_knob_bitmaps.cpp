// Draws the DC throttle knob pictures: KnobFwd0..7.bmp and KnobRev0..7.bmp, 56 x 56 pixels.
// The pointer turns with the knob position (0 = stop, at seven o'clock; 7 = full, at five
// o'clock) and the knob's colour and letter tell the direction: green F forward, orange R reverse.
//
//   make_knob_bitmaps <folder>      (the shipped copies live in data/VM110, the program's \Data\VM110)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int kSize = 56;
constexpr int kPositions = 8;
constexpr double kStartDeg = 225.0;  // seven o'clock, counted anticlockwise from three o'clock
constexpr double kSweepDeg = 270.0;

QPointF OnCircle(QPointF centre, double radius, double degrees) {
  const double rad = degrees * M_PI / 180.0;
  return {centre.x() + radius * std::cos(rad), centre.y() - radius * std::sin(rad)};
}

QImage DrawKnob(bool reverse, int position) {
  QImage image(kSize, kSize, QImage::Format_RGB32);
  image.fill(QColor(0xEE, 0xF2, 0xF7));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  // The centre sits a little high: the letter goes in the gap of the scale below it.
  const QPointF c(kSize / 2.0, kSize / 2.0 - 3);

  // Scale: eight ticks, the ones the pointer has passed lit in the direction colour.
  const QColor lit = reverse ? QColor(0xD3, 0x6B, 0x0C) : QColor(0x2E, 0x8B, 0x57);
  for (int i = 0; i < kPositions; ++i) {
    const double deg = kStartDeg - kSweepDeg * i / (kPositions - 1);
    p.setPen(QPen(i <= position && position > 0 ? lit : QColor(0x9A, 0xA5, 0xB1), 2.5,
                  Qt::SolidLine, Qt::RoundCap));
    p.drawLine(OnCircle(c, 21.5, deg), OnCircle(c, 24.5, deg));
  }

  // Body.
  QRadialGradient body(c - QPointF(5, 5), 22);
  body.setColorAt(0, lit.lighter(150));
  body.setColorAt(1, lit.darker(115));
  p.setPen(QPen(QColor(0x1F, 0x3A, 0x5F), 2));
  p.setBrush(body);
  p.drawEllipse(c, 17.5, 17.5);

  // Direction letter in the gap of the scale, and the pointer.
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(11);
  font.setBold(true);
  p.setFont(font);
  p.setPen(lit.darker(130));
  p.drawText(QRectF(c.x() - 10, kSize - 14, 20, 14), Qt::AlignCenter,
             reverse ? QStringLiteral("R") : QStringLiteral("F"));
  const double deg = kStartDeg - kSweepDeg * position / (kPositions - 1);
  p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(OnCircle(c, 3, deg), OnCircle(c, 15, deg));
  p.setPen(QPen(QColor(0x1F, 0x3A, 0x5F), 1.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(OnCircle(c, 3, deg), OnCircle(c, 15, deg));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_knob_bitmaps <folder>\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  for (bool reverse : {false, true}) {
    for (int position = 0; position < kPositions; ++position) {
      const QString name = QStringLiteral("%1/Knob%2%3.bmp")
                               .arg(folder, reverse ? QStringLiteral("Rev") : QStringLiteral("Fwd"))
                               .arg(position);
      if (!DrawKnob(reverse, position).save(name, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        return 1;
      }
    }
  }
  std::printf("16 knob pictures written to %s\n", qPrintable(folder));
  return 0;
}
