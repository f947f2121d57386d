#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace kv {

// The record form of every data file: one record a line, fields joined by commas, strings in
// double quotes, integers as bare digits, Booleans as #TRUE#/#FALSE#, Windows-1252 text, CR LF.

// A number as the record form writes a Single: shortest text that reads back the same value,
// a point as separator and no zero before it (0.5 is ".5", 2 is "2").
QString FormatSingle(float value);

class RecordWriter {
 public:
  RecordWriter& Str(const QString& value);
  RecordWriter& Int(qint64 value);
  RecordWriter& Single(float value);
  RecordWriter& Bool(bool value);

  // False once a field could not be written: a string holding a double quote or a line end
  // would read back as other fields, and a character outside Windows-1252 would be lost.
  bool Ok() const { return error_.isEmpty(); }
  QString Error() const { return error_; }

  // The record's bytes ending in CR LF; empty when !Ok().
  QByteArray Line() const;

 private:
  void Append(const QByteArray& field);
  QByteArray bytes_;
  QString error_;
  int fields_ = 0;
};

// Reads the records of a file's bytes. LF-only and CR-only line ends and a missing final line
// end are accepted; blank lines are skipped.
class RecordReader {
 public:
  explicit RecordReader(const QByteArray& fileBytes);

  // Moves to the next record. False when no record is left.
  bool Next();
  bool AtEnd() const;
  int LineNumber() const { return lineNumber_; }

  // Field access in order on the current record. Each returns false and leaves *out unchanged
  // when the field is missing or does not convert; Error() then says why. A field left empty
  // between commas reads as "", 0 or False.
  bool Str(QString* out);
  bool Byte(quint8* out);
  bool Integer(qint16* out);
  bool Long(qint32* out);
  bool Single(float* out);
  bool Bool(bool* out);

  bool AtRecordEnd() const { return field_ >= fields_.size(); }
  QString Error() const { return error_; }
  // Forgets a failed field, so that a reader that passes bad fields over can read the next.
  void ClearError() { error_.clear(); }

 private:
  struct Field {
    QString text;
    bool quoted = false;
  };
  bool Take(Field* field, const char* what);
  bool Integral(qint64 min, qint64 max, qint64* out, const char* what);
  bool Fail(const QString& message);
  void Split(const QString& line);

  QList<QByteArray> lines_;
  int nextLine_ = 0;
  int lineNumber_ = 0;
  QList<Field> fields_;
  int field_ = 0;
  QString splitError_;
  QString error_;
};

}  // namespace kv
