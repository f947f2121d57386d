#pragma once

#include <QObject>
#include <QString>
#include <functional>

#include "panel/panel_items.h"

namespace kv {

class Panel;
class Routes;
class Session;

// Recording a route on the panel, step by step as the panel's clicks come in: in Modify mode
// an entrance label, then an exit label (black, all in capitals), message 7; then the track
// units by their numbers (a left click adds one and turns its number green, a right click
// takes back the one added last, a second click on the last ends the step), message 5 and the
// points labels (until the same label is clicked twice), message 6 and the signals (one a
// click: the left button for the coil, the right one for the coil + 128), message 10 and the
// filing. The caption shows the prompts meanwhile and mnuPathRec the record as it grows.
// Nothing waits for the clicks: the window stays live, and Abandon (Escape, the mode picture)
// ends a recording at any step, filing nothing.
//
// Outside Modify mode the same pair of labels sets the route between them, or clears it when
// it is set; a pair with no free route shows message 12.
class RouteRecorder : public QObject {
  Q_OBJECT

 public:
  enum class Phase { kIdle, kLines, kPoints, kSignals };

  // What recording shows and switches elsewhere in the window.
  struct Hooks {
    std::function<void(const QString&)> setCaption;      // a prompt in Form1's caption
    std::function<void()> updateCaption;                 // the caption as the clock shows it
    std::function<void(const QString&)> showPathRecord;  // mnuPathRec's caption
    std::function<void()> togglePointsNumbers;
    std::function<void()> refreshTrackNumbers;
    std::function<void()> showModeToolbars;
    std::function<void()> playFiledSound;
  };

  RouteRecorder(Session& session, Panel& panel, Routes& routes, QObject* parent = nullptr);
  void SetHooks(Hooks hooks) { hooks_ = std::move(hooks); }

  Phase CurrentPhase() const { return phase_; }
  bool EntryPicked() const { return entryPicked_; }

  // PickEntryExit: label `index` was clicked to pick an entrance or an exit.
  void PickEntryExit(int index);
  // A Modify-mode click on a label, track number or signal. While a route is recorded it is
  // the recording's, and taken (true); otherwise a label click picks (unless objects are
  // being moved) and the editor has the click too (false).
  bool ModifyClick(PanelObject kind, int index, Qt::MouseButton button, bool moving);
  // The second click of a double click: the end of the track units or of the points.
  void DoubleClick(PanelObject kind, int index, Qt::MouseButton button);
  // Ends a recording without filing it; a picked entrance is forgotten.
  void Abandon();

 private:
  void SetPrompt(int n);
  void RecordPath();
  void LineNumberClicked(int unit, Qt::MouseButton button);
  void MarkNumber(int unit, bool picked);
  void EndLines();
  void PointsClicked(int index);
  void SignalClicked(int index, Qt::MouseButton button);
  void SignalsPhase(bool signalRecorded);
  void AddToPathLine(int k, const QString& heading, const QString& item);
  void ShowPathRecord();
  void FinishRecording();
  void EndRecording();

  Session& session_;
  Panel& panel_;
  Routes& routes_;
  Hooks hooks_;
  Phase phase_ = Phase::kIdle;
  bool entryPicked_ = false;
  bool busy_ = false;   // a step runs (a question may be open): clicks wait for none
  int lastLineNo_ = 0;  // LastLineNo: the number added last, 0 after a take-back
  int lastAdded_ = 0;   // the number a right click takes back; 0 when there is none
};

}  // namespace kv
