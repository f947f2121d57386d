#include "hardware/loco_rules.h"

#include <QRegularExpression>

#include "hardware/xpressnet.h"

namespace kv {

std::optional<QString> ChipAfterEdit(const QString& edited) {
  static const QRegularExpression chip(QStringLiteral("^[0-9]{0,4}$"));
  if (!chip.match(edited).hasMatch()) return std::nullopt;
  return edited;
}

std::optional<QString> LocoNumberAfterEdit(const QString& edited) {
  static const QRegularExpression number(QStringLiteral("^[DdEe]?[0-9]*$"));
  if (!number.match(edited).hasMatch()) return std::nullopt;
  QString text = edited;
  if (!text.isEmpty()) text[0] = text.at(0).toUpper();
  return text;
}

bool IsLocoNumber(const QString& number) {
  static const QRegularExpression whole(QStringLiteral("^[DE]?[0-9]+$"));
  return whole.match(number).hasMatch();
}

QString LocoItemText(const LocoRecord& loco) {
  return loco.number + QLatin1Char(' ') + loco.chip;
}

int SortedPosition(const QList<LocoRecord>& locos, const LocoRecord& loco) {
  const QString text = LocoItemText(loco);
  int i = 0;
  while (i < locos.size() && LocoItemText(locos.at(i)).compare(text, Qt::CaseInsensitive) <= 0) {
    ++i;
  }
  return i;
}

QString FunctionCaption(int function, bool on, const QString& label) {
  QString caption = QLatin1Char('F') + QString::number(function) +
                    (on ? QStringLiteral("   ON ") : QStringLiteral("   OFF"));
  if (!label.isEmpty()) caption += QLatin1Char(' ') + label;
  return caption;
}

QString FunctionLabel(const QString& storedCaption) {
  static const QRegularExpression prefix(QStringLiteral("^F[0-9]{1,2}   (ON |OFF) ?"));
  QString label = storedCaption;
  const QRegularExpressionMatch match = prefix.match(storedCaption);
  if (match.hasMatch()) label = storedCaption.mid(match.capturedLength());
  return label.trimmed().left(kMaxLabel);
}

std::uint8_t GroupByte(const FunctionStates& on, std::uint8_t group) {
  std::uint8_t byte = 0;
  for (int f = 0; f < kFunctionCount; ++f) {
    if (!on[static_cast<std::size_t>(f)] || xpressnet::FunctionGroupOf(f) != group) continue;
    if (f == 0) {
      byte |= 0x10;
    } else {
      const int first = group == 0x20 ? 1 : group == 0x21 ? 5 : 9;
      byte |= static_cast<std::uint8_t>(1 << (f - first));
    }
  }
  return byte;
}

}  // namespace kv
