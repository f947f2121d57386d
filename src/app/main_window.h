#pragma once

#include <QMainWindow>
#include <QPointer>
#include <memory>

#include "app/control_system.h"
#include "app/load_chain.h"
#include "base/scheduler.h"

class QHBoxLayout;
class QGridLayout;

namespace kv {

class Session;
class DccLink;
class BoardHost;
class EditingControls;
class ImageButton;
class InfoToolbar;
class LayoutCommands;
class LocoWindow;
class MonitorHost;
class Panel;
class PanelArea;
class PanelToolbars;
class RouteControls;
class ModemStatusView;
class OperationControls;
class ToolbarFrame;

// Form1, the main panel window: the toolbars along the top, the panel below. It opens or
// creates the layout when it loads, keeps the caption clock, and ends the program from its exit
// button.
class MainWindow : public QMainWindow, public ConnectionSteps, public LoadChainSteps {
  Q_OBJECT

 public:
  explicit MainWindow(Session& session, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Form_Load: runs the whole load step before returning.
  void Load();
  void StartLayout();
  void OpenLayout();
  void CreateLayout();

  void ShowModeToolbars();
  void UpdateCaption();
  void ShowModemStatus();
  // The board the program had is gone, or back: the strip's fraBoard and the caption say it.
  void ShowBoardStatus();
  void ConnectControlSystem() override;
  void WriteCoordFile();
  void imgBtnExit_MouseUp(Qt::MouseButton button);
  void timUpdate_Timer();

  // The DCC Loco Control window, where one is registered: coord.txt places it.
  void RegisterLocoWindow(QWidget* window) { locoWindow_ = window; }
  QWidget* LocoWindow() const { return locoWindow_; }
  // Shows the registered loco window while operating on a system with DCC.
  void ShowLocoWindow();

  // The DCC box link; the points, routes, signals and the loco window send through it.
  DccLink& dccLink() { return *dccLink_; }

  IntervalTimer& timUpdate() { return *timUpdate_; }
  Panel& picScreen();
  PanelArea& panelArea() { return *panelArea_; }
  PanelToolbars& panelToolbars() { return *panelToolbars_; }
  // The USB board, its relay stack and its test panel (F8).
  BoardHost& board() { return *board_; }
  // The hardware monitor: it watches both links from the start; F9 shows its window.
  MonitorHost& monitor() { return *monitor_; }
  // Points firing, the dwell, the number display, the DC knobs and the mode switch.
  OperationControls& operation() { return *operation_; }
  // Help, About with its sounds, and the word processor.
  InfoToolbar& info() { return *info_; }
  // Editing the panel, undo and redo, and the sensor boxes.
  EditingControls& editing() { return *editing_; }
  // The routes: the table, setting and clearing, recording, the route menu.
  RouteControls& routes() { return *routes_; }
  // A click on an entrance or exit label outside Modify mode (route picking).
  void PickEntryExit();
  Session& session() { return session_; }

  // ConnectionSteps
  void SetPointSideLeft() override;
  void ShowDccNumberFrame(bool dcc) override;
  void BringModemFrameToFront() override;
  void LoadLocoList() override;
  void LoadFunctionNames() override;
  void ReadPortFile() override;
  void OpenDccBox() override;
  void LoadBoardWindow() override;
  void ReadCoordFile() override;

  // LoadChainSteps
  ObjectPanel& Objects() override;
  void ShowNextTrackNumber(int next) override;
  void ShowGaugeRead(int gauge) override;
  void LoadPaths() override;
  void BuildRouteMenu() override;
  void ReadWaitFile() override;
  void WriteWaitFile() override;
  LayoutCommands& layoutCommands() { return *layoutCommands_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildToolStrip();
  void BuildModeFrames();
  ToolbarFrame* AddFrame(const QString& name, const QString& caption);
  void OnToolbarFrameClicked();
  // "   board OFF" while the board the program had is gone.
  QString BoardTail() const;

  Session& session_;
  std::unique_ptr<IntervalTimer> timUpdate_;
  std::unique_ptr<DccLink> dccLink_;
  std::unique_ptr<kv::LocoWindow> locoForm_;  // Form2a on the DCC systems; goes before the link
  ModemStatusView* modemStatus_ = nullptr;
  QPointer<QWidget> locoWindow_;
  bool coordKnown_ = false;
  QWidget* toolStrip_ = nullptr;
  QHBoxLayout* stripLayout_ = nullptr;
  QWidget* panelHost_ = nullptr;
  PanelArea* panelArea_ = nullptr;
  LayoutCommands* layoutCommands_ = nullptr;
  PanelToolbars* panelToolbars_ = nullptr;
  ToolbarFrame* fraToolbar_[5] = {};
  ToolbarFrame* fraModem_[2] = {};
  ToolbarFrame* fraBoard_ = nullptr;
  ToolbarFrame* fraBtnMode_ = nullptr;
  ToolbarFrame* fraSendNo_ = nullptr;
  ToolbarFrame* fraLenzNo_ = nullptr;
  ImageButton* imgBtnTog_[3] = {};
  ImageButton* imgBtnExit_ = nullptr;
  std::unique_ptr<BoardHost> board_;
  std::unique_ptr<MonitorHost> monitor_;  // goes before the links it watches
  OperationControls* operation_ = nullptr;
  InfoToolbar* info_ = nullptr;
  EditingControls* editing_ = nullptr;
  RouteControls* routes_ = nullptr;
};

}  // namespace kv
