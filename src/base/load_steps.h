#pragma once

#include "layout/object_panel.h"

namespace kv {

class Session;

// The steps of opening a layout that meet the user: the load dialog, and the reading of each
// object file with what it tells when a file cannot be read.

// The load dialog, shown again after message 3 for as long as the file picked lies outside the
// program folder. Sets ProjectFile; Cancel (here or in message 3) ends the program.
void ChooseProjectFile(Session& session);

// ChooseProjectFile, TakeLayoutName and SetObjectFilePaths; a pick that is not a project file,
// or whose layout has no folder, is told and the dialog shown again. False when the program
// ended.
bool ChooseLayout(Session& session);

// The object readers. A sensor, track unit, picture or signal record that cannot be read
// stops its file's reading and shows message 2 (the file's path, the line and the reason, and
// that the file is kept as it is until mended); a sensor record that read as 0,0 stops
// quietly. Labels pass bad fields over. Pictures whose bitmap is missing are kept as stand-ins
// and told in one message 2; a signal whose picture cannot be shown shows message 15 and is
// kept. A file of more than 255 records loads the first 255 and says so.
void ReadSensorFile(Session& session, ObjectPanel& panel);
void ReadTrackFile(Session& session, ObjectPanel& panel);
void ReadImageFile(Session& session, ObjectPanel& panel);
void ReadLabelFile(Session& session, ObjectPanel& panel);
void ScanSignals(Session& session, ObjectPanel& panel);

}  // namespace kv
