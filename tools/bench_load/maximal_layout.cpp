#include "maximal_layout.h"

#include <QDir>
#include <QImage>
#include <QPainter>

#include "layout/atomic_file.h"
#include "layout/layout_model.h"
#include "layout/record_codec.h"

namespace kv::bench {

namespace {

constexpr int kPictures = 4;
constexpr int kSignalPictures = 3;

bool WriteBitmap(const QString& path, int w, int h, const QColor& colour) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter(&image).fillRect(QRect(2, 2, w - 4, h - 4), colour);
  return image.save(path, "BMP");
}

// Object i of a kind stands on a grid of 17 columns and 15 rows across the visible panel.
int X(int i) { return 600 + ((i - 1) % 17) * 1050; }
int Y(int i) { return 900 + ((i - 1) / 17) * 675; }

bool WriteFile(const QString& path, int records,
               const std::function<RecordWriter(int)>& record) {
  QByteArray bytes;
  for (int i = 1; i <= records; ++i) bytes += record(i).Line();
  return WriteFileAtomically(path, bytes);
}

}  // namespace

QString WriteMaximalLayout(const QString& root) {
  const QString folder = root + QStringLiteral("/Data/Layout Folders/Max/");
  if (!QDir().mkpath(folder) || !QDir().mkpath(root + QStringLiteral("/data/bench"))) return {};
  for (int k = 0; k < kPictures; ++k) {
    if (!WriteBitmap(root + QStringLiteral("/data/bench/picture%1.bmp").arg(k), 48, 32,
                     QColor::fromHsv(k * 80, 160, 200))) {
      return {};
    }
  }
  for (int k = 0; k < kSignalPictures; ++k) {
    if (!WriteBitmap(root + QStringLiteral("/data/bench/C3R%1x.bmp").arg(k), 14, 36, Qt::black)) {
      return {};
    }
  }
  const int n = kMaxObjects;
  const bool written =
      WriteFile(folder + "sensor.txt", n,
                [](int i) { return RecordWriter().Int(X(i) + 300).Int(Y(i) + 300); }) &&
      WriteFile(folder + "track.txt", n,
                [](int i) {
                  return RecordWriter().Str(QStringLiteral("track %1").arg(i)).Int(X(i)).Int(Y(i))
                      .Int(X(i) + 1050).Int(Y(i) + (i % 3) * 75).Int(1 + i % 10);
                }) &&
      WriteFile(folder + "image.txt", n,
                [](int i) {
                  return RecordWriter().Str(QStringLiteral("picture %1").arg(i))
                      .Str(QStringLiteral("\\data\\bench\\picture%1.bmp").arg(i % kPictures))
                      .Int(X(i) + 150).Int(Y(i) + 150).Bool(i % 2 == 0);
                }) &&
      WriteFile(folder + "label.txt", n,
                [](int i) {
                  return RecordWriter().Str(i % 4 == 0 ? QStringLiteral("%1L").arg(i * 2)
                                                       : QStringLiteral("LABEL %1").arg(i))
                      .Int(i % 4 == 0 ? 255 : 0).Bool(true).Bool(false).Bool(false)
                      .Str(QStringLiteral("Arial")).Int(8).Int(X(i)).Int(Y(i) - 225);
                }) &&
      WriteFile(folder + "signal.txt", n,
                [](int i) {
                  return RecordWriter().Str(QString::number(2 * (i % 63) + 2))
                      .Str(QString::number(2 * ((i + 1) % 63) + 2))
                      .Str(QStringLiteral("\\data\\bench\\C3R%1x.bmp").arg(i % kSignalPictures))
                      .Int(X(i) + 750).Int(Y(i) - 450);
                }) &&
      WriteFileAtomically(folder + "gauge.txt", RecordWriter().Int(6).Line()) &&
      WriteFileAtomically(folder + "path.txt", {}) &&
      WriteFileAtomically(root + QStringLiteral("/Max.txt"), {});
  return written ? root + QStringLiteral("/Max.txt") : QString();
}

}  // namespace kv::bench
