#include "app/operation_controls.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QRadioButton>
#include <QScrollBar>
#include <utility>

#include "app/loco_window_calls.h"
#include "app/main_window.h"
#include "base/session.h"
#include "hardware/ui/board_host.h"
#include "hardware/ui/dc_knob_box.h"
#include "operation/accessory_group.h"
#include "operation/dwell_group.h"
#include "operation/number_display.h"
#include "operation/points_firing.h"
#include "operation/send_number_group.h"
#include "operation/signal_creation.h"
#include "operation/signal_operation.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_area.h"
#include "panel/toolbar_frame.h"
#include "panel/zorder.h"

namespace kv {

namespace {
QString ToggleCaption(bool boxShown) {
  return boxShown ? QStringLiteral("hide") : QStringLiteral("show");
}
}  // namespace

OperationControls::OperationControls(MainWindow& window, const OperationHost& host)
    : QObject(&window), window_(window), host_(host) {
  Session& session = window.session();
  BoardHost& board = window.board();
  firing_ = new PointsFiring(session, board.relayStack(), window.dccLink(), this);
  firing_->pickEntryExit = [this]() { window_.PickEntryExit(); };
  sendNumber_ = new SendNumberGroup(host.fraSendNo, board.relayStack(), *firing_);
  accessory_ = new AccessoryGroup(session, host.fraLenzNo, window.dccLink());
  accessory_->onChange = [this]() { window_.ShowLocoWindow(); };
  firing_->SetAccessoryDisplay({[this](int n) { accessory_->SetNumber(n); },
                                [this]() { return accessory_->Number(); },
                                [this](QChar side) { accessory_->ShowSide(side); }});

  // The dwell and the number display follow the solenoid number in the strip.
  QWidget* strip = host.fraSendNo->parentWidget();
  dwell_ = new DwellGroup(session, strip);
  numbers_ = new NumberDisplay(session, window.picScreen(), &window, strip);
  const int after = host.strip->indexOf(host.fraLenzNo) + 1;
  host.strip->insertWidget(after, dwell_->fraWait());
  host.strip->insertWidget(after + 1, numbers_->fraBtnNo());

  dcBox_ = new DcKnobBox(session, board.library(), board.relayStack(), host.panelHost);
  dcBox_->PinToTopRight(host.panelHost, window.panelArea().vsbScreen()->sizeHint().width() + 8);
  lblToggle_ = new QLabel(ToggleCaption(false), host.fraModem0);
  lblToggle_->setObjectName(QStringLiteral("lblToggle"));
  host.fraModem0->layout()->addWidget(lblToggle_);

  for (int i = 0; i <= 6; ++i) {
    if (ImageButton* button = imgBtnTog(i)) {
      connect(button, &ImageButton::mouseDown, this, [this, i]() { imgBtnTog_MouseDown(i); });
    }
  }
  connect(&window.picScreen(), &Panel::objectMouseDown, this,
          [this](PanelObject kind, int index, Qt::MouseButton button) {
            if (kind == PanelObject::kLabel) Label_MouseDown(index, button);
          });
  ConnectSignals();
  locoCalls_ = new LocoWindowCalls(window);
  connect(numbers_, &NumberDisplay::mouseMoved, &window, &MainWindow::ShowLocoWindow);
}

OperationControls::~OperationControls() = default;

void OperationControls::ConnectSignals() {
  Session& session = window_.session();
  Panel& panel = window_.picScreen();
  signals_ = new SignalOperation(session, panel, *firing_, this);
  connect(&panel, &Panel::objectMouseDown, this,
          [this](PanelObject kind, int index, Qt::MouseButton button) {
            if (kind == PanelObject::kSignal) signals_->imgSig_MouseDown(index, button);
          });
  signalCreation_ = new SignalCreation(session, panel, this);
  if (auto* button = window_.findChild<ImageButton*>(QStringLiteral("imgBtnSig"))) {
    connect(button, &ImageButton::mouseUp, signalCreation_, &SignalCreation::imgBtnSig_MouseUp);
  }
}

ImageButton* OperationControls::imgBtnTog(int index) const {
  if (index >= 0 && index <= 2) return host_.imgBtnTog[static_cast<size_t>(index)];
  if (index == 3 || index == 4) return accessory_->imgBtnTog(index);
  return window_.findChild<ImageButton*>(QStringLiteral("imgBtnTog_%1").arg(index));
}

void OperationControls::Label_MouseDown(int index, Qt::MouseButton button) {
  // In Modify mode a label click belongs to editing and to recording routes.
  if (window_.session().model.ProgMode == kModify) return;
  const LabelControl* label = window_.picScreen().Label(index);
  if (!label) return;
  firing_->Label_MouseDown(index, button, label->Caption(), label->ForeColor());
}

void OperationControls::imgBtnTog_MouseDown(int index) {
  LayoutModel& m = window_.session().model;
  const std::uint8_t before = m.ProgMode;
  m.ProgMode = static_cast<std::uint8_t>(index);
  switch (index) {
    case 0:
      if (m.ControlSystem == QLatin1String("DC")) {
        ToggleDcBox(before);
      } else if (QWidget* loco = window_.LocoWindow()) {
        loco->show();
        loco->raise();
      }
      break;
    case 1:
    case 2:
      // Nothing is selected on coming into Modify: a signal worked outside it has SignalOff
      // set, which here would read as selected for the dustbin and for moving.
      if (index == kModify && before != kModify) ClearSelection(m);
      numbers_->HideTrackNumbers();
      window_.ShowModeToolbars();
      break;
    case 3:
    case 4:
      accessory_->Toggle(index);
      break;
    case 5:
    case 6:
      m.ShowBytes = !m.ShowBytes;
      break;
    default:
      break;
  }
  // Only the mode switch changes the mode; the other pictures leave the one in force.
  if (index != kModify && index != kOperate) m.ProgMode = before;
  if (index == 5 || index == 6) {
    // The modem pictures show the link's state, which the caption's refresh puts in front.
    window_.timUpdate_Timer();
  } else if (ImageButton* button = imgBtnTog(index)) {
    SendToBack(button);
  }
}

void OperationControls::ToggleDcBox(std::uint8_t modeInForce) {
  dcBoxWanted_ = !dcBoxWanted_;
  lblToggle_->setText(ToggleCaption(dcBoxWanted_));
  ApplyModeGroups(modeInForce != kModify);
}

void OperationControls::ShowDcBox() {
  dcBoxWanted_ = true;
  lblToggle_->setText(ToggleCaption(true));
  ShowModeGroups();
}

void OperationControls::ResetKnobTexts() { dcBox_->ResetDirectionTexts(); }

void OperationControls::ReadWaitFile() { dwell_->ReadWaitFile(); }

void OperationControls::WriteWaitFile() {
  // A corrected value is written back at start; a folder that cannot take it keeps the file
  // as it was, and the dwell holds for this run.
  dwell_->WriteWaitFile();
}

void OperationControls::ShowDccNumberFrame(bool dcc) {
  dccFrame_ = dcc;
  ShowModeGroups();
}

void OperationControls::ShowModeGroups() {
  ApplyModeGroups(window_.session().model.ProgMode != kModify);
}

void OperationControls::ApplyModeGroups(bool operating) {
  // The strip holds the editing toolbars or the operating groups within the screen's width;
  // the modem's state still shows in the caption. The DC box leaves the drawing free to edit
  // and comes back as the user left it.
  const std::pair<QWidget*, bool> groups[] = {
      {host_.fraLenzNo, operating && dccFrame_},
      {host_.fraSendNo, operating && !dccFrame_},
      {dwell_->fraWait(), operating},
      {host_.fraModem0->parentWidget(), operating},
      {dcBox_, operating && dcBoxWanted_}};
  // Hidden first: a group shown while the others still stand would widen the window for good.
  for (const auto& [group, shown] : groups) {
    if (!shown) group->hide();
  }
  for (const auto& [group, shown] : groups) {
    if (shown) group->show();
  }
}

}  // namespace kv
