#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// The folder that holds the program's data: layouts, settings, pictures. Files name places in
// it as backslash paths from its top ("\data\sundries\version.txt"), written on Windows where
// names ignore case, so every name is matched here regardless of case.
class ProgramFolder {
 public:
  ProgramFolder() = default;
  explicit ProgramFolder(const QString& root);

  // Absolute, with '/' separators and no trailing separator.
  QString Root() const { return root_; }
  bool IsSet() const { return !root_.isEmpty(); }

  // The real path of a stored path. Each name that exists in some case is taken as it is on
  // disk; names that do not exist keep the stored spelling.
  QString Resolve(const QString& stored) const;

  // As Resolve, and creates the folders the path runs through (not its last name), so a writer
  // can create the file. Returns "" and sets *error when a folder cannot be made.
  QString ResolveForWrite(const QString& stored, QString* error = nullptr) const;

 private:
  QString root_;
};

// Joins names onto an existing folder, matching each name regardless of case.
QString ResolveIgnoringCase(const QString& base, const QStringList& names);

// Splits a stored path on backslashes and slashes, dropping empty names.
QStringList SplitStoredPath(const QString& stored);

// Where the program keeps its data: --program-folder DIR when given; else the executable's
// folder when a data folder lies beside it; else a per-user folder seeded once from the
// installed data (share/kelvarne beside bin/).
QString ChooseProgramFolder(const QString& executableDir, const QString& option);

}  // namespace kv
