#pragma once

#include <QGroupBox>
#include <QTest>
#include <algorithm>
#include <memory>

#include "app/main_window.h"
#include "app/operation_controls.h"
#include "hardware/dcc_link.h"
#include "hardware/recording_board.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/board_host.h"
#include "hardware/ui/board_window.h"
#include "layout/port_file.h"
#include "panel/panel.h"
#include "panel/zorder.h"
#include "support/fake_dcc_line.h"
#include "support/find_control.h"
#include "support/test_session.h"

namespace kv::test {

// The main window operating a layout on a control system, connected as the load chain connects it.
struct OperatingRig {
  explicit OperatingRig(const QString& system, int port = 0, std::uint8_t mode = kOperate) {
    LayoutModel& m = t.session.model;
    m.ControlSystem = system;
    m.HasDccPoints = system == QLatin1String("DCC");
    m.LayoutName = QStringLiteral("Yard");
    m.ProgMode = mode;
    main = std::make_unique<MainWindow>(t.session);
    auto owned = std::make_unique<FakeDccPorts>(t.scheduler, line);
    ports = owned.get();
    main->dccLink().SetPorts(std::move(owned));
    t.Write(kPortFile, QByteArray::number(port) + "\r\n");
    if (port == 0 && system != QLatin1String("DC")) t.dialogs.QueueText(QStringLiteral("0"));
    main->ConnectControlSystem();
    if (BoardWindow* form2 = main->board().boardWindow()) form2->Timer1().SetEnabled(false);
    main->ReadWaitFile();
    main->WriteWaitFile();
    main->ShowModeToolbars();
    main->show();
    if (auto* board = qobject_cast<RecordingBoard*>(&main->board().library())) board->ClearCalls();
    line->writes.clear();
    t.dialogs.ClearTranscript();
    start = t.scheduler.NowMs();
  }

  // A label on the panel at (x, y) twips; red ones (points labels) are loaded hidden.
  void AddLabel(int i, const QString& caption, std::int32_t colour, double x, double y) {
    LabelLook look;
    look.text = caption;
    look.colour = colour;
    look.fontName = QStringLiteral("Arial");
    look.fontSize = 10;
    main->picScreen().LoadLabel(i, look, x, y);
    t.session.model.LabelCount =
        static_cast<std::uint8_t>(std::max<int>(i, t.session.model.LabelCount));
  }
  // A click on label i where the window shows it.
  void ClickLabel(int i, Qt::MouseButton button) {
    Panel& panel = main->picScreen();
    const QPoint at = panel.mapFromScene(panel.Label(i)->sceneBoundingRect().center());
    QTest::mouseClick(panel.viewport(), button, {}, at);
  }
  void Click(const QString& name, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(Find<QWidget>(main.get(), name), button);
  }
  QString Title(const QString& frame) { return Find<QGroupBox>(main.get(), frame)->title(); }
  QWidget* Control(const QString& name) { return Find<QWidget>(main.get(), name); }
  bool Shown(const QString& name) { return Control(name)->isVisible(); }
  // Those of `names` that show, in order.
  QString Showing(const QStringList& names) {
    QStringList shown;
    for (const QString& name : names)
      if (Shown(name)) shown << name;
    return shown.join(' ');
  }
  bool InFront(const QString& name) { return IsInFront(Control(name)); }
  RecordingBoard& Board() { return static_cast<RecordingBoard&>(main->board().library()); }
  // The board's calls with their times counted from the rig's start.
  QStringList BoardLog() {
    QStringList lines;
    for (const BoardCall& call : Board().Calls())
      lines << QString::number(call.timeMs - start) + QLatin1Char(' ') + call.Text();
    return lines;
  }
  // The frames written to the DCC box, each as "time hex" from the rig's start.
  QStringList Frames() {
    QStringList lines;
    for (const FakeLineLog::Write& w : line->writes)
      lines << QString::number(w.atMs - start) + QLatin1Char(' ') +
                   QString::fromLatin1(w.bytes.toHex(' '));
    return lines;
  }
  qint64 Now() const { return t.scheduler.NowMs() - start; }

  TestSession t;
  std::shared_ptr<FakeLineLog> line = std::make_shared<FakeLineLog>();
  FakeDccPorts* ports = nullptr;
  std::unique_ptr<MainWindow> main;
  qint64 start = 0;
};

}  // namespace kv::test
