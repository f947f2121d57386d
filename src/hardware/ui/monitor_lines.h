#pragma once

#include <QAbstractListModel>
#include <vector>

#include "base/scheduler.h"
#include "hardware/hardware_monitor.h"

namespace kv {

// The monitor's lines for a list view, brought up to date at most every kRefreshMs while the
// view is shown. A loco walk adds a line every few ms; a view that followed each one would lay
// out and repaint as often, and a paint under way holds back the relay stack's next phase.
class MonitorLines : public QAbstractListModel {
  Q_OBJECT

 public:
  static constexpr int kRefreshMs = 250;

  MonitorLines(Scheduler& scheduler, HardwareMonitor& monitor, QObject* parent = nullptr);
  ~MonitorLines() override;

  // While live the lines follow the monitor; going live shows what it holds at once.
  void SetLive(bool live);
  // Shows what the monitor holds now.
  void Publish();

  int rowCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;

 private:
  void Changed();

  Scheduler& scheduler_;
  HardwareMonitor& monitor_;
  std::vector<MonitorEntry> shown_;
  bool live_ = false;
  Scheduler::TaskId refresh_ = 0;  // a refresh is due
};

}  // namespace kv
