#pragma once

#include <QObject>
#include <memory>

class QShortcut;
class QWidget;

namespace kv {

class BoardLibrary;
class BoardWindow;
class RelayStack;
class Session;

// The USB board as the main window holds it: the board library of this run, the relay stack
// that fires solenoids through it, and the board test panel (Form2), which is loaded hidden on
// the systems that use the board and shown with F8.
class BoardHost : public QObject {
  Q_OBJECT

 public:
  BoardHost(Session& session, QWidget* mainWindow, std::unique_ptr<BoardLibrary> library);
  // The relay stack goes first (a pulse under way is cleared), then the panel (which closes
  // the board), then the library.
  ~BoardHost() override;

  BoardLibrary& library() { return *library_; }
  RelayStack& relayStack() { return *relay_; }
  BoardWindow* boardWindow() const { return window_.get(); }

  // Loads Form2 without showing it, which opens the board; once only.
  void LoadBoardWindow();
  // Shows Form2 where it is loaded; a beep where this system has no board.
  void ShowBoardWindow();

 signals:
  // The board's digital inputs as Form2 polls them (every 50 ms while the board is open,
  // whether Form2 shows or not), bit 0 = input 1.
  void digitalInputs(int bits);

 private:
  Session& session_;
  QWidget* mainWindow_;
  std::unique_ptr<BoardLibrary> library_;
  std::unique_ptr<BoardWindow> window_;
  std::unique_ptr<RelayStack> relay_;
  QShortcut* showKey_ = nullptr;
  bool placed_ = false;
};

}  // namespace kv
