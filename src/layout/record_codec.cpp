#include "layout/record_codec.h"

#include <QRegularExpression>
#include <cmath>
#include <limits>

#include "layout/code_page.h"

namespace kv {

QString FormatSingle(float value) {
  if (value == 0.0f) return QStringLiteral("0");
  // Seven significant digits is the precision of a Single; 'g' drops trailing zeros.
  QString text = QString::number(double(value), 'g', 7);
  if (text.contains(QLatin1Char('e'))) {
    // 1e+16 -> 1E+16, the form the files use for very large or small numbers.
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    QString mantissa = text.left(e);
    QString exponent = text.mid(e + 1);
    const QChar sign = exponent.at(0);
    exponent = exponent.mid(1);
    while (exponent.size() > 2 && exponent.startsWith(QLatin1Char('0'))) exponent.remove(0, 1);
    text = mantissa + QLatin1Char('E') + sign + exponent;
  }
  if (text.startsWith(QLatin1String("0."))) text.remove(0, 1);
  if (text.startsWith(QLatin1String("-0."))) text.remove(1, 1);
  return text;
}

void RecordWriter::Append(const QByteArray& field) {
  if (fields_++ > 0) bytes_.append(',');
  bytes_.append(field);
}

RecordWriter& RecordWriter::Str(const QString& value) {
  if (!Ok()) return *this;
  if (value.contains(QLatin1Char('"'))) {
    error_ = QStringLiteral("the text \"%1\" holds a double quote, which these files cannot store")
                 .arg(value);
    return *this;
  }
  if (value.contains(QLatin1Char('\n')) || value.contains(QLatin1Char('\r'))) {
    error_ = QStringLiteral("the text \"%1\" holds a line break, which these files cannot store")
                 .arg(QString(value)
                          .replace(QLatin1Char('\n'), QLatin1Char(' '))
                          .replace(QLatin1Char('\r'), QLatin1Char(' ')));
    return *this;
  }
  QByteArray bytes;
  QChar bad;
  if (!EncodeCp1252(value, &bytes, &bad)) {
    error_ =
        QStringLiteral("the text \"%1\" holds the character '%2', which these files cannot store")
            .arg(value, QString(bad));
    return *this;
  }
  Append('"' + bytes + '"');
  return *this;
}

RecordWriter& RecordWriter::Int(qint64 value) {
  if (Ok()) Append(QByteArray::number(value));
  return *this;
}

RecordWriter& RecordWriter::Single(float value) {
  if (Ok()) Append(FormatSingle(value).toLatin1());
  return *this;
}

RecordWriter& RecordWriter::Bool(bool value) {
  if (Ok()) Append(value ? QByteArrayLiteral("#TRUE#") : QByteArrayLiteral("#FALSE#"));
  return *this;
}

QByteArray RecordWriter::Line() const {
  if (!Ok()) return {};
  return bytes_ + "\r\n";
}

RecordReader::RecordReader(const QByteArray& fileBytes) {
  qsizetype start = 0;
  const qsizetype n = fileBytes.size();
  for (qsizetype i = 0; i < n; ++i) {
    const char c = fileBytes.at(i);
    if (c == '\r' || c == '\n') {
      lines_.append(fileBytes.mid(start, i - start));
      if (c == '\r' && i + 1 < n && fileBytes.at(i + 1) == '\n') ++i;
      start = i + 1;
    }
  }
  if (start < n) lines_.append(fileBytes.mid(start));
}

namespace {
bool IsBlank(const QByteArray& line) {
  for (char c : line) {
    if (c != ' ' && c != '\t') return false;
  }
  return true;
}
}  // namespace

bool RecordReader::AtEnd() const {
  for (int i = nextLine_; i < lines_.size(); ++i) {
    if (!IsBlank(lines_.at(i))) return false;
  }
  return true;
}

bool RecordReader::Next() {
  fields_.clear();
  field_ = 0;
  error_.clear();
  splitError_.clear();
  while (nextLine_ < lines_.size()) {
    const QByteArray& line = lines_.at(nextLine_++);
    if (IsBlank(line)) continue;
    lineNumber_ = nextLine_;
    Split(DecodeCp1252(line));
    return true;
  }
  return false;
}

void RecordReader::Split(const QString& line) {
  qsizetype i = 0;
  const qsizetype n = line.size();
  while (true) {
    while (i < n && line.at(i) == QLatin1Char(' ')) ++i;
    Field field;
    if (i < n && line.at(i) == QLatin1Char('"')) {
      const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
      if (close < 0) {
        splitError_ = QStringLiteral("a quoted text has no closing quote");
        return;
      }
      field.text = line.mid(i + 1, close - i - 1);
      field.quoted = true;
      i = close + 1;
      // Anything between the closing quote and the next comma is not part of the field.
      while (i < n && line.at(i) != QLatin1Char(',')) ++i;
    } else {
      const qsizetype comma = line.indexOf(QLatin1Char(','), i);
      const qsizetype end = comma < 0 ? n : comma;
      field.text = line.mid(i, end - i).trimmed();
      i = end;
    }
    fields_.append(field);
    if (i >= n) return;
    ++i;  // past the comma
  }
}

bool RecordReader::Fail(const QString& message) {
  if (error_.isEmpty()) error_ = message;
  return false;
}

bool RecordReader::Take(Field* field, const char* what) {
  if (!error_.isEmpty()) return false;
  if (field_ >= fields_.size()) {
    if (!splitError_.isEmpty()) return Fail(splitError_);
    return Fail(QStringLiteral("the record ends before its %1 field").arg(QLatin1String(what)));
  }
  *field = fields_.at(field_++);
  return true;
}

bool RecordReader::Str(QString* out) {
  Field field;
  if (!Take(&field, "text")) return false;
  *out = field.text;
  return true;
}

namespace {
// A field as a message quotes it: a character that shows nothing (NUL, a control) as \xNN, and
// a field longer than a line cut short, so a damaged file gives a readable message.
QString Shown(const QString& text) {
  constexpr int kShownLength = 40;
  QString shown;
  for (const QChar c : text.left(kShownLength)) {
    if (c.unicode() < 0x20 || c.unicode() == 0x7F) {
      shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
    } else {
      shown += c;
    }
  }
  return text.size() > kShownLength ? shown + QStringLiteral("...") : shown;
}

// A number as the files hold it: digits with an optional sign, point and exponent.
bool ParseNumber(const QString& text, double* value) {
  static const QRegularExpression pattern(
      QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eE][+-]?\\d+)?$"));
  if (!pattern.match(text).hasMatch()) return false;
  bool ok = false;
  *value = text.toDouble(&ok);
  return ok && std::isfinite(*value);
}
}  // namespace

bool RecordReader::Integral(qint64 min, qint64 max, qint64* out, const char* what) {
  Field field;
  if (!Take(&field, what)) return false;
  if (field.text.isEmpty()) {
    *out = 0;
    return true;
  }
  double value = 0;
  if (!ParseNumber(field.text, &value)) {
    return Fail(QStringLiteral("\"%1\" is not a number").arg(Shown(field.text)));
  }
  // Whole-number fields round a fraction half to even, as the files' writer rounds.
  const double rounded = std::nearbyint(value);
  if (rounded < double(min) || rounded > double(max)) {
    return Fail(QStringLiteral("%1 is outside %2 to %3").arg(Shown(field.text)).arg(min).arg(max));
  }
  *out = static_cast<qint64>(rounded);
  return true;
}

bool RecordReader::Byte(quint8* out) {
  qint64 v = 0;
  if (!Integral(0, 255, &v, "number")) return false;
  *out = static_cast<quint8>(v);
  return true;
}

bool RecordReader::Integer(qint16* out) {
  qint64 v = 0;
  if (!Integral(-32768, 32767, &v, "number")) return false;
  *out = static_cast<qint16>(v);
  return true;
}

bool RecordReader::Long(qint32* out) {
  qint64 v = 0;
  if (!Integral(std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max(), &v,
                "number")) {
    return false;
  }
  *out = static_cast<qint32>(v);
  return true;
}

bool RecordReader::Single(float* out) {
  Field field;
  if (!Take(&field, "number")) return false;
  if (field.text.isEmpty()) {
    *out = 0;
    return true;
  }
  double value = 0;
  if (!ParseNumber(field.text, &value) || std::fabs(value) > std::numeric_limits<float>::max()) {
    return Fail(QStringLiteral("\"%1\" is not a number").arg(Shown(field.text)));
  }
  *out = static_cast<float>(value);
  return true;
}

bool RecordReader::Bool(bool* out) {
  Field field;
  if (!Take(&field, "true/false")) return false;
  const QString t = field.text.toUpper();
  if (t == QLatin1String("#TRUE#") || t == QLatin1String("TRUE")) {
    *out = true;
  } else if (t == QLatin1String("#FALSE#") || t == QLatin1String("FALSE") || t.isEmpty()) {
    *out = false;
  } else {
    double value = 0;
    if (!ParseNumber(t, &value)) {
      return Fail(QStringLiteral("\"%1\" is neither #TRUE# nor #FALSE#").arg(Shown(field.text)));
    }
    *out = value != 0;
  }
  return true;
}

}  // namespace kv
