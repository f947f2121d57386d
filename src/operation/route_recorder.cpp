#include "operation/route_recorder.h"

#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/path_file.h"
#include "operation/points_caption.h"
#include "operation/route_items.h"
#include "operation/route_texts.h"
#include "operation/routes.h"
#include "operation/signal_aspects.h"
#include "panel/panel.h"

namespace kv {

namespace {

constexpr std::int32_t kPickedNumber = 0x00FF00;  // green
// mnuPathRec shows the end of the record: at most this many characters.
constexpr int kPathRecordShown = 175;

// Entrance and exit labels are black and all in capitals.
bool IsEntryExitLabel(const LabelControl* label) {
  if (!label || label->ForeColor() != kBlack) return false;
  const QString caption = label->Caption();
  return !caption.isEmpty() && caption == caption.toUpper();
}

// Marks a step that may ask the user: clicks that come meanwhile are not the recording's.
class Busy {
 public:
  explicit Busy(bool& flag) : flag_(flag) { flag_ = true; }
  ~Busy() { flag_ = false; }
  Busy(const Busy&) = delete;
  Busy& operator=(const Busy&) = delete;

 private:
  bool& flag_;
};

}  // namespace

RouteRecorder::RouteRecorder(Session& session, Panel& panel, Routes& routes, QObject* parent)
    : QObject(parent), session_(session), panel_(panel), routes_(routes) {}

void RouteRecorder::SetPrompt(int n) {
  if (hooks_.setCaption) hooks_.setCaption(texts::RoutePrompt(n));
}

// --- picking the entrance and the exit ----------------------------------------------------------

void RouteRecorder::PickEntryExit(int index) {
  if (busy_ || phase_ != Phase::kIdle) return;
  LayoutModel& m = session_.model;
  const LabelControl* label = panel_.Label(index);
  if (!entryPicked_) {
    if (!IsEntryExitLabel(label)) return;
    entryPicked_ = true;
    m.EntryName = label->Caption();
    return;
  }
  // The pick starts again with the next label, whatever this one is.
  entryPicked_ = false;
  if (!IsEntryExitLabel(label)) return;
  m.ExitName = label->Caption();
  const QString title = m.EntryName + QStringLiteral(" to ") + m.ExitName + QLatin1Char(' ');
  Busy busy(busy_);
  const RouteTable& table = routes_.Table();
  if (m.ProgMode != kOperate && table.AnyTicked()) {
    // No route is recorded while routes are set: back to Operate, where they can be cleared
    // (there, the pair sets or clears the route between them).
    m.ProgMode = kOperate;
    if (hooks_.showModeToolbars) hooks_.showModeToolbars();
    ShowMessage(session_, 18);
    return;
  }
  m.PathRec[1] = title;
  const int found = table.Find(title);
  if (m.ProgMode != kModify) {
    if (m.ProgMode == kOperate && found >= 0 && (table.Entry(found).checked || table.Free(found))) {
      routes_.ToggleRoute(found);
      return;
    }
    ShowMessage(session_, 12);
    return;
  }
  if (found >= 0) {
    ShowMessage(session_, 12);
    return;
  }
  m.Recording = true;
  ShowMessage(session_, 7);
  if (m.MsgAnswer == msg::kYes) {
    RecordPath();
  } else {
    m.Recording = false;
  }
}

void RouteRecorder::RecordPath() {
  LayoutModel& m = session_.model;
  // A right click before the first number takes back to the heading, not to nothing: a line
  // without its heading could not be read back.
  m.PathRec[0] = m.PathRec[2] = TrackHeading();
  m.PathRec[3].clear();
  m.PathRec[4].clear();
  m.ClockOn = false;
  m.ClickRole = 1;
  lastLineNo_ = lastAdded_ = 0;
  if (hooks_.showPathRecord) hooks_.showPathRecord(m.PathRec[1]);
  SetPrompt(1);
  phase_ = Phase::kLines;
  if (hooks_.refreshTrackNumbers) hooks_.refreshTrackNumbers();  // every number shows
}

// --- the clicks while recording -------------------------------------------------------------

bool RouteRecorder::ModifyClick(PanelObject kind, int index, Qt::MouseButton button, bool moving) {
  if (phase_ == Phase::kIdle) {
    if (kind == PanelObject::kLabel && !moving) PickEntryExit(index);
    return false;
  }
  if (busy_) return true;
  if (phase_ == Phase::kLines && kind == PanelObject::kTrackNumber) {
    LineNumberClicked(index, button);
  } else if (phase_ == Phase::kPoints && kind == PanelObject::kLabel) {
    PointsClicked(index);
  } else if (phase_ == Phase::kSignals && kind == PanelObject::kSignal) {
    SignalClicked(index, button);
  }
  return true;
}

void RouteRecorder::DoubleClick(PanelObject kind, int index, Qt::MouseButton button) {
  if (busy_) return;
  if ((phase_ == Phase::kLines && kind == PanelObject::kTrackNumber) ||
      (phase_ == Phase::kPoints && kind == PanelObject::kLabel)) {
    ModifyClick(kind, index, button, false);
  }
}

void RouteRecorder::LineNumberClicked(int unit, Qt::MouseButton button) {
  if (!IsObjectIndex(unit, session_.model.TrackCount)) return;
  LayoutModel& m = session_.model;
  if (button == Qt::LeftButton && unit == lastLineNo_) {
    lastLineNo_ = 0;
    SetPrompt(0);
    EndLines();
    return;
  }
  if (button == Qt::LeftButton) {
    SetPrompt(2);
    m.PathRec[0] = m.PathRec[2];
    m.PathRec[2] = (m.PathRec[2] + QString::number(unit) + QLatin1Char(',')).trimmed();
    ShowPathRecord();
    lastLineNo_ = lastAdded_ = unit;
    MarkNumber(unit, true);
  } else if (button == Qt::RightButton) {
    // Only the number added last can be taken back.
    SetPrompt(3);
    m.PathRec[2] = m.PathRec[0];
    ShowPathRecord();
    lastLineNo_ = 0;
    if (lastAdded_ > 0)
      MarkNumber(lastAdded_, ItemsOf(m.PathRec[2]).items.contains(QString::number(lastAdded_)));
    lastAdded_ = 0;
  }
}

void RouteRecorder::MarkNumber(int unit, bool picked) {
  if (LabelControl* number = panel_.lblTrk(unit)) {
    number->SetBackColor(picked ? kPickedNumber : kTrackNumberBack);
  }
}

void RouteRecorder::EndLines() {
  LayoutModel& m = session_.model;
  m.ClickRole = 0;
  if (hooks_.refreshTrackNumbers) hooks_.refreshTrackNumbers();
  if (hooks_.togglePointsNumbers) hooks_.togglePointsNumbers();
  Busy busy(busy_);
  ShowMessage(session_, 5);
  if (m.MsgAnswer == msg::kYes) {
    // The exit's caption: no points label is clicked twice before the first points.
    m.PointSide = m.ExitName;
    SetPrompt(4);
    phase_ = Phase::kPoints;
    return;
  }
  if (hooks_.togglePointsNumbers) hooks_.togglePointsNumbers();
  SignalsPhase(false);
}

void RouteRecorder::PointsClicked(int index) {
  const LabelControl* label = panel_.Label(index);
  if (!label) return;
  LayoutModel& m = session_.model;
  m.LabelIdx = static_cast<std::uint8_t>(index);
  if (label->Caption() != m.PointSide) {
    m.PointSide = label->Caption();
    AddToPathLine(3, PointsHeading(), m.PointSide);
    ShowPathRecord();
    return;
  }
  m.PointSide.clear();
  if (hooks_.togglePointsNumbers) hooks_.togglePointsNumbers();
  Busy busy(busy_);
  SignalsPhase(false);
}

void RouteRecorder::SignalClicked(int index, Qt::MouseButton button) {
  const ImageControl* signal = panel_.imgSig(index);
  if (!signal || (button != Qt::LeftButton && button != Qt::RightButton)) return;
  LayoutModel& m = session_.model;
  const QString coil = signal->toolTip();
  const auto number = LeadingNumberOf(coil);
  // A fixed signal has no coil.
  if (!number) {
    session_.dialogs.Beep();
    return;
  }
  const bool reverse = button == Qt::RightButton;
  const auto item = RouteSignalItem(*number, reverse);
  if (!item) {
    // Filed, it would work another signal's coil. The question comes again, so that a route
    // whose only signal this was can still be filed.
    Busy busy(busy_);
    session_.dialogs.MessageBox(texts::SignalNotTaken(coil), msg::kInformation,
                                texts::SignalNotTakenTitle());
    SignalsPhase(!m.PathRec[4].isEmpty());
    return;
  }
  m.SigIdx = static_cast<std::uint8_t>(index);
  m.PointSide = coil;
  m.SolenoidNo = static_cast<std::uint8_t>(*number);
  AddToPathLine(4, SignalHeading(), reverse ? QString::number(*item) : coil);
  ShowPathRecord();
  Busy busy(busy_);
  SignalsPhase(true);
}

void RouteRecorder::SignalsPhase(bool signalRecorded) {
  LayoutModel& m = session_.model;
  m.SigMore = signalRecorded ? QStringLiteral("more ") : QString();
  ShowMessage(session_, 6);
  if (m.MsgAnswer == msg::kYes) {
    SetPrompt(5);
    phase_ = Phase::kSignals;
    return;
  }
  m.SigMore.clear();
  FinishRecording();
}

void RouteRecorder::AddToPathLine(int k, const QString& heading, const QString& item) {
  QString& line = session_.model.PathRec[static_cast<size_t>(k)];
  if (!line.contains(heading)) line += heading;
  line += item + QLatin1Char(',');
}

void RouteRecorder::ShowPathRecord() {
  const LayoutModel& m = session_.model;
  if (m.ClockOn || !hooks_.showPathRecord) return;
  const QString record = m.PathRec[1] + QLatin1Char(' ') + m.PathRec[2] + QLatin1Char(' ') +
                         m.PathRec[3] + QLatin1Char(' ') + m.PathRec[4];
  hooks_.showPathRecord(record.right(kPathRecordShown));
}

// --- filing and ending ----------------------------------------------------------------------

void RouteRecorder::FinishRecording() {
  LayoutModel& m = session_.model;
  ShowMessage(session_, 10);
  if (m.MsgAnswer == msg::kYes &&
      routes_.FilePath({m.PathRec[1], m.PathRec[2], m.PathRec[3], m.PathRec[4]})) {
    if (hooks_.playFiledSound) hooks_.playFiledSound();
  }
  EndRecording();
}

void RouteRecorder::Abandon() {
  entryPicked_ = false;
  if (busy_ || phase_ == Phase::kIdle) return;
  LayoutModel& m = session_.model;
  if (phase_ == Phase::kLines) {
    m.ClickRole = 0;
    if (hooks_.refreshTrackNumbers) hooks_.refreshTrackNumbers();
  } else if (phase_ == Phase::kPoints) {
    m.PointSide.clear();
    if (hooks_.togglePointsNumbers) hooks_.togglePointsNumbers();  // hidden again
  }
  EndRecording();
}

void RouteRecorder::EndRecording() {
  LayoutModel& m = session_.model;
  phase_ = Phase::kIdle;
  m.ClockOn = true;
  m.Recording = false;
  if (hooks_.showPathRecord) hooks_.showPathRecord(QString());
  m.PathRec = {};
  lastLineNo_ = lastAdded_ = 0;
  // BlackenTrackUnits; the numbers picked lose their green.
  for (int i = 1; i <= m.TrackCount; ++i) {
    if (LineControl* outer = panel_.linBlack(i)) outer->SetBorderColor(kBlack);
    MarkNumber(i, false);
  }
  if (hooks_.updateCaption) hooks_.updateCaption();
}

}  // namespace kv
