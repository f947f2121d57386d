#pragma once

#include <QObject>
#include <memory>

class QScrollBar;

namespace kv {

class IndicatorCheckBox;
class IntervalTimer;
class Session;
class ToolbarFrame;

// fraWait: the dwell of the relay stack (milliseconds) or, on "DCC", the accessory pulse
// (seconds). The slider hsbWait sets DwellTime; "save setting" (chkWait) writes it to wait.txt
// and stays ticked for one second to confirm.
class DwellGroup : public QObject {
  Q_OBJECT

 public:
  static constexpr int kConfirmMs = 1000;

  DwellGroup(Session& session, QWidget* parent);
  ~DwellGroup() override;

  ToolbarFrame* fraWait() const { return fraWait_; }
  QScrollBar* hsbWait() const { return hsbWait_; }
  IndicatorCheckBox* chkWait() const { return chkWait_; }
  const IntervalTimer& timWait() const { return *timWait_; }

  // wait.txt into DwellTime, made valid for the control system, and the slider ranged and set
  // for it.
  void ReadWaitFile();
  // DwellTime into wait.txt; false (and *error says why) when it cannot be written.
  bool WriteWaitFile(QString* error = nullptr);

  void hsbWait_Change(int value);
  void chkWait_MouseUp();
  void timWait_Timer();
  // The "DCC" slider has been set from DwellTime.
  bool DccWaitSynced() const { return dccWaitSynced_; }

 private:
  bool IsDcc() const;
  void SetSlider(int value);

  Session& session_;
  ToolbarFrame* fraWait_;
  QScrollBar* hsbWait_;
  IndicatorCheckBox* chkWait_;
  std::unique_ptr<IntervalTimer> timWait_;
  bool dccWaitSynced_ = false;
};

}  // namespace kv
