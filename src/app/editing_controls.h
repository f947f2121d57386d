#pragma once

#include <QObject>

namespace kv {

class MainWindow;
class ObjectCreation;
class PanelEditor;
class Sensors;

// Editing the layout and the sensor boxes, as the main window holds them: the panel editor
// (move options, selection, moving, the dustbin), the create buttons, undo and redo (Ctrl+Z,
// Ctrl+Y), the sensor boxes with the USB board's inputs as their source, and the displays that
// follow the counts (lblCount, the create buttons' tool-tips).
class EditingControls : public QObject {
  Q_OBJECT

 public:
  explicit EditingControls(MainWindow& window);
  ~EditingControls() override;

  PanelEditor& editor() { return *editor_; }
  ObjectCreation& creation() { return *creation_; }
  Sensors& sensors() { return *sensors_; }

 private:
  PanelEditor* editor_;
  ObjectCreation* creation_;
  Sensors* sensors_;
};

}  // namespace kv
