#pragma once

#include <QString>

#include "layout/program_folder.h"

namespace kv {

// Pictures a layout shows are stored by their path below the program folder, e.g.
// "\data\pictures\shed.bmp", so a layout folder opens wherever the program folder lies.

// At most this many characters of such a path fit a picture's record.
inline constexpr int kMaxPicturePath = 100;

// The stored form of `file`: a backslash and its path below the program folder, with
// backslashes; "" when it does not lie inside the program folder.
QString StoredPicturePath(const ProgramFolder& folder, const QString& file);

// Where pictures from outside the program folder are copied: "\data\pictures".
QString PicturesFolderStored();
// Its real path, made when it is missing, so the picture dialog can open there.
QString PicturesFolder(const ProgramFolder& folder);

// Copies `file` into the pictures folder, under its own name or, when a different file has
// that name already, its name with " (2)", " (3)" ... before the extension; a file with the
// same content is taken as the copy. Returns the copy's path, or "" and *error.
QString CopyIntoPictures(const ProgramFolder& folder, const QString& file, QString* error);

// The name the copy of `file` would get in the pictures folder (nothing is copied).
QString PictureCopyName(const ProgramFolder& folder, const QString& file);

}  // namespace kv
