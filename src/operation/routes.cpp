#include "operation/routes.h"

#include <QPointer>

#include "base/layout_texts.h"
#include "base/message_catalogue.h"
#include "base/session.h"
#include "hardware/relay_stack.h"
#include "operation/points_caption.h"
#include "operation/points_firing.h"
#include "operation/route_items.h"
#include "operation/route_texts.h"
#include "operation/signal_aspects.h"
#include "operation/signal_operation.h"
#include "panel/panel.h"

namespace kv {

namespace {

// The first signal one of whose coils has the number `coil`, as ScanSignals finds it; 0 when
// none has.
int SignalWithCoil(const LayoutModel& m, int coil) {
  for (int i = 1; i <= m.SignalCount; ++i) {
    if (LeadingNumberOf(m.SignalCoilA[i]) == coil || LeadingNumberOf(m.SignalCoilB[i]) == coil) {
      return i;
    }
  }
  return 0;
}

}  // namespace

Routes::Routes(Session& session, Panel& panel, PointsFiring& firing, RelayStack& relay,
               SignalOperation& signalOperation, QObject* parent)
    : QObject(parent),
      session_(session),
      panel_(panel),
      firing_(firing),
      relay_(relay),
      signals_(signalOperation) {}

bool Routes::IsDcc() const {
  return session_.model.ControlSystem == QLatin1String("DCC");
}

void Routes::LoadPaths() {
  LayoutModel& m = session_.model;
  QList<PathRecord> records;
  outcome_ = m.PathFile.isEmpty() ? PathFileOutcome{} : ReadPathFile(m.PathFile, &records);
  table_.Load(records);
  if (outcome_.stopped) {
    m.TargetFile = m.PathFile + texts::WhereReadingStopped(outcome_.line, outcome_.reason) +
                   texts::PathFileKept();
    ShowMessage(session_, 2);
    m.TargetFile = m.PathFile;
  }
  emit entriesChanged();
}

void Routes::mnuList_Click(int index) {
  if (session_.model.ProgMode == kOperate && index >= 0 && index < table_.Count()) {
    ToggleRoute(index);
    return;
  }
  emit statesChanged();  // the menu shows the entry as it was
}

bool Routes::ToggleRoute(int index) {
  if (index < 0 || index >= table_.Count()) return false;
  if (!table_.Entry(index).checked && !table_.Entry(index).enabled) return false;
  LayoutModel& m = session_.model;
  const RouteEntry& route = table_.Entry(index);
  m.PathRec[1] = route.record.title;
  const bool setting = table_.Toggle(index);
  const QString exitName = setting ? TakeExitName(route.record.title) : QString();
  if (setting) m.ExitName = exitName;
  ApplyTrainPath(route, index, setting);
  bool pointsFired = true;
  if (setting) pointsFired = ApplyPointSolenoids(route);
  // Clearing a route leaves its points: only its signals go back.
  if (pointsFired) ApplySignalCoils(route, setting, exitName);
  emit statesChanged();
  if (!pointsFired) ShowMessage(session_, 11);
  if (setting) TellLostItems(route);
  if (!setting) m.PathRec = {};
  return true;
}

void Routes::ApplyTrainPath(const RouteEntry& route, int index, bool setting) {
  for (int unit : route.units) ColourTrackUnit(unit, index, setting);
  // The labels stay above the lines.
  const LayoutModel& m = session_.model;
  for (int i = 1; i <= m.LabelCount; ++i) {
    if (LabelControl* label = panel_.Label(i)) panel_.BringToFront(label);
  }
}

void Routes::ColourTrackUnit(int unit, int index, bool setting) {
  LineControl* core = panel_.linColor(unit);
  LineControl* outer = panel_.linBlack(unit);
  if (!core || !outer) return;
  if (setting) {
    core->SetBorderColor(RouteColour(index));
    outer->SetBorderStyle(outer->BorderWidth() == 1 ? LineControl::kDash : LineControl::kSolid);
    panel_.BringToFront(core);
    return;
  }
  session_.model.ExitName.clear();
  // The core the unit had before: black on a dashed (tunnel) unit, white on the others.
  core->SetBorderColor(core->BorderStyle() == LineControl::kDash ? kBlack : kWhite);
}

bool Routes::ApplyPointSolenoids(const RouteEntry& route) {
  QStringList items;
  bool fireable = true;
  for (const QString& item : ItemsOf(route.record.points).items) {
    fireable = IsDcc() ? DccPointOf(item).has_value() : RelaySolenoidOf(item).has_value();
    if (!fireable) break;
    items << item;
  }
  FireLine(items, IsDcc());
  return fireable;
}

void Routes::ApplySignalCoils(const RouteEntry& route, bool setting, const QString& exitName) {
  const LayoutModel& m = session_.model;
  QStringList fire;
  for (const QString& item : ItemsOf(route.record.signalCoils).items) {
    const auto number = LeadingNumberOf(item);
    if (!number) continue;
    const SignalItem s = SplitSignalNo(*number);
    // A signal that already shows what the route wants is left alone: clearing a route never
    // clears a signal, and setting one never puts a cleared signal back to danger.
    const int i = SignalWithCoil(m, s.coil);
    if (i > 0 && ShowsOtherAspect(m, i) == setting) continue;
    const SignalOperation::Worked worked = signals_.ScanSignals(s.coil, s.sigReverse, exitName);
    // No signal has that coil: the coil is fired all the same.
    fire << (worked.index > 0 ? worked.fire : IsDcc() ? item : QString::number(s.coil));
  }
  FireLine(fire, IsDcc());
}

void Routes::FireLine(const QStringList& items, bool dcc) {
  LayoutModel& m = session_.model;
  for (qsizetype k = 0; k < items.size(); ++k) {
    if (dcc) {
      if (const auto output = DccCoilOf(items.at(k)))
        firing_.ThrowAccessory(output->number, output->side);
      continue;
    }
    const auto solenoid = RelaySolenoidOf(items.at(k));
    if (!solenoid) continue;
    const QStringList rest = items.mid(k + 1);
    const bool first = rests_.empty();
    rests_.push_back(rest);
    if (first) m.RouteList = rest;
    m.SolenoidNo = static_cast<std::uint8_t>(*solenoid);
    QPointer<Routes> self(this);
    const RelayStack::Outcome outcome = relay_.FireRelayStack([self]() {
      if (self) self->RoutePulseEnded();
    });
    if (!RelayStack::WillWrite(outcome)) {
      rests_.pop_back();
      if (first) m.RouteList.clear();
    }
  }
}

void Routes::RoutePulseEnded() {
  if (!rests_.empty()) rests_.pop_front();
  session_.model.RouteList = rests_.empty() ? QStringList() : rests_.front();
}

void Routes::TellLostItems(const RouteEntry& route) {
  QStringList lost;
  for (const QString* line :
       {&route.record.tracks, &route.record.points, &route.record.signalCoils}) {
    const QString item = ItemsOf(*line).lost;
    if (!item.isEmpty()) lost << item;
  }
  if (lost.isEmpty()) return;
  LayoutModel& m = session_.model;
  m.MsgTitle = QStringLiteral("  ") + m.LayoutName + QStringLiteral(" : error in file <path.txt>");
  m.MsgPrompt = texts::LostItems(route.record.title, lost);
  ShowMsgBox(session_);
}

bool Routes::FilePath(PathRecord record) {
  LayoutModel& m = session_.model;
  QString refusal;
  if (!ReadWhole()) {
    refusal = texts::PathFileNotWhole(m.PathFile, outcome_.line, outcome_.reason);
  } else if (table_.Count() >= kMaxPaths) {
    refusal = texts::TooManyRoutes();
  }
  if (record.tracks.isEmpty()) record.tracks = TrackHeading();
  if (record.points.isEmpty()) record.points = PointsHeading();
  if (record.signalCoils.isEmpty()) record.signalCoils = SignalHeading();
  QList<PathRecord> records = table_.Records();
  records.insert(SortedPosition(records, record.title), record);
  QString error;
  if (refusal.isEmpty() && !WritePathFile(m.PathFile, records, &error)) {
    refusal = texts::PathFileNotWritten(error);
  }
  if (!refusal.isEmpty()) {
    session_.dialogs.MessageBox(refusal, msg::kCritical, texts::RouteNotFiledTitle());
    return false;
  }
  // The table and the menu are read again, so that entry i is record i of the file.
  LoadPaths();
  return true;
}

}  // namespace kv
