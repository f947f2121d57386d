#pragma once

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class QMenuBar;

namespace kv {

class Routes;

// The menu "&ENTRY to EXIT" (mnuNTX) with one entry mnuList_i a route, ticked while the route
// is set, greyed while it is blocked, its tool-tip naming the routes set that block it; and
// beside it mnuPathRec, which shows a route's record while it is recorded.
class RouteMenu : public QObject {
  Q_OBJECT

 public:
  RouteMenu(QMenuBar* bar, Routes& routes, QObject* parent = nullptr);

  QMenu* mnuNTX() const { return mnuNTX_; }
  QAction* mnuList(int i) const { return entries_.value(i); }
  QAction* mnuPathRec() const { return mnuPathRec_; }

  // BuildRouteMenu: an entry for each route, in the table's order.
  void BuildRouteMenu();
  // The ticks, Enabled and tool-tips as the table has them.
  void ShowStates();
  // mnuPathRec's caption; hidden while empty.
  void ShowPathRecord(const QString& text);

 private:
  Routes& routes_;
  QMenu* mnuNTX_;
  QAction* mnuPathRec_;
  QAction* none_ = nullptr;
  QList<QAction*> entries_;
};

}  // namespace kv
