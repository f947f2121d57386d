#include "base/scheduler.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace kv {

RealScheduler::RealScheduler() { clock_.start(); }

RealScheduler::~RealScheduler() {
  for (auto& [id, timer] : timers_) delete timer;
}

qint64 RealScheduler::NowMs() const { return clock_.elapsed(); }

QDateTime RealScheduler::WallClock() const { return QDateTime::currentDateTime(); }

Scheduler::TaskId RealScheduler::After(qint64 ms, std::function<void()> task) {
  const TaskId id = next_++;
  auto* timer = new QTimer;
  timer->setSingleShot(true);
  timer->setTimerType(Qt::PreciseTimer);
  QObject::connect(timer, &QTimer::timeout, timer, [this, id, task = std::move(task)]() {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    it->second->deleteLater();
    timers_.erase(it);
    task();
  });
  timers_[id] = timer;
  timer->start(static_cast<int>(qMax<qint64>(0, ms)));
  return id;
}

void RealScheduler::Cancel(TaskId id) {
  auto it = timers_.find(id);
  if (it == timers_.end()) return;
  it->second->stop();
  it->second->deleteLater();
  timers_.erase(it);
}

bool RealScheduler::WaitFor(qint64 ms, const std::function<bool()>& done) {
  if (done && done()) return true;
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.setTimerType(Qt::PreciseTimer);
  QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  // The condition is looked at every millisecond: what makes it true arrives as an event.
  QTimer poll;
  poll.setTimerType(Qt::PreciseTimer);
  if (done) {
    QObject::connect(&poll, &QTimer::timeout, &loop, [&]() {
      if (done()) loop.quit();
    });
    poll.start(1);
  }
  deadline.start(static_cast<int>(qMax<qint64>(0, ms)));
  loop.exec();
  return done && done();
}

VirtualScheduler::VirtualScheduler(const QDateTime& start) : start_(start) {}

Scheduler::TaskId VirtualScheduler::After(qint64 ms, std::function<void()> task) {
  const TaskId id = next_++;
  tasks_.emplace(Key{now_ + qMax<qint64>(0, ms), id}, std::move(task));
  return id;
}

void VirtualScheduler::Cancel(TaskId id) {
  for (auto it = tasks_.begin(); it != tasks_.end(); ++it) {
    if (it->first.id == id) {
      tasks_.erase(it);
      return;
    }
  }
}

bool VirtualScheduler::RunNext(qint64 until) {
  if (tasks_.empty() || tasks_.begin()->first.due > until) return false;
  auto node = tasks_.extract(tasks_.begin());
  now_ = qMax(now_, node.key().due);
  node.mapped()();
  return true;
}

void VirtualScheduler::Advance(qint64 ms) {
  const qint64 target = now_ + ms;
  while (RunNext(target)) {
  }
  now_ = qMax(now_, target);
}

bool VirtualScheduler::WaitFor(qint64 ms, const std::function<bool()>& done) {
  const qint64 target = now_ + ms;
  if (done && done()) return true;
  while (RunNext(target)) {
    if (done && done()) return true;
  }
  now_ = qMax(now_, target);
  return done && done();
}

bool VirtualScheduler::RunUntilIdle(qint64 limitMs) {
  const qint64 limit = now_ + limitMs;
  while (RunNext(limit)) {
  }
  return tasks_.empty();
}

IntervalTimer::IntervalTimer(Scheduler& scheduler, std::function<void()> onTick)
    : scheduler_(scheduler), onTick_(std::move(onTick)) {}

IntervalTimer::~IntervalTimer() { Disarm(); }

void IntervalTimer::SetInterval(int ms) {
  interval_ = qMax(0, ms);
  Disarm();
  Arm();
}

void IntervalTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Disarm();
  Arm();
}

void IntervalTimer::Arm() {
  if (!Running()) return;
  pending_ = scheduler_.After(interval_, [this]() {
    pending_ = 0;
    Arm();  // the next tick is counted from this one, before the handler runs
    onTick_();
  });
}

void IntervalTimer::Disarm() {
  if (pending_ != 0) scheduler_.Cancel(pending_);
  pending_ = 0;
}

}  // namespace kv
