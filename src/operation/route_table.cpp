#include "operation/route_table.h"

#include "operation/points_caption.h"
#include "operation/route_items.h"

namespace kv {

void RouteTable::Load(const QList<PathRecord>& records) {
  entries_.clear();
  entries_.reserve(records.size());
  for (const PathRecord& r : records) {
    RouteEntry e;
    e.record = r;
    for (const QString& item : ItemsOf(r.tracks).items) {
      // Unit 0 is no unit: an item without a number names none.
      const auto unit = LeadingNumberOf(item);
      if (!unit || *unit == 0) continue;
      e.units << *unit;
      e.holds.set(static_cast<size_t>(*unit));
    }
    entries_ << e;
  }
}

QList<PathRecord> RouteTable::Records() const {
  QList<PathRecord> records;
  for (const RouteEntry& e : entries_) records << e.record;
  return records;
}

int RouteTable::Find(const QString& title) const {
  for (int i = 0; i < Count(); ++i) {
    if (entries_.at(i).record.title == title) return i;
  }
  return -1;
}

bool RouteTable::AnyTicked() const {
  for (const RouteEntry& e : entries_) {
    if (e.checked) return true;
  }
  return false;
}

bool RouteTable::Toggle(int i) {
  RouteEntry& route = entries_[i];
  route.checked = !route.checked;
  const bool setting = route.checked;
  for (int unit : route.units) {
    for (int j = 0; j < Count(); ++j) {
      if (j != i) CheckPathConflict(j, unit, setting);
    }
  }
  if (!AnyTicked()) {
    for (RouteEntry& e : entries_) e.enabled = true;
  }
  return setting;
}

void RouteTable::CheckPathConflict(int j, int unit, bool setting) {
  RouteEntry& e = entries_[j];
  if (e.checked || !e.holds.test(static_cast<size_t>(unit))) return;
  const int count = e.tag.toInt();
  if (setting) {
    e.tag = QString::number(count + 1);
    e.enabled = false;
  } else {
    e.tag = QString::number(qMax(0, count - 1));
    if (e.tag == QLatin1String("0")) e.enabled = true;
  }
}

QStringList RouteTable::BlockersOf(int i) const {
  QStringList titles;
  for (int j = 0; j < Count(); ++j) {
    const RouteEntry& e = entries_.at(j);
    if (j != i && e.checked && (e.holds & entries_.at(i).holds).any()) {
      titles << e.record.title.trimmed();
    }
  }
  return titles;
}

}  // namespace kv
