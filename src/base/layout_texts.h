#pragma once

#include <QString>
#include <QStringList>

namespace kv::texts {

// Texts shown about layouts on disk, outside the numbered messages.

// Follows the file's path in the message about a file that cannot be read: where and why.
inline QString AtLine(int line, const QString& reason) {
  if (line <= 0) return reason;
  return QStringLiteral("line %1: %2").arg(line).arg(reason);
}
inline QString WhereReadingStopped(int line, const QString& reason) {
  return QStringLiteral("\n") + AtLine(line, reason);
}

// Follows where the reading stopped: the file is not rewritten while it holds records that
// were never loaded.
inline QString KeptUntilMended() {
  return QStringLiteral(
      "\nThe file is kept as it is until it is mended: saving the layout does "
      "not rewrite it.");
}

// Pictures whose bitmap is missing, after the file's path: where each is, then what they
// become. At most `shown` of them are listed.
inline QString PictureStandIns(const QStringList& where, int shown) {
  QString text;
  for (int k = 0; k < where.size() && k < shown; ++k) text += QLatin1Char('\n') + where.at(k);
  if (where.size() > shown) text += QStringLiteral("\n... and %1 more").arg(where.size() - shown);
  return text + QStringLiteral(
                    "\nEach stands on the panel as a crossed box in its place and is "
                    "saved as it was.");
}

// A save that passed over files whose reading stopped; each line names a file and where.
inline QString FilesKeptTitle() {
  return QStringLiteral("some files were not saved");
}
inline QString FilesKept(const QStringList& where) {
  return QStringLiteral(
             "These files were not saved: their reading stopped at the line named, so that "
             "record and the ones after it are not on the panel. Each is kept as it is until "
             "it is mended:\n") +
         where.join(QLatin1Char('\n'));
}
inline QString KeptFileAt(const QString& file, int line, const QString& reason) {
  if (line <= 0) return QStringLiteral("%1: %2").arg(file, reason);
  return QStringLiteral("%1, line %2: %3").arg(file).arg(line).arg(reason);
}

// A file held more objects than a layout can have.
inline QString ObjectLimitTitle() { return QStringLiteral("too many objects"); }
inline QString ObjectLimit(const QString& file, int notTaken) {
  return QStringLiteral(
             "%1 holds %2 more records than a layout can have (255 of each kind); only the "
             "first 255 were loaded. The file is kept as it is until it is mended: saving the "
             "layout does not rewrite it.")
      .arg(file)
      .arg(notTaken);
}

// A text of the layout that its file cannot hold; the save stopped before that file.
inline QString CannotStoreTitle(const QString& file) { return file; }
inline QString CannotStore(const QString& reason) {
  return QStringLiteral("%1. Change it and save again: this file and the ones after it were not "
                        "written.")
      .arg(reason);
}

// The load dialog's answer is not a layout that can be opened.
inline QString NotALayoutTitle() { return QStringLiteral("Load a layout (e.g. 'My Layout')"); }
inline QString NotAProjectFile(const QString& file) {
  return QStringLiteral("%1 is not a project file: pick the layout's name followed by \".txt\".")
      .arg(file);
}
inline QString NoLayoutFolder(const QString& name, const QString& folder) {
  return QStringLiteral("The layout '%1' has no folder of object files: %2 does not exist.")
      .arg(name, folder);
}

// The new-layout prompt again, saying why the name given cannot be used.
inline QString NameTaken(const QString& name) {
  return QStringLiteral("'%1' is the name of a layout already.").arg(name);
}
inline QString NameTooLong(const QString& name, int most) {
  return QStringLiteral("'%1' is longer than %2 characters.").arg(name).arg(most);
}
inline QString NameBadCharacter(QChar c) {
  if (c.unicode() < 0x20) return QStringLiteral("A name cannot hold a control character.");
  return QStringLiteral("A name cannot hold the character %1 (nor any of \\ / : * ? \" < > |).")
      .arg(c);
}
inline QString NameBadEnd() {
  return QStringLiteral("A name cannot end in a dot or a space, nor be only dots and spaces.");
}
inline QString LayoutNotCreated(const QString& reason) {
  return QStringLiteral("The layout could not be created: %1.").arg(reason);
}
inline QString NewLayoutAgain(const QString& why) {
  return why + QStringLiteral("\nEnter the name of your new layout");
}

// Some of the files could not be copied by the backup.
inline QString BackupIncompleteTitle() { return QStringLiteral("back up all object files?"); }
inline QString BackupIncomplete(const QStringList& failures) {
  return QStringLiteral("These files were not backed up:\n") + failures.join(QLatin1Char('\n'));
}

}  // namespace kv::texts
