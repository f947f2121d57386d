#pragma once

#include <QString>
#include <QtGlobal>

namespace kv {

// Starts other programs: the word processor, or the desktop's own application for a folder.
class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts `program` on its own; its process id in *pid. False when it cannot be started.
  virtual bool StartProgram(const QString& program, qint64* pid) = 0;
  // Opens `folder` with the desktop's default application. False when there is none.
  virtual bool OpenFolder(const QString& folder) = 0;
};

class DesktopLauncher final : public Launcher {
 public:
  bool StartProgram(const QString& program, qint64* pid) override;
  bool OpenFolder(const QString& folder) override;
};

}  // namespace kv
