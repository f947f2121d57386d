#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "base/scheduler.h"
#include "hardware/board_protocol.h"

class QLabel;
class QListView;
class QProgressBar;
class QShortcut;

namespace kv {

class BoardLibrary;
class DccLink;
class HardwareMonitor;
class Lamp;
class MonitorLines;
class Session;

// The hardware monitor window: the relay stack's eight outputs as lamps with the solenoid
// number they form, the PWM outputs, the board's inputs, the state of both links, and the
// monitor's lines (XpressNet frames both ways and board changes), which can be saved as a text
// log. A thin view over HardwareMonitor: while shown it repaints what changed, the lines at most
// every MonitorLines::kRefreshMs, and reads the inputs every 100 ms, never more.
class MonitorWindow : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kInputPollMs = 100;

  MonitorWindow(Session& session, HardwareMonitor& monitor, QWidget* parent = nullptr);
  ~MonitorWindow() override;

  MonitorLines& lines() { return *lines_; }
  // Asks for a file name and writes the log there.
  void cmdSaveLog_Click();
  // The inputs and the state of the links, as the poll shows them.
  void Refresh();
  IntervalTimer& InputPoll() { return *poll_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  QWidget* BuildOutputs();
  QWidget* BuildInputs();
  void ShowOutputs(const BoardOutputState& outputs);
  void FollowNewest();

  Session& session_;
  HardwareMonitor& monitor_;
  std::unique_ptr<IntervalTimer> poll_;
  QLabel* modemState_ = nullptr;
  QLabel* boardState_ = nullptr;
  std::array<Lamp*, 8> outputs_{};
  QLabel* solenoid_ = nullptr;
  std::array<QProgressBar*, 2> pwm_{};
  std::array<Lamp*, 5> inputs_{};
  std::array<QProgressBar*, 2> analog_{};
  MonitorLines* lines_ = nullptr;
  QListView* list_ = nullptr;
  bool atEnd_ = true;
};

// The monitor as the main window holds it: it watches from the start, and F9 shows its window.
class MonitorHost : public QObject {
  Q_OBJECT

 public:
  MonitorHost(Session& session, QWidget* mainWindow, DccLink& link, BoardLibrary& board);
  // The window goes before the monitor it shows.
  ~MonitorHost() override;
  void ShowMonitorWindow();
  HardwareMonitor& monitor() { return *monitor_; }
  MonitorWindow* monitorWindow() const { return window_.get(); }

 private:
  Session& session_;
  QWidget* mainWindow_;
  std::unique_ptr<HardwareMonitor> monitor_;
  std::unique_ptr<MonitorWindow> window_;
};

}  // namespace kv
