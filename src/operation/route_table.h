#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <bitset>

#include "layout/path_file.h"

namespace kv {

// A menu entry of "&ENTRY to EXIT": its route as path.txt holds it, and its state. A route is
// free (enabled, Tag "" or "0"), set (ticked) or blocked (disabled, Tag the number of track
// units it shares with the routes set).
struct RouteEntry {
  PathRecord record;
  QList<int> units;        // its track units, in order, as the train takes them
  std::bitset<256> holds;  // the same, for looking up
  bool checked = false;
  bool enabled = true;
  QString tag;
};

// The routes and their interlocking, without windows: entry i is record i of path.txt.
class RouteTable {
 public:
  // The entries afresh, every one free.
  void Load(const QList<PathRecord>& records);

  int Count() const { return static_cast<int>(entries_.size()); }
  const RouteEntry& Entry(int i) const { return entries_.at(i); }
  QList<PathRecord> Records() const;
  // The entry titled `title`; -1 when none is.
  int Find(const QString& title) const;
  bool AnyTicked() const;
  bool Free(int i) const { return entries_.at(i).enabled && !entries_.at(i).checked; }

  // ToggleRoute's part in the interlocking: ticks entry i (or unticks it), and counts each of
  // its track units against every other entry that is not ticked: setting adds one to its Tag
  // and disables it; clearing takes one off and enables it when the Tag reads "0". When no
  // entry is ticked afterwards, every entry is enabled. True when entry i is now set.
  bool Toggle(int i);

  // The titles of the routes set that share a track unit with entry i.
  QStringList BlockersOf(int i) const;

 private:
  void CheckPathConflict(int j, int unit, bool setting);

  QList<RouteEntry> entries_;
};

}  // namespace kv
