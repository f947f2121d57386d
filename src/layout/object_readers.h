#pragma once

#include <QList>
#include <QString>

#include "layout/layout_model.h"
#include "layout/object_panel.h"
#include "layout/program_folder.h"

namespace kv {

// An object counted although the panel could not show it as stored (its picture is missing).
struct Unplaced {
  int index = 0;
  int line = 0;
  QString reason;
};

// How the reading of one object file ended. The objects placed before a failing record stay on
// the panel and are counted; the file is entered in the model's KeptFiles, so no save drops
// the records after it.
struct ReadOutcome {
  bool stopped = false;  // a record could not be read or placed; the reading stopped there
  int line = 0;          // the line of that record, or of the 256th (counting blank lines too)
  QString reason;        // what was wrong with it
  // A sensor record is reported only when it had a non-zero X or Y: a stop on a record that
  // read as 0,0 ends the reading quietly.
  bool quiet = false;
  int notTaken = 0;          // records beyond the 255th, left unread
  QList<Unplaced> unplaced;  // pictures and signals counted whose bitmap could not be shown
};

// The readers of the object files. Each works on the file named by its path variable in the
// model: "" means the layout has no such file and nothing happens. A missing file is created
// empty first (the gauge file excepted). Each record is parsed into the model's tables and then
// handed to the panel to place. The kind's count is set to the objects placed, and the
// reading index is left equal to it.

// sensor.txt: X, Y.
ReadOutcome ReadSensors(LayoutModel& model, ObjectPanel& panel);
// track.txt: name (dropped), X1, Y1, X2, Y2, width. The record goes to element 0 of the
// tables; CurGauge and TrackGauge(i) take the width. A width of 0 cannot be drawn.
ReadOutcome ReadTracks(LayoutModel& model, ObjectPanel& panel);
// image.txt: tool-tip, picture, X, Y, on top. A picture whose bitmap cannot be loaded does not
// stop the reading: it stands on the panel in its place, is counted and listed in `unplaced`,
// and a save writes its record back as it was.
ReadOutcome ReadImages(LayoutModel& model, const ProgramFolder& folder, ObjectPanel& panel);
// label.txt: text, colour, bold, italic, underline, font name, font size, X, Y. A bad field is
// passed over (the table keeps its empty value) and the label is placed all the same; a red
// label whose text holds "L" sets HasDccPoints.
ReadOutcome ReadLabels(LayoutModel& model, ObjectPanel& panel);
// signal.txt at start-up: coil A, coil B, picture, X, Y. A picture that cannot be shown does not
// stop the scan: the signal is counted and listed in `unplaced`.
ReadOutcome ReadSignals(LayoutModel& model, const ProgramFolder& folder, ObjectPanel& panel);

// gauge.txt: one number, the gauge of new track units. The file is not created. False, leaving
// CurGauge as the track reading left it, when it is missing, empty, unreadable or holds no
// gauge the gauge bar can show (1 to 10).
bool ReadGauge(LayoutModel& model);

inline constexpr int kMinGauge = 1;
inline constexpr int kMaxGauge = 10;

}  // namespace kv
