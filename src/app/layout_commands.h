#pragma once

#include <QObject>
#include <memory>

class QWidget;

namespace kv {

class ObjectPanel;
class Panel;
class PanelEditor;
class Session;

// The main window's work with the layout on disk: the panel the object files are read onto and
// written from, the displays the reading fills, the gauge display of a new layout, the save
// button and the backup. It finds the controls of other parts by name, so it works with
// whichever of them the window has.
class LayoutCommands : public QObject {
  Q_OBJECT

 public:
  LayoutCommands(Session& session, Panel& panel, QWidget& window);
  ~LayoutCommands() override;

  ObjectPanel& Objects();
  // lblCount shows the number the next track unit will get.
  void ShowNextTrackNumber(int next);
  // The one place that shows CurGauge: the gauge bar, when it can show it, its sample and
  // marker lines and the tunnel picture, the template track widths and imgBtnTrk's tool-tip.
  // Showing it writes nothing.
  void ShowCurGauge();
  // The user moved the gauge bar: CurGauge and the template take the value, it shows, and
  // gauge.txt is written (SaveGauge).
  void vsbGauge_Change(int gauge);
  // Writes CurGauge to gauge.txt when the layout's gauge file lies in the program folder; a
  // file that cannot be written is passed over, as the gauge holds for this run.
  void SaveGauge();
  // The editor whose move mode the save resets and whose undo steps it ends.
  void SetEditor(PanelEditor* editor) { editor_ = editor; }
  // A new layout's gauge display: CurGauge from the gauge bar (10 at start), the template track
  // widths, the creation toolbar's caption and the track button's tool-tip.
  void ShowGauge();

  // Connects imgBtnSave and vsbGauge, once the window has built them.
  void Connect();
  void imgBtnSave_MouseUp(Qt::MouseButton button);
  void fraToolbar_Click();
  // The panel at rest for a save: stacking option unticked, move option "none", arrow pointer.
  void SetNeutralState();

 private:
  Session& session_;
  Panel& panel_;
  QWidget& window_;
  std::unique_ptr<ObjectPanel> objects_;
  PanelEditor* editor_ = nullptr;
};

}  // namespace kv
