#pragma once

#include <QObject>
#include <memory>

#include "layout/program_folder.h"

namespace kv {

class HelpWindow;

// imgIcon_Click of the start window and imgBtnHelp_MouseUp of the main window: the help window
// is loaded with the help document the first time and made visible every time.
class HelpOpener : public QObject {
  Q_OBJECT

 public:
  explicit HelpOpener(const ProgramFolder& folder, QObject* parent = nullptr);
  ~HelpOpener() override;

  HelpWindow* Open();
  // The help window, or nullptr while it has not been opened.
  HelpWindow* window() const { return window_.get(); }

 private:
  ProgramFolder folder_;
  std::unique_ptr<HelpWindow> window_;
};

}  // namespace kv
