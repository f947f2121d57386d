#include "demo_layout.h"

#include <QDir>
#include <QList>

#include "layout/atomic_file.h"
#include "layout/record_codec.h"

namespace kv::demo {

namespace {

constexpr int kRed = 255;          // points labels: hidden until the numbers are shown
constexpr int kBlack = 0;          // upper case: entrance and exit labels
constexpr int kBlue = 0xFF0000;    // Windows colours keep blue in the high byte

struct Track {
  int x1, y1, x2, y2, gauge;
};

// A small through station on a 75-twip grid: the main line (platform 1) from A to B, a loop
// (platform 2) between points 12 and 14, a bay off the loop at points 18 and a goods siding off
// the main line at points 16.
const QList<Track> kTracks = {
    // main line, platform 1
    {750, 4500, 2250, 4500, 6}, {2250, 4500, 3750, 4500, 6}, {3750, 4500, 4500, 4500, 6},
    {4500, 4500, 6000, 4500, 6}, {6000, 4500, 7500, 4500, 6}, {7500, 4500, 9000, 4500, 6},
    {9000, 4500, 10500, 4500, 6}, {10500, 4500, 12000, 4500, 6}, {12000, 4500, 13500, 4500, 6},
    {13500, 4500, 15000, 4500, 6}, {15000, 4500, 16500, 4500, 6}, {16500, 4500, 18000, 4500, 6},
    // loop, platform 2
    {4500, 4500, 5250, 3750, 6}, {5250, 3750, 6750, 3750, 6}, {6750, 3750, 8250, 3750, 6},
    {8250, 3750, 9750, 3750, 6}, {9750, 3750, 11250, 3750, 6}, {11250, 3750, 12750, 3750, 6},
    {12750, 3750, 13500, 4500, 6},
    // bay; its far end sees little use and is drawn dashed
    {6750, 3750, 7500, 3000, 4}, {7500, 3000, 9000, 3000, 4}, {9000, 3000, 10500, 3000, 1},
    {10500, 2850, 10500, 3150, 4},
    // goods siding
    {15000, 4500, 15750, 5250, 4}, {15750, 5250, 17250, 5250, 4}, {17250, 5100, 17250, 5400, 4},
};

struct Label {
  const char* text;
  int colour;
  bool bold, italic;
  int size, x, y;
};

const QList<Label> kLabels = {
    {"12", kRed, true, false, 8, 4200, 4725},    {"14", kRed, true, false, 8, 13350, 4725},
    {"16", kRed, true, false, 8, 14850, 4725},   {"18", kRed, true, false, 8, 6450, 3300},
    {"A", kBlack, true, false, 10, 600, 4050},   {"B", kBlack, true, false, 10, 17850, 4050},
    {"PLATFORM 1", kBlack, true, false, 8, 10650, 4725},
    {"PLATFORM 2", kBlack, true, false, 8, 8400, 3900},
    {"BAY", kBlack, true, false, 8, 7650, 2625}, {"GOODS", kBlack, true, false, 8, 15900, 5400},
    {"Kelvarne Halt", kBlue, true, true, 14, 900, 1500},
};

bool Write(const QString& path, const QList<RecordWriter>& records, QString* error) {
  QByteArray bytes;
  for (const RecordWriter& r : records) {
    if (!r.Ok()) {
      if (error) *error = r.Error();
      return false;
    }
    bytes += r.Line();
  }
  return WriteFileAtomically(path, bytes, error);
}

}  // namespace

bool WriteLayout(const QString& data, QString* error) {
  const QString folder = data + QStringLiteral("/Data/Layout Folders/Demo Layout/");
  if (!QDir().mkpath(folder)) {
    if (error) *error = QStringLiteral("%1 cannot be created").arg(folder);
    return false;
  }
  QList<RecordWriter> tracks;
  for (const Track& t : kTracks) {
    tracks << RecordWriter().Str(QStringLiteral("track %1").arg(tracks.size() + 1)).Int(t.x1)
                  .Int(t.y1).Int(t.x2).Int(t.y2).Int(t.gauge);
  }
  QList<RecordWriter> labels;
  for (const Label& l : kLabels) {
    labels << RecordWriter().Str(QString::fromUtf8(l.text)).Int(l.colour).Bool(l.bold)
                  .Bool(l.italic).Bool(false).Str(QStringLiteral("Arial")).Int(l.size).Int(l.x)
                  .Int(l.y);
  }
  const QList<RecordWriter> images = {
      RecordWriter().Str(QStringLiteral("Station building \u2013 Kelvarne Halt"))
          .Str(QStringLiteral("\\data\\pictures\\station.bmp")).Int(7500).Int(4950).Bool(true)};
  const QList<RecordWriter> signalRecords = {
      RecordWriter().Str("20").Str("22").Str(QStringLiteral("\\data\\sig\\C3R2x.bmp")).Int(3450)
          .Int(3825),
      RecordWriter().Str("24").Str("26").Str(QStringLiteral("\\data\\sig\\SHRxx.bmp")).Int(12150)
          .Int(3000)};
  const QList<RecordWriter> sensors = {RecordWriter().Int(2400).Int(4800)};
  // Three routes, in title order: the two from A share the main line up to points 12, so
  // either locks the other out; the goods siding's shares no track with them. The signal at A
  // clears to green for the main line (recorded with the right button: 20 + 128) and to
  // yellow for the loop.
  QList<RecordWriter> routes;
  for (const char* line :
       {"A to PLATFORM 1 ", "line track units are 1,2,3,4,5,6,7,8,", "points solenoids are ",
        "signal solenoids are 148,", "A to PLATFORM 2 ", "line track units are 1,2,3,13,14,15,16,",
        "points solenoids are 12,", "signal solenoids are 20,", "GOODS to B ",
        "line track units are 25,24,11,12,", "points solenoids are 16,",
        "signal solenoids are "}) {
    routes << RecordWriter().Str(QString::fromLatin1(line));
  }
  // Two locos for the DCC systems, and names for the functions most decoders have.
  const QList<RecordWriter> locos = {RecordWriter().Str("0047").Str("47123"),
                                     RecordWriter().Str("1015").Str("D1015")};
  const char* functionLabels[13] = {"lights", "bell", "horn", "coupler", "sound"};
  const bool latching[13] = {true, true, false, false, true};
  QList<RecordWriter> functions;
  for (int f = 0; f < 13; ++f) {
    QString caption = QStringLiteral("F%1   OFF").arg(f);
    if (functionLabels[f]) caption += QLatin1Char(' ') + QLatin1String(functionLabels[f]);
    functions << RecordWriter().Str(caption).Int(latching[f] ? -1 : 0);
  }
  return Write(data + QStringLiteral("/Demo Layout.txt"), {}, error) &&
         Write(folder + QStringLiteral("track.txt"), tracks, error) &&
         Write(folder + QStringLiteral("label.txt"), labels, error) &&
         Write(folder + QStringLiteral("image.txt"), images, error) &&
         Write(folder + QStringLiteral("signal.txt"), signalRecords, error) &&
         Write(folder + QStringLiteral("sensor.txt"), sensors, error) &&
         Write(folder + QStringLiteral("gauge.txt"), {RecordWriter().Int(6)}, error) &&
         Write(folder + QStringLiteral("path.txt"), routes, error) &&
         Write(folder + QStringLiteral("loco.txt"), locos, error) &&
         Write(folder + QStringLiteral("function.txt"), functions, error);
}

}  // namespace kv::demo
