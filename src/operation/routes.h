#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <deque>

#include "layout/path_file.h"
#include "operation/route_table.h"

namespace kv {

class Panel;
class PointsFiring;
class RelayStack;
class Session;
class SignalOperation;

// The recorded routes of the open layout, and setting and clearing them. Setting a route
// colours its track units in its palette colour, blocks the routes that share one of them,
// fires its points in their order and then clears its signals; clearing it puts its signals
// back (its points stay as they lie), gives its units their own colours again and frees the
// routes it alone blocked. On the relay stack the outputs stay set from one solenoid of a line
// to the next; on "DCC" the points and coils go out as accessory throws, one after another.
class Routes : public QObject {
  Q_OBJECT

 public:
  Routes(Session& session, Panel& panel, PointsFiring& firing, RelayStack& relay,
         SignalOperation& signalOperation, QObject* parent = nullptr);

  const RouteTable& Table() const { return table_; }

  // LoadPaths: the routes of path.txt, every one free. A record that cannot be read ends the
  // reading with message 2 (the file, the line, why); the routes before it stay usable, and
  // no route is filed until the file is mended.
  void LoadPaths();
  bool ReadWhole() const { return !outcome_.stopped; }

  // mnuList_Click: entry `index` ticked or unticked, in Operate mode only.
  void mnuList_Click(int index);
  // ToggleRoute: sets entry `index`, or clears it when it is set. A blocked entry is refused:
  // false. Items without their closing comma are told (in message 11's words) when the route
  // is set; a points item the system cannot fire shows message 11 and ends the points, and
  // the signals of that route are then left as they stand.
  bool ToggleRoute(int index);

  // FilePath: inserts `record` into path.txt where its title sorts, rewriting the file at once,
  // then reads the routes again. A route line left empty takes its heading. Refused, with a
  // message, while path.txt could not be read whole, when it holds 255 routes already, or
  // when it cannot be written (it is then as it was).
  bool FilePath(PathRecord record);

 signals:
  // The entries were read again: their number and titles.
  void entriesChanged();
  // A tick, Enabled or Tag changed.
  void statesChanged();

 private:
  void ApplyTrainPath(const RouteEntry& route, int index, bool setting);
  void ColourTrackUnit(int unit, int index, bool setting);
  // False when an item named no solenoid the system can fire: message 11 is due.
  bool ApplyPointSolenoids(const RouteEntry& route);
  void ApplySignalCoils(const RouteEntry& route, bool setting, const QString& exitName);
  // Fires the solenoids of one line in order; on the relay stack each pulse leaves the outputs
  // set while the rest of its line waits behind it.
  void FireLine(const QStringList& items, bool dcc);
  void RoutePulseEnded();
  void TellLostItems(const RouteEntry& route);
  bool IsDcc() const;

  Session& session_;
  Panel& panel_;
  PointsFiring& firing_;
  RelayStack& relay_;
  SignalOperation& signals_;
  RouteTable table_;
  PathFileOutcome outcome_;
  // For each route pulse queued on the relay stack, in order: what is left of its line after
  // it. The stack keeps its outputs set when a pulse ends while RouteList holds anything.
  std::deque<QStringList> rests_;
};

}  // namespace kv
