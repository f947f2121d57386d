#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "help/rtf/rtf_reader.h"
#include "support/test_session.h"

using kv::ReadRtf;

namespace {

// A letter as a word processor writes it.
const char kWordProcessorLetter[] =
    "{\\rtf1\\adeflang1025\\ansi\\ansicpg1252\\uc1\\adeff0\\deff0\\stshfdbch0\\deflang2057\r\n"
    "{\\fonttbl{\\f0\\froman\\fcharset0\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
    "{\\f1\\fswiss\\fcharset0\\fprq2 Arial;}{\\f2\\fbidi \\fnil\\fcharset2\\fprq2 Symbol;}}\r\n"
    "{\\colortbl;\\red0\\green0\\blue0;\\red192\\green0\\blue0;}\r\n"
    "{\\stylesheet{\\ql \\li0\\ri0\\widctlpar\\f0\\fs24 \\snext0 Normal;}"
    "{\\s1\\ql \\sb240\\sa60\\keepn\\outlinelevel0\\b\\f1\\fs32 \\sbasedon0 \\snext0 heading "
    "1;}}\r\n"
    "{\\*\\listtable{\\list\\listtemplateid1{\\listlevel\\levelnfc23{\\leveltext "
    "\\'01\\u-3913 ?;}{\\levelnumbers;}\\f2\\fi-360\\li720}\\listid1}}\r\n"
    "{\\*\\listoverridetable{\\listoverride\\listid1\\listoverridecount0\\ls1}}\r\n"
    "{\\info{\\title Timetable}{\\author Clerk}{\\creatim\\yr2024\\mo3\\dy1}}\r\n"
    "{\\*\\generator Word processor 1.0;}{\\*\\xmlnstbl {\\xmlns1 http://x}}\r\n"
    "\\paperw11906\\paperh16838\\margl1440\\margr1440\\viewkind1\\uc1\r\n"
    "{\\footer \\pard\\plain \\qc\\f0\\fs20 Page footer\\par}\r\n"
    "\\pard\\plain \\s1\\ql \\sb240\\sa60\\keepn\\outlinelevel0\\b\\f1\\fs32 Timetable\\par\r\n"
    "\\pard\\plain \\ql \\widctlpar\\f0\\fs24 Trains leave at 9\\u8211\\'9610 from the "
    "caf\\'e9{\\*\\bkmkstart here}{\\*\\bkmkend here}.\\par\r\n"
    "{\\listtext\\pard\\plain \\f2\\fs24 \\'b7\\tab}\\pard\\plain \\fi-360\\li720\\ls1 "
    "\\f0\\fs24 {\\cf2 Red} line\\par\r\n"
    "\\pard\\plain {\\*\\shppict{\\pict{\\*\\picprop}\\pngblip\\picw10\\pich10 89504e470d0a}}"
    "{\\nonshppict{\\pict\\wmetafile8 0100090000}}"
    "{\\field{\\*\\fldinst {HYPERLINK \"https://x\"}}{\\fldrslt {\\ul\\cf2 the link}}}\\par\r\n"
    "}\r\n";

QString Text(const QByteArray& rtf, kv::RtfReadResult* result = nullptr) {
  QTextDocument document;
  const kv::RtfReadResult r = ReadRtf(rtf, &document);
  if (result) *result = r;
  // The raw text keeps no-break blanks and line separators; paragraphs end in a line feed.
  return document.toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

}  // namespace

class RtfReaderTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTheText_data() {
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("complete");
    QTest::newRow("nested groups") << QByteArray("{\\rtf1 a{b{\\b c}d}e}") << "abcde" << true;
    QTest::newRow("\\'e9") << QByteArray("{\\rtf1 caf\\'e9 \\'80}") << "café €" << true;
    QTest::newRow("\\u8211 with ? fallback")
        << QByteArray("{\\rtf1 9\\u8211?10}") << QString::fromUtf8("9–10") << true;
    QTest::newRow("\\uc2 fallback of a byte and a word")
        << QByteArray("{\\rtf1\\uc2 \\u8364\\'80\\tab x}") << QString::fromUtf8("€x") << true;
    QTest::newRow("\\uc0 has no fallback")
        << QByteArray("{\\rtf1\\uc0\\u8211 x}") << QString::fromUtf8("–x") << true;
    QTest::newRow("fallback ends with its group")
        << QByteArray("{\\rtf1\\uc3{\\u8211?}bc}") << QString::fromUtf8("–bc") << true;
    QTest::newRow("surrogate pair")
        << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << QString::fromUtf8("😀") << true;
    QTest::newRow("lone surrogate")
        << QByteArray("{\\rtf1 a\\u-10179?b}") << QString::fromUtf8("a\uFFFDb") << true;
    QTest::newRow("picture and font table skipped")
        << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\pict\\pngblip 89504e47}x}") << "x" << true;
    QTest::newRow("binary data skipped")
        << QByteArray("{\\rtf1 a{\\pict\\bin4 {}}\\}b}") << "ab" << true;
    QTest::newRow("starred and info groups skipped")
        << QByteArray("{\\rtf1{\\*\\generator G;}{\\info{\\title T}}{\\*\\unknown u}a}") << "a"
        << true;
    QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v hidden}b}") << "ab" << true;
    QTest::newRow("escapes and symbols")
        << QByteArray("{\\rtf1 \\{\\}\\\\ \\~\\emdash\\lquote q\\rquote}")
        << QString::fromUtf8("{}\\ \u00A0—‘q’") << true;
    QTest::newRow("paragraphs, lines and tabs")
        << QByteArray("{\\rtf1 a\\par b\\line c\\tab d\r\ne}")
        << QString::fromUtf8("a\nb\u2028c\tde") << true;
    QTest::newRow("unterminated group keeps the text so far")
        << QByteArray("{\\rtf1 abc{\\b def") << "abcdef" << false;
    QTest::newRow("cut inside a control word") << QByteArray("{\\rtf1 abc\\'e") << "abc" << false;
    QTest::newRow("what follows the document is not read")
        << QByteArray("{\\rtf1 a}}b{c}") << "a" << true;
    QTest::newRow("too deep groups lose their text only")
        << QByteArray("{\\rtf1 a") + QByteArray(5000, '{') + "x" + QByteArray(5000, '}') + "b}"
        << "ab" << true;
    QTest::newRow("not RTF at all") << QByteArray("plain \xe9") << "plain é" << false;
    QTest::newRow("word processor letter")
        << QByteArray(kWordProcessorLetter)
        << QString::fromUtf8(
               "Timetable\nTrains leave at 9–10 from the café.\n•\tRed line\nthe link\n")
        << true;
  }
  void readsTheText() {
    QFETCH(QByteArray, rtf);
    QFETCH(bool, complete);
    kv::RtfReadResult result;
    QTEST(Text(rtf, &result), "text");
    QCOMPARE(result.complete, complete);
    QCOMPARE(result.rtf, rtf.startsWith("{\\rtf"));
  }

  // Every cut of a real document, and bytes changed at random in it, read without a crash or
  // a hang; the sanitizers of the test build see every read.
  void badInputNeverStopsIt() {
    const QByteArray letter(kWordProcessorLetter);
    QTextDocument document;
    for (qsizetype cut = 0; cut < letter.size() - 3; ++cut) {
      QVERIFY(!ReadRtf(letter.left(cut), &document).complete);
    }
    QRandomGenerator random(15);
    const char tokens[] = "{}\\'*0123456789-u ;bfsx";
    for (int round = 0; round < 400; ++round) {
      QByteArray bytes = letter;
      for (int n = 0; n < 8; ++n) {
        const int at = random.bounded(int(bytes.size()));
        bytes[at] = random.bounded(2) ? char(random.bounded(256))
                                      : tokens[random.bounded(int(sizeof tokens) - 1)];
      }
      ReadRtf(bytes, &document);
    }
  }
};

KV_TEST_MAIN(RtfReaderTest)
#include "test_rtf_reader.moc"
