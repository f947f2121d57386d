#include "operation/sensors.h"

#include "base/session.h"
#include "panel/panel.h"

namespace kv {

Sensors::Sensors(Session& session, Panel& panel, QObject* parent)
    : QObject(parent),
      session_(session),
      panel_(panel),
      timAws_(std::make_unique<IntervalTimer>(session.scheduler, [this]() { timAws_Timer(); })) {
  connect(&panel, &Panel::objectMouseDown, this,
          [this](PanelObject kind, int index, Qt::MouseButton button) {
            if (kind == PanelObject::kSensor) txtAws_MouseDown(index, button);
          });
  connect(&panel, &Panel::objectMouseUp, this,
          [this](PanelObject kind, int index, Qt::MouseButton button) {
            if (kind == PanelObject::kSensor) txtAws_MouseUp(index, button);
          });
}

Sensors::~Sensors() = default;

void Sensors::txtAws_MouseDown(int index, Qt::MouseButton) {
  session_.model.SensorIdx = static_cast<std::uint8_t>(index);
  // In Modify mode the press selects the box for moving.
  if (session_.model.ProgMode != kModify) LightSensor(index);
}

void Sensors::txtAws_MouseUp(int index, Qt::MouseButton) {
  // The box let go of, even if an event has named another box meanwhile.
  if (session_.model.ProgMode > kModify) UnlightSensor(index);
}

void Sensors::LightSensor(int index) {
  if (SensorBox* box = panel_.txtAws(index)) box->SetLit(true);
}

void Sensors::UnlightSensor(int index) {
  if (SensorBox* box = panel_.txtAws(index)) box->SetLit(false);
}

void Sensors::SensorEvent() {
  const int box = session_.model.SensorIdx;
  LightSensor(box);
  litUntil_[box] = session_.scheduler.NowMs() + kEventMs;
  if (!timAws_->Running()) timAws_->SetInterval(kEventMs);
}

void Sensors::timAws_Timer() {
  const qint64 now = session_.scheduler.NowMs();
  for (auto it = litUntil_.begin(); it != litUntil_.end();) {
    if (it->second <= now) {
      UnlightSensor(it->first);
      it = litUntil_.erase(it);
    } else {
      ++it;
    }
  }
  Arm();
}

void Sensors::Arm() {
  // Interval 0 once every event has ended; else the time to the next one's end.
  qint64 next = 0;
  for (const auto& [box, until] : litUntil_) {
    if (next == 0 || until < next) next = until;
  }
  timAws_->SetInterval(next == 0 ? 0 : int(next - session_.scheduler.NowMs()));
}

void Sensors::BoardInputs(int bits) {
  const int before = lastInputs_;
  lastInputs_ = bits;
  if (before < 0) return;
  const int rising = bits & ~before;
  LayoutModel& m = session_.model;
  if (rising == 0 || m.ProgMode != kOperate) return;
  for (int k = 1; k <= kBoardInputs; ++k) {
    if (!(rising & (1 << (k - 1))) || k > m.SensorCount) continue;
    m.SensorIdx = static_cast<std::uint8_t>(k);
    SensorEvent();
  }
}

}  // namespace kv
