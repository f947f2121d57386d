#include "app/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "app/caption.h"
#include "app/editing_controls.h"
#include "app/info_toolbar.h"
#include "app/layout_commands.h"
#include "app/operation_controls.h"
#include "app/route_controls.h"
#include "app/route_menu.h"
#include "base/new_layout.h"
#include "base/session.h"
#include "hardware/dcc_link.h"
#include "hardware/board_choice.h"
#include "hardware/board_library.h"
#include "hardware/board_texts.h"
#include "hardware/ui/board_host.h"
#include "hardware/ui/board_window.h"
#include "hardware/ui/loco_window.h"
#include "hardware/ui/monitor_window.h"
#include "layout/sundry_files.h"
#include "layout/twips.h"
#include "operation/route_recorder.h"
#include "operation/routes.h"
#include "operation/signal_creation.h"
#include "panel/image_button.h"
#include "panel/object_creation.h"
#include "panel/panel_editor.h"
#include "panel/panel_area.h"
#include "panel/panel_toolbars.h"
#include "panel/modem_status_view.h"
#include "panel/stack.h"
#include "panel/toolbar_frame.h"
#include "panel/zorder.h"

namespace kv {

MainWindow::MainWindow(Session& session, QWidget* parent)
    : QMainWindow(parent), session_(session), dccLink_(std::make_unique<DccLink>(session)) {
  setObjectName(QStringLiteral("Form1"));
  auto* central = new QWidget(this);
  auto* column = new QVBoxLayout(central);
  column->setContentsMargins(4, 4, 4, 4);
  column->setSpacing(4);

  toolStrip_ = new QWidget(central);
  toolStrip_->setObjectName(QStringLiteral("toolStrip"));
  stripLayout_ = new QHBoxLayout(toolStrip_);
  stripLayout_->setContentsMargins(0, 0, 0, 0);
  stripLayout_->setSpacing(6);
  column->addWidget(toolStrip_);

  panelHost_ = new QWidget(central);
  panelHost_->setObjectName(QStringLiteral("panelHost"));
  panelHost_->setAutoFillBackground(true);
  QPalette palette = panelHost_->palette();
  palette.setColor(QPalette::Window, Qt::white);
  panelHost_->setPalette(palette);
  column->addWidget(panelHost_, 1);
  setCentralWidget(central);
  auto* hostLayout = new QVBoxLayout(panelHost_);
  hostLayout->setContentsMargins(0, 0, 0, 0);
  panelArea_ = new PanelArea(session_, panelHost_);
  hostLayout->addWidget(panelArea_);

  BuildToolStrip();
  panelToolbars_ = new PanelToolbars(session_, *panelArea_, std::to_array(fraToolbar_), this);
  info_ = new InfoToolbar(session_, this, panelHost_);
  timUpdate_ = std::make_unique<IntervalTimer>(session_.scheduler, [this]() { timUpdate_Timer(); });
  timUpdate_->SetInterval(500);
  connect(dccLink_.get(), &DccLink::linkLost, this, &MainWindow::timUpdate_Timer);
  layoutCommands_ = new LayoutCommands(session_, picScreen(), *this);
  layoutCommands_->Connect();
  board_ = std::make_unique<BoardHost>(
      session_, this, MakeBoardLibrary(BoardChoiceFromEnvironment(), session_.scheduler));
  monitor_ = std::make_unique<MonitorHost>(session_, this, *dccLink_, board_->library());
  operation_ = new OperationControls(*this, {stripLayout_, fraSendNo_, fraLenzNo_, fraModem_[0],
                                             panelHost_, std::to_array(imgBtnTog_)});
  editing_ = new EditingControls(*this);
  routes_ = new RouteControls(*this);
  // A new signal goes through the editor like every new object: the limit, then selected with
  // the move option "one", and undoable.
  operation_->signalCreation().SetEditorCalls(
      {[this]() { RefuseAtLimit(session_, PanelObject::kSignal); },
       [this](int n) {
         PanelEditor& editor = editing_->editor();
         editor.optMove_MouseUp(1);
         session_.model.SignalOff[n] = true;
         session_.model.SigIdx = static_cast<std::uint8_t>(n);
         editor.Created(PanelObject::kSignal, n);
       }});
  resize(1280, 800);
}

MainWindow::~MainWindow() = default;

Panel& MainWindow::picScreen() { return panelArea_->picScreen(); }

ToolbarFrame* MainWindow::AddFrame(const QString& name, const QString& caption) {
  auto* frame = new ToolbarFrame(name, caption, toolStrip_);
  auto* inner = new QHBoxLayout(frame);
  inner->setContentsMargins(6, 4, 6, 4);
  inner->setSpacing(4);
  return frame;
}

void MainWindow::BuildToolStrip() {
  // Element 1 creates objects, 2 slides the panel, 3 edits (grid, move, dustbin, save), 4 gives
  // information (help, about, word processor).
  const QString captions[5] = {QString(), QStringLiteral("create"), QStringLiteral("slide layout"),
                               QStringLiteral("edit"), QStringLiteral("information")};
  for (int i = 1; i <= 4; ++i) {
    fraToolbar_[i] = AddFrame(QStringLiteral("fraToolbar_%1").arg(i), captions[i]);
    connect(fraToolbar_[i], &ToolbarFrame::frameClicked, this,
            &MainWindow::OnToolbarFrameClicked);
    stripLayout_->addWidget(fraToolbar_[i]);
  }
  BuildModeFrames();
  stripLayout_->addStretch(1);
  imgBtnExit_ = new ImageButton(QStringLiteral("imgBtnExit"), QStringLiteral("exit"), 40, toolStrip_);
  imgBtnExit_->setToolTip(QStringLiteral("exit"));
  connect(imgBtnExit_, &ImageButton::mouseUp, this, &MainWindow::imgBtnExit_MouseUp);
  stripLayout_->addWidget(imgBtnExit_, 0, Qt::AlignVCenter);
}

void MainWindow::BuildModeFrames() {
  // fraModem: two frames in one place; element 1 comes to the front on the DCC systems.
  auto* modemStack = new Stack(toolStrip_);
  for (int i = 0; i <= 1; ++i) {
    fraModem_[i] = AddFrame(QStringLiteral("fraModem_%1").arg(i), QString());
  }
  imgBtnTog_[0] = new ImageButton(QStringLiteral("imgBtnTog_0"), QStringLiteral("loco"), 32,
                                  fraModem_[0]);
  fraModem_[0]->layout()->addWidget(imgBtnTog_[0]);
  modemStatus_ = new ModemStatusView(fraModem_[1]);
  modemStack->Add(fraModem_[1]);
  modemStack->Add(fraModem_[0]);
  stripLayout_->addWidget(modemStack);

  // Shown only while the board the program had is gone, as the modem picture shows the box.
  fraBoard_ = AddFrame(QStringLiteral("fraBoard"), QString());
  auto* lblBoard = new QLabel(texts::LabelNoBoard(), fraBoard_);
  lblBoard->setObjectName(QStringLiteral("lblBoard"));
  lblBoard->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
  fraBoard_->layout()->addWidget(lblBoard);
  fraBoard_->hide();
  stripLayout_->addWidget(fraBoard_);

  // The mode switch: two stacked pictures; the one in front offers the other mode.
  fraBtnMode_ = AddFrame(QStringLiteral("fraBtnMode"), QStringLiteral("switch to"));
  auto* modeStack = new Stack(fraBtnMode_);
  imgBtnTog_[1] = new ImageButton(QStringLiteral("imgBtnTog_1"), QStringLiteral("modify"), 32);
  imgBtnTog_[1]->SetTag(QStringLiteral("Modify"));
  imgBtnTog_[1]->setToolTip(QStringLiteral("Modify"));
  imgBtnTog_[2] = new ImageButton(QStringLiteral("imgBtnTog_2"), QStringLiteral("operate"), 32);
  imgBtnTog_[2]->SetTag(QStringLiteral("Operate"));
  imgBtnTog_[2]->setToolTip(QStringLiteral("Operate"));
  modeStack->Add(imgBtnTog_[1]);
  modeStack->Add(imgBtnTog_[2]);
  fraBtnMode_->layout()->addWidget(modeStack);
  stripLayout_->addWidget(fraBtnMode_);

  // The solenoid number of the last firing: relay stack or DCC accessory; one of them shows.
  fraSendNo_ = AddFrame(QStringLiteral("fraSendNo"), QStringLiteral("solenoid = 0"));
  fraLenzNo_ = AddFrame(QStringLiteral("fraLenzNo"), QStringLiteral("solenoid 0L"));
  fraLenzNo_->hide();
  stripLayout_->addWidget(fraSendNo_);
  stripLayout_->addWidget(fraLenzNo_);
}

void MainWindow::OnToolbarFrameClicked() { layoutCommands_->fraToolbar_Click(); }

void MainWindow::Load() { StartLayout(); }

void MainWindow::StartLayout() {
  session_.model.ClockOn = true;
  if (session_.model.NewLayout) {
    CreateLayout();
  } else {
    OpenLayout();
  }
  if (session_.Ended()) return;
  UpdateCaption();
}

void MainWindow::CreateLayout() {
  if (!kv::CreateLayout(session_)) return;
  layoutCommands_->ShowGauge();
  layoutCommands_->ShowNextTrackNumber(1);
  operation_->ReadWaitFile();  // the stored dwell, as an opened layout has it
}

void MainWindow::OpenLayout() { kv::OpenLayout(session_, *this); }

ObjectPanel& MainWindow::Objects() { return layoutCommands_->Objects(); }
void MainWindow::ShowNextTrackNumber(int next) { layoutCommands_->ShowNextTrackNumber(next); }
void MainWindow::ShowGaugeRead(int) {
  layoutCommands_->ShowCurGauge();
}

void MainWindow::LoadPaths() { routes_->routes().LoadPaths(); }
void MainWindow::BuildRouteMenu() { routes_->menu().BuildRouteMenu(); }
void MainWindow::PickEntryExit() { routes_->recorder().PickEntryExit(session_.model.LabelIdx); }
void MainWindow::ReadWaitFile() { operation_->ReadWaitFile(); }
void MainWindow::WriteWaitFile() { operation_->WriteWaitFile(); }

void MainWindow::ShowModeToolbars() {
  const int mode = session_.model.ProgMode;
  // What goes is hidden before what comes is shown: showing a toolbar lays the window out at
  // once, and with both sets standing it would grow wider than the screen.
  if (mode == kModify) {
    if (locoWindow_) locoWindow_->hide();
    // The About panel goes with its button: left open, it would lie over the drawing being
    // edited with nothing to close it.
    info_->CloseAbout();
    fraToolbar_[4]->hide();
    operation_->ShowModeGroups();
    fraToolbar_[1]->show();
    fraToolbar_[3]->show();
  } else {
    fraToolbar_[1]->hide();
    fraToolbar_[3]->hide();
    fraToolbar_[4]->show();
    operation_->ShowModeGroups();
  }
  if (mode <= 2) SendToBack(imgBtnTog_[mode]);
}

void MainWindow::UpdateCaption() {
  LayoutModel& m = session_.model;
  m.CaptionBase =
      FormatCaptionBase(session_.scheduler.WallClock(), m.LayoutName, m.ControlSystem);
  if (m.ControlSystem == QLatin1String("DC")) {
    setWindowTitle(m.CaptionBase + BoardTail());
  } else {
    ShowModemStatus();
  }
}

QString MainWindow::BoardTail() const {
  const BoardWindow* form2 = board_->boardWindow();
  return form2 && form2->Lost() ? texts::CaptionBoardOff() : QString();
}

void MainWindow::ShowModemStatus() {
  const ModemStatus status = dccLink_->ShowModemStatus();
  setWindowTitle(session_.model.CaptionBase + status.captionTail + BoardTail());
  modemStatus_->Show(status);
}

void MainWindow::ShowBoardStatus() {
  const BoardWindow* form2 = board_->boardWindow();
  fraBoard_->setVisible(form2 && form2->Lost());
  if (form2) fraBoard_->setToolTip(texts::NoBoardTip(form2->CardAddress()));
  timUpdate_Timer();
}

void MainWindow::ShowLocoWindow() {
  if (locoWindow_ && LocoWindowWanted(session_.model)) {
    locoWindow_->show();
    locoWindow_->raise();
  }
}

void MainWindow::timUpdate_Timer() {
  if (session_.model.ClockOn) UpdateCaption();
}

void MainWindow::ConnectControlSystem() { kv::ConnectControlSystem(session_, *this); }

void MainWindow::SetPointSideLeft() { session_.model.PointSide = QStringLiteral("L"); }

void MainWindow::ShowDccNumberFrame(bool dcc) { operation_->ShowDccNumberFrame(dcc); }

void MainWindow::BringModemFrameToFront() { BringToFront(fraModem_[1]); }

void MainWindow::LoadLocoList() {
  if (!locoForm_) {
    locoForm_ = std::make_unique<kv::LocoWindow>(session_, *dccLink_, this);
    RegisterLocoWindow(locoForm_.get());
    // Until coord.txt holds a place: the screen's bottom left, clear of the toolbars.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      locoForm_->PlaceAtBottomLeft(screen->availableGeometry());
    }
  }
  locoForm_->LoadLocoList();
}

void MainWindow::LoadFunctionNames() {
  if (locoForm_) locoForm_->LoadFunctionNames();
}

void MainWindow::ReadPortFile() { dccLink_->ReadPortFile(); }
void MainWindow::OpenDccBox() { dccLink_->OpenDccBox(); }
void MainWindow::LoadBoardWindow() {
  board_->LoadBoardWindow();
  connect(board_->boardWindow(), &BoardWindow::lostChanged, this, &MainWindow::ShowBoardStatus,
          Qt::UniqueConnection);
  operation_->ShowDcBox();
}

void MainWindow::ReadCoordFile() {
  operation_->ResetKnobTexts();
  LayoutModel& m = session_.model;
  // An empty coord.txt (a first run) leaves the loco window where the window system puts it.
  if (!kv::ReadCoordFile(session_.folder, &m.LocoWinPos)) return;
  coordKnown_ = true;
  if (locoWindow_) {
    // The window's inside is placed and stored, not its frame: before its first show the window
    // system may not know the frame yet (X11 puts the inside where the frame was asked for), and
    // a frame position read back as the inside's would creep up a title bar on every run.
    const QPoint at(m.LocoWinPos[0] / kTwipsPerPixel, m.LocoWinPos[1] / kTwipsPerPixel);
    locoWindow_->setGeometry(QRect(at, locoWindow_->size()));
  }
}

void MainWindow::WriteCoordFile() {
  LayoutModel& m = session_.model;
  if (locoWindow_) {
    const QPoint at = locoWindow_->geometry().topLeft();
    m.LocoWinPos[0] = RoundHalfEven(double(at.x()) * kTwipsPerPixel);
    m.LocoWinPos[1] = RoundHalfEven(double(at.y()) * kTwipsPerPixel);
    coordKnown_ = true;
  }
  // With no loco window and nothing read there is no position to keep; 0,0 would be invented.
  if (!coordKnown_) return;
  kv::WriteCoordFile(session_.folder, m.LocoWinPos);
}

void MainWindow::imgBtnExit_MouseUp(Qt::MouseButton) {
  // Nothing is saved and nothing asked: saving is its own command.
  WriteCoordFile();
  session_.EndProgram();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Closing the window is leaving the program, as the exit button does.
  if (!session_.Ended()) imgBtnExit_MouseUp(Qt::LeftButton);
  event->accept();
}

}  // namespace kv
