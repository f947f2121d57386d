#include "hardware/xpressnet_decode.h"

#include <QStringList>

namespace kv::xpressnet {

namespace {

std::uint8_t At(const QByteArray& frame, int i) {
  return static_cast<std::uint8_t>(frame.at(i));
}

QString DescribeAccessory(const QByteArray& f) {
  const std::uint8_t address = At(f, 1);
  const std::uint8_t data = At(f, 2);
  if ((data & 0xF0) != 0x80) return QStringLiteral("accessory with a malformed data byte");
  const int pair = (data >> 1) & 3;
  const QString side = (data & 1) ? QStringLiteral("R") : QStringLiteral("L");
  const QString state = (data & 0x08) ? QStringLiteral("on") : QStringLiteral("off");
  // In the words of the points label that fires it: solenoid numbers start at address 1.
  if (address == 0) {
    return QStringLiteral("accessory address 0 pair %1 %2 %3").arg(pair).arg(side, state);
  }
  return QStringLiteral("accessory %1 %2 %3").arg(address * 4 + pair - 4).arg(side, state);
}

QString DescribeFunctions(const QByteArray& f) {
  const std::uint8_t group = At(f, 1);
  const std::uint8_t bits = At(f, 4);
  QStringList on;
  QString range;
  if (group == 0x20) {
    range = QStringLiteral("F0-F4");
    if (bits & 0x10) on << QStringLiteral("F0");
    for (int i = 0; i < 4; ++i) {
      if (bits & (1 << i)) on << QStringLiteral("F%1").arg(i + 1);
    }
  } else {
    const int first = group == 0x21 ? 5 : 9;
    range = QStringLiteral("F%1-F%2").arg(first).arg(first + 3);
    for (int i = 0; i < 4; ++i) {
      if (bits & (1 << i)) on << QStringLiteral("F%1").arg(first + i);
    }
  }
  return QStringLiteral("loco %1 functions %2: %3")
      .arg(LocoNumber({At(f, 2), At(f, 3)}))
      .arg(range, on.isEmpty() ? QStringLiteral("all off") : on.join(QStringLiteral(" ")));
}

QString DescribeDoubleHeader(const QByteArray& f) {
  const int a = LocoNumber({At(f, 2), At(f, 3)});
  if (At(f, 4) == 0 && At(f, 5) == 0) {
    return QStringLiteral("double header of loco %1 dissolved").arg(a);
  }
  return QStringLiteral("double header loco %1 with loco %2")
      .arg(a)
      .arg(LocoNumber({At(f, 4), At(f, 5)}));
}

QString BadCheck(const QByteArray& frame) {
  const QByteArray body = frame.left(frame.size() - 1);
  return QStringLiteral("bad check byte %1, should be %2")
      .arg(Hex(frame.right(1)), Hex(QByteArray(1, static_cast<char>(Check(body)))));
}

}  // namespace

int FrameLength(std::uint8_t header) {
  return (header & 0x0F) + 2;
}

bool CheckOk(const QByteArray& frame) {
  return !frame.isEmpty() && Check(frame.left(frame.size() - 1)) == At(frame, frame.size() - 1);
}

std::optional<QByteArray> FrameReader::Next() {
  if (pending_.isEmpty()) return std::nullopt;
  const int length = FrameLength(static_cast<std::uint8_t>(pending_.at(0)));
  if (pending_.size() < length) return std::nullopt;
  QByteArray frame = pending_.left(length);
  pending_.remove(0, length);
  return frame;
}

QByteArray FrameReader::TakePartial() {
  QByteArray partial = pending_;
  pending_.clear();
  return partial;
}

int LocoNumber(LocoAddress loco) {
  if (loco.high == 0) return loco.low;
  return ((loco.high & 0x3F) << 8) | loco.low;
}

QString DescribeSpeed(std::uint8_t speed) {
  // Bit 4 is the least significant speed bit: 02, 12, 03, 13 ... are steps 1, 2, 3, 4 ...
  const int v = speed & 0x1F;
  const int raw = ((v & 0x0F) << 1) | (v >> 4);
  QString step;
  if (raw <= 1) {
    step = QStringLiteral("stop");
  } else if (raw <= 3) {
    step = QStringLiteral("emergency stop");
  } else {
    step = QStringLiteral("step %1").arg(raw - 3);
  }
  return step + ((speed & 0x80) ? QStringLiteral(" forward") : QStringLiteral(" reverse"));
}

QString Describe(const QByteArray& frame) {
  if (frame.isEmpty()) return QStringLiteral("nothing");
  if (!CheckOk(frame)) return BadCheck(frame);
  const std::uint8_t header = At(frame, 0);
  const int size = static_cast<int>(frame.size());
  if (header == 0xF0 && size == 2) return QStringLiteral("version request");
  if (header == 0x52 && size == 4) return DescribeAccessory(frame);
  if (header == 0xE4 && size == 6) {
    const std::uint8_t kind = At(frame, 1);
    if (kind == 0x12) {
      return QStringLiteral("loco %1 speed %2")
          .arg(LocoNumber({At(frame, 2), At(frame, 3)}))
          .arg(DescribeSpeed(At(frame, 4)));
    }
    if (kind == 0x20 || kind == 0x21 || kind == 0x22) return DescribeFunctions(frame);
  }
  if (header == 0xE5 && size == 7 && At(frame, 1) == 0x43) return DescribeDoubleHeader(frame);
  return QStringLiteral("unknown command");
}

QString DescribeReply(const QByteArray& frame) {
  if (frame.isEmpty()) return QStringLiteral("nothing");
  if (!CheckOk(frame)) return BadCheck(frame);
  const std::uint8_t header = At(frame, 0);
  const int size = static_cast<int>(frame.size());
  if (header == 0x02 && size == 4) {
    const auto bcd = [](std::uint8_t v) {
      return QStringLiteral("%1.%2").arg(v >> 4).arg(v & 0xF);
    };
    return QStringLiteral("interface version: hardware %1, software %2")
        .arg(bcd(At(frame, 1)), bcd(At(frame, 2)));
  }
  if (size != 3) return QStringLiteral("unknown answer");
  const std::uint8_t code = At(frame, 1);
  if (header == 0x01) {
    switch (code) {
      case 0x01:
        return QStringLiteral("transfer error from the PC");
      case 0x02:
        return QStringLiteral("transfer error to the command station");
      case 0x03:
        return QStringLiteral("unknown communication error");
      case 0x04:
        return QStringLiteral("command sent");
      case 0x05:
        return QStringLiteral("no time slot from the command station");
      case 0x06:
        return QStringLiteral("interface buffer full");
      default:
        break;
    }
  }
  if (header == 0x61) {
    switch (code) {
      case 0x00:
        return QStringLiteral("track power off");
      case 0x01:
        return QStringLiteral("normal operation resumed");
      case 0x02:
        return QStringLiteral("service mode");
      case 0x80:
        return QStringLiteral("transfer error at the command station");
      case 0x81:
        return QStringLiteral("command station busy");
      case 0x82:
        return QStringLiteral("command not supported");
      default:
        break;
    }
  }
  if (header == 0x81 && code == 0x00) return QStringLiteral("emergency stop");
  return QStringLiteral("unknown answer");
}

QString Hex(const QByteArray& bytes) {
  return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

}  // namespace kv::xpressnet
