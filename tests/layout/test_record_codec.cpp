#include <QTest>

#include "layout/code_page.h"
#include "layout/record_codec.h"
#include "support/test_session.h"

using kv::RecordReader;
using kv::RecordWriter;

class RecordCodecTest : public QObject {
  Q_OBJECT

 private slots:
  void writesEveryFieldTypeExactly() {
    const QByteArray line = RecordWriter()
                                .Str(QStringLiteral("Gare de l'Est é €"))
                                .Int(1500)
                                .Int(-75)
                                .Single(0.5f)
                                .Bool(true)
                                .Bool(false)
                                .Str(QString())
                                .Line();
    QCOMPARE(line, QByteArray("\"Gare de l'Est \xE9 \x80\",1500,-75,.5,#TRUE#,#FALSE#,\"\"\r\n"));
  }

  void formatsSinglesAsTheFilesHoldThem_data() {
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");
    const std::pair<float, const char*> rows[] = {{0.5f, ".5"},
                                                  {-0.5f, "-.5"},
                                                  {2.0f, "2"},
                                                  {1.4f, "1.4"},
                                                  {0.0f, "0"},
                                                  {1000.0f, "1000"},
                                                  {1.0f / 3.0f, ".3333333"},
                                                  {1e16f, "1E+16"}};
    for (const auto& [value, text] : rows) QTest::newRow(text) << value << QString(text);
  }
  void formatsSinglesAsTheFilesHoldThem() {
    QFETCH(float, value);
    QTEST(kv::FormatSingle(value), "text");
  }

  void refusesTextThatWouldReadBackWrong_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("reason");
    QTest::newRow("double quote") << QStringLiteral("the \"Flyer\"") << "double quote";
    QTest::newRow("line feed") << QStringLiteral("two\nlines") << "line break";
    QTest::newRow("carriage return") << QStringLiteral("two\rlines") << "line break";
    QTest::newRow("outside the code page") << QStringLiteral("Łódź") << "'Ł'";
  }
  void refusesTextThatWouldReadBackWrong() {
    QFETCH(QString, text);
    QFETCH(QString, reason);
    RecordWriter writer;
    writer.Int(1).Str(text).Int(2);
    QVERIFY(!writer.Ok());
    QVERIFY2(writer.Error().contains(reason), qPrintable(writer.Error()));
    QVERIFY(writer.Line().isEmpty());
  }

  void readsEveryFieldType() {
    RecordReader reader(QByteArray(
        "\"12L\",255,#TRUE#,#FALSE#,#false#,\"caf\xE9 \x80 \x93quoted\x94\",8,-900,1.5\r\n"));
    QVERIFY(reader.Next());
    QString text, font;
    qint32 colour = 0, x = 0;
    bool bold = false, italic = true, underline = true;
    qint16 size = 0;
    float f = 0;
    QVERIFY(reader.Str(&text) && reader.Long(&colour) && reader.Bool(&bold) &&
            reader.Bool(&italic) && reader.Bool(&underline) && reader.Str(&font) &&
            reader.Integer(&size) && reader.Long(&x) && reader.Single(&f));
    QCOMPARE(QStringList({text, font}), QStringList({"12L", "café € \u201Cquoted\u201D"}));
    QCOMPARE(QList<int>({colour, bold, italic, underline, size, x}),
             QList<int>({255, true, false, false, 8, -900}));
    QCOMPARE(f, 1.5f);
    QVERIFY(reader.AtRecordEnd());
    QVERIFY(!reader.Next());
  }

  void acceptsEveryLineEndAndNoFinalOne() {
    RecordReader reader(QByteArray("1,2\r\n3,4\n5,6\r7,8"));
    QList<qint32> values;
    while (reader.Next()) {
      qint32 a = 0, b = 0;
      QVERIFY(reader.Long(&a) && reader.Long(&b));
      values << a << b;
    }
    QCOMPARE(values, (QList<qint32>{1, 2, 3, 4, 5, 6, 7, 8}));
  }

  void skipsLeadingSpacesAndBlankLines() {
    RecordReader reader(QByteArray("\r\n   \r\n  120,  \"a, b\" ,  -3\r\n\r\n"));
    QVERIFY(reader.Next());
    QCOMPARE(reader.LineNumber(), 3);
    qint32 x = 0, y = 0;
    QString s;
    QVERIFY(reader.Long(&x) && reader.Str(&s) && reader.Long(&y));
    QCOMPARE(QList<qint32>({x, y}), QList<qint32>({120, -3}));
    QCOMPARE(s, QStringLiteral("a, b"));  // a quoted field runs to its closing quote
    QVERIFY(reader.AtEnd());
    QVERIFY(!reader.Next());
  }

  void undefinedCodePageBytesSurviveARoundTrip() {
    const QByteArray bytes("\x81\x8D\x8F\x90\x9D");
    QByteArray back;
    QVERIFY(kv::EncodeCp1252(kv::DecodeCp1252(bytes), &back));
    QCOMPARE(back, bytes);
  }

  void numbersRoundHalfToEvenAndEmptyFieldsReadAsZero() {
    RecordReader reader(QByteArray("12.5,13.5,,\"\",#TRUE#,-1,0\r\n"));
    QVERIFY(reader.Next());
    qint32 a = 0, b = 0, c = 9;
    QString s = QStringLiteral("x");
    bool t = false, numericTrue = false, numericFalse = true;
    QVERIFY(reader.Long(&a) && reader.Long(&b) && reader.Long(&c) && reader.Str(&s) &&
            reader.Bool(&t) && reader.Bool(&numericTrue) && reader.Bool(&numericFalse));
    QCOMPARE(QList<qint32>({a, b, c}), QList<qint32>({12, 14, 0}));
    QCOMPARE(s, QString());
    QVERIFY(t && numericTrue && !numericFalse);
  }

  // A damaged file's message quotes its field readably: controls shown, a long one cut short.
  void messagesShowDamagedFieldsReadably_data() {
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<QString>("error");
    QTest::newRow("NUL bytes") << QByteArray::fromHex("001f3000")
                               << "\"\\x00\\x1f0\\x00\" is not a number";
    QTest::newRow("10,000 characters")
        << QByteArray(10'000, '9') + 'x' << "\"" + QString(40, '9') + "...\" is not a number";
  }
  void messagesShowDamagedFieldsReadably() {
    QFETCH(QByteArray, line);
    RecordReader reader(line);
    qint32 value = 0;
    QVERIFY(reader.Next() && !reader.Long(&value));
    QFETCH(QString, error);
    QCOMPARE(reader.Error(), error);
  }
};

KV_TEST_MAIN(RecordCodecTest)
#include "test_record_codec.moc"
