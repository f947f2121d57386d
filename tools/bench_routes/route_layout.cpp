#include "route_layout.h"

#include <QDir>
#include <QFile>

#include "layout/atomic_file.h"
#include "layout/layout_model.h"
#include "layout/path_file.h"
#include "layout/record_codec.h"
#include "maximal_layout.h"

namespace kv::bench {

QString WriteRouteLayout(const QString& root, bool dcc) {
  const QString project = kv::bench::WriteMaximalLayout(root);
  if (project.isEmpty()) return {};
  const QString folder = root + QStringLiteral("/Data/Layout Folders/Max/");
  QDir().mkpath(root + QStringLiteral("/data/sundries"));
  QByteArray labels, paths;
  for (int i = 1; i <= kv::kMaxObjects; ++i) {
    const bool points = i % 4 == 0;
    const QString caption =
        points ? QString::number(i * 2) + (dcc ? "L" : "") : QStringLiteral("LABEL %1").arg(i);
    labels += kv::RecordWriter()
                  .Str(caption)
                  .Int(points ? 255 : 0)
                  .Bool(true)
                  .Bool(false)
                  .Bool(false)
                  .Str("Arial")
                  .Int(8)
                  .Int(600 + ((i - 1) % 17) * 1050)
                  .Int(675 + ((i - 1) / 17) * 675)
                  .Line();
  }
  QString all;
  for (int u = 1; u <= kv::kMaxObjects; ++u) all += QString::number(u) + ',';
  for (int r = 0; r < kv::kMaxPaths; ++r) {
    paths += kv::RecordWriter().Str(QStringLiteral("R%1 to X ").arg(r, 3, 10, QChar('0'))).Line();
    paths += kv::RecordWriter()
                 .Str("line track units are " + (r == 0 ? all : QString::number(r) + ','))
                 .Line();
    paths += kv::RecordWriter()
                 .Str(QString("points solenoids are ") + (r == 0 ? (dcc ? "8L," : "8,") : ""))
                 .Line();
    paths += kv::RecordWriter().Str(QString("signal solenoids are ") + (r == 0 ? "6," : "")).Line();
  }
  // The other aspects of the signals, and the dwell the relay stack and the accessories
  // take: the shortest each allows (500 ms on the relay stack, 0.2 s on "DCC").
  bool ok = kv::WriteFileAtomically(folder + "label.txt", labels) &&
            kv::WriteFileAtomically(folder + "path.txt", paths) &&
            kv::WriteFileAtomically(root + "/data/sundries/wait.txt", dcc ? ".2\r\n" : "500\r\n") &&
            kv::WriteFileAtomically(root + "/data/sundries/port.txt", "1\r\n");
  for (int k = 0; k < 3; ++k) {
    for (const char* code : {"C3Y%1x.bmp", "C3G%1x.bmp"}) {
      ok = ok && QFile::copy(root + QStringLiteral("/data/bench/C3R%1x.bmp").arg(k),
                             root + "/data/bench/" + QString::fromLatin1(code).arg(k));
    }
  }
  return ok ? project : QString();
}

}  // namespace kv::bench
