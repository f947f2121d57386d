#pragma once

#include <QString>

namespace kv::texts {

// Creating a signal: the file dialog, the coils of a fixed signal, and what stops a creation.

inline QString FetchSignalTitle() {
  return QStringLiteral("Fetch a signal in 'ON' position/aspect, e.g. drawn in MS 'Paint'");
}
inline QString FixedCoil() {
  return QStringLiteral("fixed");
}
// Where the file dialog opens: the signal library.
inline QString SignalLibrary() {
  return QStringLiteral("\\data\\sig");
}

inline QString SignalNotAddedTitle() {
  return QStringLiteral("signal not added");
}
inline QString SignalOutsideFolder(const QString& file, const QString& library) {
  return QStringLiteral(
             "%1 lies outside the program folder. A signal's bitmap, and the bitmaps of its other "
             "aspects beside it, must lie in the program folder, as the signal library %2 does. "
             "No signal was added.")
      .arg(file, library);
}
inline QString SignalWithoutAspect(const QString& file) {
  return QStringLiteral(
             "The name of %1 does not end in a five-letter aspect code before \".bmp\" (as in "
             "C3R2x.bmp), from which the names of the signal's aspects are made. No signal was "
             "added.")
      .arg(file);
}
inline QString SignalPathTooLong(const QString& stored, int limit) {
  return QStringLiteral(
             "The bitmap's path below the program folder, %1, is longer than the %2 characters "
             "a layout can keep. Move it to a shorter path and fetch it again. No signal was "
             "added.")
      .arg(stored)
      .arg(limit);
}
inline QString SignalPathNotStorable(const QString& stored, QChar bad) {
  return QStringLiteral(
             "The bitmap's path %1 holds the character %2, which signal.txt cannot store. "
             "Rename it and fetch it again. No signal was added.")
      .arg(stored, QString(bad));
}
inline QString SignalNotLoaded(const QString& reason) {
  return reason + QStringLiteral(" No signal was added.");
}
inline QString CoilNoNotWritten(const QString& file, const QString& reason) {
  return QStringLiteral(
             "%1 could not be written (%2), so the next signal would take the same coil number. "
             "No signal was added.")
      .arg(file, reason);
}

}  // namespace kv::texts
