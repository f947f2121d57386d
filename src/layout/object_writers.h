#pragma once

#include <QByteArray>
#include <QString>

#include "layout/layout_model.h"
#include "layout/object_panel.h"

namespace kv {

// The records of one kind, objects 1 to Count, as its object file holds them. Each object's
// position is first copied from the panel into the position tables, rounded half to even.
// False, with the object and the reason in *error, when a text cannot be stored in the file
// (a double quote, a line break, a character outside Windows-1252).
bool ComposeSensorFile(LayoutModel& model, const ObjectPanel& panel, QByteArray* bytes,
                       QString* error);
bool ComposeLabelFile(LayoutModel& model, const ObjectPanel& panel, QByteArray* bytes,
                      QString* error);
bool ComposeImageFile(LayoutModel& model, const ObjectPanel& panel, QByteArray* bytes,
                      QString* error);
// Coil A is the signal's tool-tip; coil B its tag when it has one, else the table's coil B. A
// signal showing its other aspect is written as stored: the table's coil A, its stored picture.
bool ComposeSignalFile(LayoutModel& model, const ObjectPanel& panel, QByteArray* bytes,
                       QString* error);
// Every unit is renamed "track " followed by its number, unless `keepNames` (a deletion keeps
// the names the units had before it: the reader drops them).
bool ComposeTrackFile(LayoutModel& model, const ObjectPanel& panel, QByteArray* bytes,
                      QString* error, bool keepNames = false);

// Empties the file and fills it with `bytes` in one step: a failure leaves it as it was.
bool RewriteFile(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// How writing the object files ended.
struct WriteOutcome {
  enum Failure { kNone, kCannotWrite, kCannotStore };
  Failure failure = kNone;
  QString file;    // the file that was not written (also left in TargetFile)
  QString reason;
  bool Ok() const { return failure == kNone; }
};

// Writes the five files the panel edits in the order sensor, label, image, signal, track, each
// with TargetFile set to its path. A file in the model's KeptFiles is passed over, untouched.
// Stops at the first file that cannot be composed or written: the files before it keep their
// new contents, that one and the ones after it are untouched.
WriteOutcome WriteObjectFiles(LayoutModel& model, ObjectPanel& panel);

}  // namespace kv
