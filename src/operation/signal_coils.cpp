#include "operation/signal_coils.h"

#include <QList>
#include <QRandomGenerator>

#include "layout/layout_model.h"
#include "operation/points_caption.h"
#include "panel/panel.h"

namespace kv {

namespace {
constexpr int kHighestAccessory = 255;

void AddNumber(QSet<int>* numbers, const QString& text) {
  if (const auto n = LeadingNumberOf(text)) numbers->insert(*n);
}
}  // namespace

QSet<int> SolenoidsInUse(const LayoutModel& m, const Panel& panel) {
  QSet<int> used;
  for (int i = 1; i <= m.SignalCount; ++i) {
    AddNumber(&used, m.SignalCoilA[i]);
    AddNumber(&used, m.SignalCoilB[i]);
  }
  for (int i = 1; i <= m.LabelCount; ++i) {
    const LabelControl* label = panel.Label(i);
    if (label && label->ForeColor() == kRed) AddNumber(&used, label->Caption());
  }
  return used;
}

RandomNumber SystemRandom() {
  return [](int bound) { return QRandomGenerator::global()->bounded(bound); };
}

std::optional<int> PickRandomCoil(const QSet<int>& taken, const RandomNumber& random) {
  // Drawn among the free numbers, so that a full stack ends the search rather than looping.
  QList<int> free;
  for (int n = kLowestCoil; n <= kHighestCoil; n += 2) {
    if (!taken.contains(n)) free << n;
  }
  if (free.isEmpty()) return std::nullopt;
  return free.at(random(static_cast<int>(free.size())));
}

std::optional<int> PickDccCoil(int next, const QSet<int>& taken) {
  for (int n = qMax(0, next); n <= kHighestAccessory; ++n) {
    if (!taken.contains(n)) return n;
  }
  return std::nullopt;
}

}  // namespace kv
