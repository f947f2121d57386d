#include "hardware/ui/monitor_lines.h"

namespace kv {

MonitorLines::MonitorLines(Scheduler& scheduler, HardwareMonitor& monitor, QObject* parent)
    : QAbstractListModel(parent), scheduler_(scheduler), monitor_(monitor) {
  connect(&monitor_, &HardwareMonitor::entryAdded, this, &MonitorLines::Changed);
  connect(&monitor_, &HardwareMonitor::cleared, this, &MonitorLines::Publish);
}

MonitorLines::~MonitorLines() {
  if (refresh_) scheduler_.Cancel(refresh_);
}

void MonitorLines::SetLive(bool live) {
  live_ = live;
  if (live_) Publish();
}

void MonitorLines::Changed() {
  if (live_ && !refresh_)
    refresh_ = scheduler_.After(kRefreshMs, [this]() {
      refresh_ = 0;
      Publish();
    });
}

void MonitorLines::Publish() {
  if (refresh_) scheduler_.Cancel(refresh_);
  refresh_ = 0;
  beginResetModel();
  shown_.assign(monitor_.Entries().begin(), monitor_.Entries().end());
  endResetModel();
}

int MonitorLines::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

QVariant MonitorLines::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= static_cast<int>(shown_.size())) return {};
  const MonitorEntry& entry = shown_.at(static_cast<std::size_t>(index.row()));
  if (role == Qt::DisplayRole) return HardwareMonitor::Line(entry);
  if (role == Qt::UserRole) return static_cast<int>(entry.kind);
  return {};
}

}  // namespace kv
