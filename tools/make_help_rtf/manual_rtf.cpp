#include "manual_rtf.h"

#include <QRegularExpression>

#include "layout/code_page.h"

namespace kv::manual {
namespace {

// Fonts: 0 the text, 1 code. Colours: 1 headings, 2 text, 3 code.
constexpr char kHeader[] =
    "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
    "{\\fonttbl{\\f0\\fswiss\\fcharset0 DejaVu Sans;}{\\f1\\fmodern\\fcharset0 DejaVu Sans "
    "Mono;}}\r\n"
    "{\\colortbl;\\red31\\green58\\blue95;\\red34\\green34\\blue34;\\red90\\green40\\blue20;}\r\n"
    "{\\*\\generator make_help_rtf;}\r\n"
    "{\\info{\\title 3D-Kelvarne HELP}}\r\n"
    "\\viewkind4\r\n";

constexpr char kTitle[] = "\\pard\\plain\\qc\\sb120\\sa240\\outlinelevel0\\f0\\b\\fs40\\cf1 ";
constexpr char kChapter[] = "\\pard\\plain\\sb420\\sa140\\keepn\\outlinelevel1\\f0\\b\\fs32\\cf1 ";
constexpr char kSection[] = "\\pard\\plain\\sb240\\sa80\\keepn\\outlinelevel2\\f0\\b\\fs25\\cf1 ";
constexpr char kText[] = "\\pard\\plain\\sa120\\sl276\\slmult1\\f0\\fs22\\cf2 ";
constexpr char kItem[] = "\\pard\\plain\\fi-300\\li600\\sa70\\sl276\\slmult1\\f0\\fs22\\cf2 ";
constexpr char kCode[] = "\\pard\\plain\\li600\\sa120\\f1\\fs19\\cf3 ";

// Text as RTF: the three special characters escaped, Windows-1252 as \'hh, the rest as \uN.
QByteArray Escape(const QString& text) {
  QByteArray out;
  for (QChar c : text) {
    const char16_t u = c.unicode();
    if (u == u'\\' || u == u'{' || u == u'}') {
      out += '\\';
      out += char(u);
    } else if (u >= 0x20 && u < 0x80) {
      out += char(u);
    } else if (QByteArray b; EncodeCp1252(QString(c), &b) && u >= 0xA0) {
      out += "\\'" + b.toHex();
    } else {
      out += "\\u" + QByteArray::number(qint16(u)) + '?';
    }
  }
  return out;
}

// **bold**, *italic* and `code` within a line.
QByteArray Inline(const QString& text) {
  static const QRegularExpression marks(QStringLiteral(R"(\*\*(.+?)\*\*|\*(.+?)\*|`(.+?)`)"));
  QByteArray out;
  qsizetype at = 0;
  for (auto it = marks.globalMatch(text); it.hasNext();) {
    const QRegularExpressionMatch m = it.next();
    out += Escape(text.mid(at, m.capturedStart() - at));
    if (m.hasCaptured(1)) out += "{\\b " + Escape(m.captured(1)) + "}";
    if (m.hasCaptured(2)) out += "{\\i " + Escape(m.captured(2)) + "}";
    if (m.hasCaptured(3)) out += "{\\f1\\fs20\\cf3 " + Escape(m.captured(3)) + "}";
    at = m.capturedEnd();
  }
  return out + Escape(text.mid(at));
}

// One paragraph, its source lines broken after blanks so the file reads well in a diff (a
// reader of RTF ignores the line ends).
void Paragraph(QByteArray* rtf, const char* format, const QByteArray& body) {
  QByteArray line = format;
  for (char c : body) {
    line += c;
    if (c == ' ' && line.size() > 90) {
      *rtf += line + "\r\n";
      line.clear();
    }
  }
  *rtf += line + "\\par\r\n";
}

}  // namespace

QByteArray ManualRtf(const QString& markdown, QStringList* chapters) {
  static const QRegularExpression numbered(QStringLiteral(R"(^(\d+)\. (.*)$)"));
  QByteArray rtf = kHeader;
  QStringList lines = markdown.split(QLatin1Char('\n'));
  QString text;  // the paragraph being gathered
  auto endText = [&]() {
    if (!text.isEmpty()) Paragraph(&rtf, kText, Inline(text));
    text.clear();
  };
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const QString line = lines.at(i).trimmed().isEmpty() ? QString() : lines.at(i);
    if (line.startsWith(QLatin1String("    "))) {
      endText();
      QByteArray code;
      for (; i < lines.size() && lines.at(i).startsWith(QLatin1String("    ")); ++i) {
        if (!code.isEmpty()) code += "\\line ";
        code += Escape(lines.at(i).mid(4));
      }
      Paragraph(&rtf, kCode, code);
      continue;
    }
    const QString body = line.trimmed();
    const auto match = numbered.match(body);
    if (body.isEmpty()) {
      endText();
    } else if (body.startsWith(QLatin1String("### "))) {
      endText();
      Paragraph(&rtf, kSection, Escape(body.mid(4)));
    } else if (body.startsWith(QLatin1String("## "))) {
      endText();
      chapters->append(body.mid(3));
      Paragraph(&rtf, kChapter, Escape(body.mid(3)));
    } else if (body.startsWith(QLatin1String("# "))) {
      endText();
      Paragraph(&rtf, kTitle, Escape(body.mid(2)));
    } else if (body.startsWith(QLatin1String("- "))) {
      endText();
      Paragraph(&rtf, kItem, "\\bullet\\tab " + Inline(body.mid(2)));
    } else if (match.hasMatch()) {
      endText();
      Paragraph(&rtf, kItem, Escape(match.captured(1)) + ".\\tab " + Inline(match.captured(2)));
    } else {
      text += text.isEmpty() ? body : QLatin1Char(' ') + body;
    }
  }
  endText();
  return rtf + "}\r\n";
}

}  // namespace kv::manual
