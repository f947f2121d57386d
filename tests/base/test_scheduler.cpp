#include <QElapsedTimer>
#include <QTest>

#include "base/scheduler.h"
#include "support/test_session.h"

using kv::IntervalTimer;

// The window timer on the Scheduler, and the real clock (the virtual one is the tests' tool).
class SchedulerTest : public QObject {
  Q_OBJECT

 private slots:
  // It ticks only while enabled with an interval, and a tick may stop its own timer.
  void intervalTimerTicksWhileEnabledWithAnInterval() {
    kv::VirtualScheduler s;
    QList<qint64> ticks;
    IntervalTimer* self = nullptr;
    IntervalTimer timer(s, [&]() {
      ticks << s.NowMs();
      if (ticks.size() == 5) self->SetInterval(0);
    });
    self = &timer;
    s.Advance(100);  // interval 0: off
    timer.SetInterval(40);
    s.Advance(130);
    timer.SetEnabled(false);
    s.Advance(200);
    timer.SetEnabled(true);
    s.Advance(1000);
    QCOMPARE(ticks, (QList<qint64>{140, 180, 220, 470, 510}));
    QCOMPARE(s.PendingTasks(), 0);
  }

  void realSchedulerRunsTasksAfterTheirDelay() {
    kv::RealScheduler s;
    QElapsedTimer clock;
    clock.start();
    qint64 ranAt = -1;
    s.After(30, [&]() { ranAt = clock.elapsed(); });
    s.Cancel(s.After(10, [&]() { ranAt = -99; }));
    QVERIFY(s.WaitFor(1000, [&]() { return ranAt >= 0; }));
    QVERIFY2(ranAt >= 29 && ranAt < 200, qPrintable(QString::number(ranAt)));
    QVERIFY(!s.WaitFor(20));
  }
};

KV_TEST_MAIN(SchedulerTest)
#include "test_scheduler.moc"
