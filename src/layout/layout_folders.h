#pragma once

#include <QString>
#include <QStringList>

#include "layout/layout_model.h"
#include "layout/program_folder.h"

namespace kv {

// A layout is a name, an empty project file "<name>.txt" that carries it, and a folder
// "Data/Layout Folders/<name>" beside the project file that holds its object files.

// Names keep at most this many characters: the load step cuts longer file names.
inline constexpr int kMaxLayoutName = 21;

// The layout's name from its project file: at most 25 characters of the file name, less the
// last 4 (".txt"). "/home/rail/My Layout.txt" gives "My Layout".
QString TakeLayoutName(const QString& projectFile);

// True when `path` lies inside the program folder (at any depth).
bool LiesInProgramFolder(const ProgramFolder& folder, const QString& path);

// LayoutFolder = the project file's folder + "Data/Layout Folders/" + LayoutName, and the ten
// file paths inside it. Each name is matched regardless of case, so a folder copied from
// Windows as "data/layout folders/My Layout/Track.TXT" is found.
void SetObjectFilePaths(LayoutModel& model);

// Why a name cannot be given to a new layout.
enum class LayoutNameProblem {
  kNone,
  kTaken,         // a project file or layout folder of that name exists (in any case)
  kTooLong,       // more than 21 characters: it would not reopen
  kBadCharacter,  // one of \ / : * ? " < > | or a control character
  kBadEnd,        // only dots and spaces, or ends in a dot or space (Windows drops those)
};
LayoutNameProblem CheckLayoutName(const ProgramFolder& folder, const QString& name,
                                  QChar* badCharacter = nullptr);

// The project file of a new layout (program folder + "/" + name + ".txt") created empty, then
// its folder; LayoutFolder is set. False with *error when either cannot be made.
bool CreateLayoutFolder(const ProgramFolder& folder, LayoutModel& model, QString* error);

// Sets SensorFile, SignalFile, ImageFile, LabelFile, LocoFile, TrackFile, GaugeFile and
// PathFile of a new layout and creates them empty; CoilNoFile and FunctionFile stay "".
bool CreateObjectFiles(LayoutModel& model, QString* error);

// The six files a backup copies, in its order.
QStringList BackedUpFiles();

// Copies each of the six files of `layoutFolder` onto "copy of " + its name, over any earlier
// copy. Returns the files that could not be copied, each with its reason.
QStringList BackUpObjectFiles(const QString& layoutFolder);

}  // namespace kv
