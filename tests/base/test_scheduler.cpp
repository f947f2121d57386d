#include <QElapsedTimer>
#include <QTest>

#include "base/scheduler.h"
#include "support/test_session.h"

using kv::IntervalTimer;
using kv::VirtualScheduler;

class SchedulerTest : public QObject {
  Q_OBJECT

 private slots:
  void virtualTasksRunInTimeOrderAtTheirTime() {
    VirtualScheduler s;
    QList<QPair<int, qint64>> ran;
    s.After(30, [&]() { ran.append({3, s.NowMs()}); });
    s.After(10, [&]() { ran.append({1, s.NowMs()}); });
    s.After(10, [&]() { ran.append({2, s.NowMs()}); });  // same time: in the order asked
    const auto cancelled = s.After(20, [&]() { ran.append({99, s.NowMs()}); });
    s.Cancel(cancelled);
    s.Advance(25);
    QCOMPARE(ran, (QList<QPair<int, qint64>>{{1, 10}, {2, 10}}));
    QCOMPARE(s.NowMs(), qint64(25));
    s.Advance(5);
    QCOMPARE(ran.last(), (QPair<int, qint64>{3, 30}));
    QCOMPARE(s.PendingTasks(), 0);
  }

  void tasksScheduledByTasksRunWithinTheSameAdvance() {
    VirtualScheduler s;
    QList<qint64> times;
    s.After(10, [&]() {
      times << s.NowMs();
      s.After(10, [&]() { times << s.NowMs(); });
    });
    s.Advance(100);
    QCOMPARE(times, (QList<qint64>{10, 20}));
  }

  void waitForEndsEarlyWhenItsConditionHolds() {
    VirtualScheduler s;
    bool replied = false;
    s.After(40, [&]() { replied = true; });
    QVERIFY(s.WaitFor(500, [&]() { return replied; }));
    QCOMPARE(s.NowMs(), qint64(40));
    QVERIFY(!s.WaitFor(100, [&]() { return false; }));
    QCOMPARE(s.NowMs(), qint64(140));
  }

  void intervalTimerTicksWhileEnabledWithAnInterval() {
    VirtualScheduler s;
    QList<qint64> ticks;
    IntervalTimer timer(s, [&]() { ticks << s.NowMs(); });
    s.Advance(100);
    QVERIFY(ticks.isEmpty());  // interval 0: off
    timer.SetInterval(40);
    s.Advance(130);
    QCOMPARE(ticks, (QList<qint64>{140, 180, 220}));
    timer.SetEnabled(false);
    s.Advance(200);
    QCOMPARE(ticks.size(), 3);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    s.Advance(200);
    QCOMPARE(ticks.size(), 3);
  }

  void intervalTimerMayBeRestartedFromItsOwnTick() {
    VirtualScheduler s;
    QList<qint64> ticks;
    IntervalTimer* self = nullptr;
    IntervalTimer timer(s, [&]() {
      ticks << s.NowMs();
      if (ticks.size() == 2) self->SetInterval(0);
    });
    self = &timer;
    timer.SetInterval(100);
    s.Advance(1000);
    QCOMPARE(ticks, (QList<qint64>{100, 200}));
    QCOMPARE(s.PendingTasks(), 0);
  }

  void realSchedulerRunsTasksAfterTheirDelay() {
    kv::RealScheduler s;
    QElapsedTimer clock;
    clock.start();
    qint64 ranAt = -1;
    s.After(30, [&]() { ranAt = clock.elapsed(); });
    const auto cancelled = s.After(10, [&]() { ranAt = -99; });
    s.Cancel(cancelled);
    QVERIFY(s.WaitFor(1000, [&]() { return ranAt >= 0; }));
    QVERIFY2(ranAt >= 29 && ranAt < 200, qPrintable(QString::number(ranAt)));
    QVERIFY(!s.WaitFor(20));
  }
};

KV_TEST_MAIN(SchedulerTest)
#include "test_scheduler.moc"
