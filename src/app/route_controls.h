#pragma once

#include <QObject>

namespace kv {

class MainWindow;
class RouteMenu;
class RouteRecorder;
class Routes;

// The routes as the main window holds them: the route table with setting and clearing, the
// recording driven by the panel's clicks (through the editor in Modify mode, through the
// label clicks outside it), the menu, and what ends a recording: Escape and the mode picture.
class RouteControls : public QObject {
  Q_OBJECT

 public:
  explicit RouteControls(MainWindow& window);
  ~RouteControls() override;

  Routes& routes() { return *routes_; }
  RouteRecorder& recorder() { return *recorder_; }
  RouteMenu& menu() { return *menu_; }

 private:
  Routes* routes_;
  RouteRecorder* recorder_;
  RouteMenu* menu_;
};

}  // namespace kv
