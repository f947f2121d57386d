#pragma once

#include <QObject>
#include <map>
#include <memory>

#include "base/scheduler.h"

namespace kv {

class Panel;
class Session;

// The sensor boxes at work. A box pressed outside Modify mode lights (white on black); letting
// go lights it off again in Operate mode only. The sensor event lights box SensorIdx for
// 500 ms (timAws). Its source is the USB board: in Operate mode, digital input k rising lights
// box k (inputs 1 to 5), when a train crosses the detector wired to it.
class Sensors : public QObject {
  Q_OBJECT

 public:
  static constexpr int kEventMs = 500;
  static constexpr int kBoardInputs = 5;

  Sensors(Session& session, Panel& panel, QObject* parent = nullptr);
  ~Sensors() override;

  void txtAws_MouseDown(int index, Qt::MouseButton button);
  void txtAws_MouseUp(int index, Qt::MouseButton button);
  // Box `index` lit or not.
  void LightSensor(int index);
  void UnlightSensor(int index);

  // txtSensor_Change: box SensorIdx lit for 500 ms. Each box lit by an event goes off 500 ms
  // after its own event, however many events come meanwhile.
  void SensorEvent();
  void timAws_Timer();
  IntervalTimer& timAws() { return *timAws_; }

  // One reading of the board's digital inputs, bit 0 = input 1. The first reading is taken as
  // it stands; from then on each input that rises raises the event for its box.
  void BoardInputs(int bits);

 private:
  void Arm();

  Session& session_;
  Panel& panel_;
  std::unique_ptr<IntervalTimer> timAws_;
  std::map<int, qint64> litUntil_;  // box -> when its event ends
  int lastInputs_ = -1;
};

}  // namespace kv
