#pragma once

#include <QDateTime>
#include <QObject>
#include <QElapsedTimer>
#include <functional>
#include <map>

class QTimer;

namespace kv {

// Time for everything that waits: a monotonic clock in milliseconds and "run this after n ms".
// The real one runs on Qt timers; the virtual one only moves when a test advances it, so timed
// sequences are checked to the millisecond in microseconds of real time.
class Scheduler {
 public:
  using TaskId = quint64;
  virtual ~Scheduler() = default;

  // Milliseconds since the scheduler started; never goes back, not even at midnight.
  virtual qint64 NowMs() const = 0;
  // The local date and time, for what the user reads (the caption's clock).
  virtual QDateTime WallClock() const = 0;

  // Runs `task` once, `ms` from now (0: as soon as control returns to the event loop).
  virtual TaskId After(qint64 ms, std::function<void()> task) = 0;
  virtual void Cancel(TaskId id) = 0;

  // Waits up to `ms` while events go on being handled (the window keeps painting and other
  // handlers may run), returning early once `done` holds. Returns whether `done` held.
  virtual bool WaitFor(qint64 ms, const std::function<bool()>& done = {}) = 0;
};

class RealScheduler final : public Scheduler {
 public:
  RealScheduler();
  ~RealScheduler() override;
  qint64 NowMs() const override;
  QDateTime WallClock() const override;
  TaskId After(qint64 ms, std::function<void()> task) override;
  void Cancel(TaskId id) override;
  bool WaitFor(qint64 ms, const std::function<bool()>& done = {}) override;

 private:
  QElapsedTimer clock_;
  TaskId next_ = 1;
  std::map<TaskId, QTimer*> timers_;
};

class VirtualScheduler final : public Scheduler {
 public:
  // The wall clock starts at `start` and moves with the virtual time.
  explicit VirtualScheduler(const QDateTime& start = QDateTime(QDate(2026, 12, 5), QTime(9, 41)));
  qint64 NowMs() const override { return now_; }
  QDateTime WallClock() const override { return start_.addMSecs(now_); }
  TaskId After(qint64 ms, std::function<void()> task) override;
  void Cancel(TaskId id) override;
  bool WaitFor(qint64 ms, const std::function<bool()>& done = {}) override;

  // Moves time on by `ms`, running every task that falls due, in time order, each at its time.
  void Advance(qint64 ms);
  // Runs due tasks until none is left within `limitMs`; returns false if some remain.
  bool RunUntilIdle(qint64 limitMs = 60'000);
  void SetWallClock(const QDateTime& now) { start_ = now.addMSecs(-now_); }
  int PendingTasks() const { return static_cast<int>(tasks_.size()); }

 private:
  // Runs the earliest task due at or before `until`; false when there is none.
  bool RunNext(qint64 until);
  struct Key {
    qint64 due;
    TaskId id;
    bool operator<(const Key& o) const { return due != o.due ? due < o.due : id < o.id; }
  };
  std::map<Key, std::function<void()>> tasks_;
  qint64 now_ = 0;
  TaskId next_ = 1;
  QDateTime start_;
};

// A window timer on the Scheduler: while enabled with an interval above 0 it ticks every
// interval. Setting the interval restarts the count, as window timers do.
class IntervalTimer {
 public:
  IntervalTimer(Scheduler& scheduler, std::function<void()> onTick);
  ~IntervalTimer();
  IntervalTimer(const IntervalTimer&) = delete;
  IntervalTimer& operator=(const IntervalTimer&) = delete;

  void SetInterval(int ms);
  int Interval() const { return interval_; }
  void SetEnabled(bool enabled);
  bool Enabled() const { return enabled_; }
  bool Running() const { return enabled_ && interval_ > 0; }

 private:
  void Arm();
  void Disarm();
  Scheduler& scheduler_;
  std::function<void()> onTick_;
  int interval_ = 0;
  bool enabled_ = true;
  Scheduler::TaskId pending_ = 0;
};

}  // namespace kv
