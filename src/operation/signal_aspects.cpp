#include "operation/signal_aspects.h"

#include "layout/layout_model.h"
#include "operation/signal_coils.h"

namespace kv {

namespace {
constexpr int kReverseOffset = 128;
constexpr int kHighestItem = 255;  // an item is read as a byte

bool Is(QChar c, const char* letters) {
  for (const char* l = letters; *l; ++l) {
    if (c == QLatin1Char(*l)) return true;
  }
  return false;
}
}  // namespace

QString AspectCodeOf(const QString& picture) {
  if (picture.size() < kAspectTail) return {};
  return picture.mid(picture.size() - kAspectTail, kAspectLength);
}

QString PictureStem(const QString& picture) {
  return picture.chopped(qMin<qsizetype>(picture.size(), kAspectTail));
}

QString RouteIndicator(QString code, const QString& exitName) {
  // A platform number in the exit's name wins over its first letter.
  for (char digit = '1'; digit <= '9'; ++digit) {
    if (exitName.contains(QLatin1Char(digit))) {
      code[3] = QLatin1Char(digit);
      return code;
    }
  }
  code[3] = exitName.size() >= 4 ? exitName.at(3) : QLatin1Char(' ');
  return code;
}

QString ClearAspect(QString code, bool sigReverse, const QString& exitName) {
  if (code[3] == QLatin1Char('#')) code = RouteIndicator(code, exitName);
  code[2] = sigReverse ? QLatin1Char('G') : QLatin1Char('Y');
  return code;
}

QString DeriveOffAspect(QString code, bool sigReverse, const QString& exitName) {
  if (code.size() != kAspectLength) return code;
  const QChar p1 = code[0], p2 = code[1], p3 = code[2], p4 = code[3];
  if (p1 == QLatin1Char('C')) {
    if (p2 == QLatin1Char('2')) {
      if (p3 == QLatin1Char('D')) {
        code[2] = QLatin1Char('G');
      } else if (p3 == QLatin1Char('R')) {
        code = ClearAspect(code, sigReverse, exitName);
      }
    } else if (Is(p2, "34")) {
      code = ClearAspect(code, sigReverse, exitName);
    } else if (Is(p2, "FG")) {
      if (p4 == QLatin1Char('#')) {
        if (p3 == QLatin1Char('R')) code[2] = QLatin1Char('W');
        if (Is(code[2], "GWY")) code = RouteIndicator(code, exitName);
      } else if (p3 == QLatin1Char('R')) {
        code = ClearAspect(code, sigReverse, exitName);
      }
    }
  } else if (Is(p1, "LSU")) {
    if (p2 == QLatin1Char('3')) {
      code = ClearAspect(code, sigReverse, exitName);
    } else if (Is(p2, "DGH")) {
      code[2] = QLatin1Char('G');
    }
  }
  return code;
}

QString SetOffAspect(const QString& picture, bool sigReverse, const QString& exitName) {
  QString code = AspectCodeOf(picture);
  if (code.isEmpty()) return picture;
  if (code[2] == QLatin1Char('B')) code[2] = QLatin1Char('W');
  return PictureStem(picture) + DeriveOffAspect(code, sigReverse, exitName) +
         QStringLiteral(".bmp");
}

QString SetOnAspect(const QString& picture, const QString& storedAspect) {
  return PictureStem(picture) + storedAspect + QStringLiteral(".bmp");
}

SignalItem SplitSignalNo(int item) {
  if (item > kHighestCoil) return {item - kReverseOffset, true};
  return {item, false};
}

std::optional<int> RouteSignalItem(int coil, bool sigReverse) {
  const int item = sigReverse ? coil + kReverseOffset : coil;
  const SignalItem back = SplitSignalNo(item);
  if (item > kHighestItem || back.coil != coil || back.sigReverse != sigReverse) return {};
  return item;
}

}  // namespace kv
