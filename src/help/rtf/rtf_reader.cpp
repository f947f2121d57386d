#include "help/rtf/rtf_reader.h"

#include <QColor>
#include <QFont>
#include <QHash>
#include <QList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "layout/code_page.h"

namespace kv {
namespace {

using namespace std::string_view_literals;

// 15 twips to a pixel at the usual 96 dots per inch.
constexpr double kTwipsPerPixel = 15.0;
// Deeper groups than this are read past without their text: no real document comes near.
constexpr int kMaxDepth = 512;
// Limits that keep a hostile value from making the layout itself the problem.
constexpr int kMaxTwips = 31680;  // 22 inches
constexpr int kMaxHalfPoints = 1000;

// Destinations a word processor writes for itself (or for other readers); their text is not
// part of the document. "\*" marks any further one.
constexpr std::array kSkippedDestinations = {
    "annotation"sv, "atnauthor"sv,  "atnid"sv,   "bkmkend"sv,
    "bkmkstart"sv,  "datafield"sv,  "docvar"sv,  "filetbl"sv,
    "fldinst"sv,    "footer"sv,     "footerf"sv, "footerl"sv,
    "footerr"sv,    "footnote"sv,   "ftncn"sv,   "ftnsep"sv,
    "ftnsepc"sv,    "generator"sv,  "header"sv,  "headerf"sv,
    "headerl"sv,    "headerr"sv,    "info"sv,    "listoverridetable"sv,
    "listtable"sv,  "nonshppict"sv, "objdata"sv, "pict"sv,
    "pn"sv,         "pntxta"sv,     "pntxtb"sv,  "revtbl"sv,
    "rsidtbl"sv,    "stylesheet"sv, "tc"sv,      "template"sv,
    "themedata"sv,  "userprops"sv,  "xe"sv,      "xmlnstbl"sv};

// Control words that stand for one character.
struct NamedChar {
  std::string_view word;
  char16_t ch;
};
constexpr std::array kNamedChars = {
    NamedChar{"bullet", 0x2022},    NamedChar{"emdash", 0x2014},  NamedChar{"emspace", 0x2003},
    NamedChar{"endash", 0x2013},    NamedChar{"enspace", 0x2002}, NamedChar{"ldblquote", 0x201C},
    NamedChar{"line", 0x2028},      NamedChar{"lquote", 0x2018},  NamedChar{"qmspace", 0x2005},
    NamedChar{"rdblquote", 0x201D}, NamedChar{"rquote", 0x2019},  NamedChar{"tab", u'\t'},
    NamedChar{"cell", u'\t'},       NamedChar{"nestcell", u'\t'}, NamedChar{"zwj", 0x200D},
    NamedChar{"zwnj", 0x200C}};

enum class Destination : std::uint8_t { kText, kSkip, kFontTable, kColourTable };

struct CharState {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strike = false;
  bool hidden = false;
  std::int8_t vertical = 0;  // 1 superscript, -1 subscript
  int font = -1;             // -1: the default font
  int halfPoints = 24;
  int colour = 0;
  int background = 0;
  bool operator==(const CharState&) const = default;
};

struct ParaState {
  Qt::Alignment align = Qt::AlignLeft;
  int left = 0;
  int right = 0;
  int first = 0;
  int before = 0;
  int after = 0;
  int lineSpacing = 0;
  bool lineMultiple = false;
  int heading = 0;
  QList<int> tabs;
};

struct Group {
  Destination destination = Destination::kText;
  CharState ch;
  ParaState para;
  int uc = 1;
};

struct Font {
  QString name;
  QFont::StyleHint hint = QFont::AnyStyle;
  bool symbol = false;  // a symbol font: its bytes are pictures, not letters
};

const std::array<char16_t, 256>& Cp1252Table() {
  static const std::array<char16_t, 256> table = [] {
    QByteArray all(256, '\0');
    for (int i = 0; i < 256; ++i) all[i] = char(i);
    const QString text = DecodeCp1252(all);
    std::array<char16_t, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = text.at(i).unicode();
    return t;
  }();
  return table;
}

int Clamp(int value, int low, int high) {
  return std::clamp(value, low, high);
}

class RtfReader {
 public:
  RtfReader(const QByteArray& bytes, QTextDocument* document)
      : data_(bytes.constData()), size_(bytes.size()), cursor_(document) {
    groups_.reserve(64);
  }

  RtfReadResult Read() {
    RtfReadResult result;
    result.rtf = std::string_view(data_, std::min<qsizetype>(size_, 5)) == "{\\rtf";
    groups_.push_back(Group{});  // the text outside any group
    // One edit block: the cursor then does not lay out each line it writes to find its place.
    cursor_.beginEditBlock();
    while (pos_ < size_ && !finished_) Step();
    FlushText();
    cursor_.setBlockFormat(BlockFormat(Top().para));
    cursor_.endEditBlock();
    result.complete = groups_.size() == 1 && tooDeep_ == 0 && sawGroup_;
    return result;
  }

 private:
  Group& Top() { return groups_.back(); }

  void Step() {
    const char c = data_[pos_++];
    if (tooDeep_ > 0) {
      SkipTooDeep(c);
      return;
    }
    switch (c) {
      case '{':
        OpenGroup();
        break;
      case '}':
        CloseGroup();
        break;
      case '\\':
        ReadControl();
        break;
      case '\r':
      case '\n':
        break;
      default:
        if (!AddPlainRun()) AddByte(static_cast<unsigned char>(c));
        break;
    }
  }

  // Plain ASCII text, most of any document, goes in whole runs rather than byte by byte.
  bool AddPlainRun() {
    const Group& g = Top();
    if (skipChars_ > 0 || g.destination != Destination::kText || g.ch.hidden) return false;
    const qsizetype start = pos_ - 1;
    qsizetype end = start;
    while (end < size_ && IsPlain(data_[end])) ++end;
    if (end == start) return false;
    if (!text_.isEmpty() && !(g.ch == textState_)) FlushText();
    if (text_.isEmpty()) textState_ = g.ch;
    text_.append(QLatin1StringView(data_ + start, end - start));
    pos_ = end;
    return true;
  }

  static bool IsPlain(char c) { return c >= 0x20 && c < 0x7F && c != '\\' && c != '{' && c != '}'; }

  // Past the depth limit only the braces count, so the reader finds its way out again.
  void SkipTooDeep(char c) {
    if (c == '\\' && pos_ < size_) {
      ++pos_;  // an escaped brace is no brace
    } else if (c == '{') {
      ++tooDeep_;
    } else if (c == '}') {
      --tooDeep_;
    }
  }

  void OpenGroup() {
    skipChars_ = 0;
    sawGroup_ = true;
    if (static_cast<int>(groups_.size()) > kMaxDepth) {
      tooDeep_ = 1;
      return;
    }
    Group inner = Top();
    groups_.push_back(std::move(inner));
    groupStart_ = true;
  }

  void CloseGroup() {
    skipChars_ = 0;
    groupStart_ = false;
    if (groups_.size() <= 1) return;  // a stray closing brace
    const Destination closing = Top().destination;
    if (closing == Destination::kFontTable) EndFontEntry();
    groups_.pop_back();
    // The document's own group has closed: what follows it is not part of the document.
    if (groups_.size() == 1 && ownGroupOpen_) finished_ = true;
  }

  void ReadControl() {
    if (pos_ >= size_) return;
    const char c = data_[pos_];
    if (!IsLetter(c)) {
      ++pos_;
      ReadSymbol(c);
      return;
    }
    const qsizetype start = pos_;
    while (pos_ < size_ && IsLetter(data_[pos_])) ++pos_;
    const std::string_view word(data_ + start, pos_ - start);
    bool hasParam = false;
    int param = 0;
    ReadParameter(&hasParam, &param);
    if (pos_ < size_ && data_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    if (word == "bin") {
      pos_ += std::clamp<qsizetype>(hasParam ? param : 0, 0, size_ - pos_);
      return;
    }
    if (skipChars_ > 0 && word != "u") {
      --skipChars_;  // a control word of a \u fallback
      return;
    }
    ControlWord(word, hasParam, param, atGroupStart);
  }

  static bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

  void ReadParameter(bool* hasParam, int* param) {
    bool negative = false;
    if (pos_ < size_ && data_[pos_] == '-' && pos_ + 1 < size_ && IsDigit(data_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    std::int64_t value = 0;
    while (pos_ < size_ && IsDigit(data_[pos_])) {
      *hasParam = true;
      value = std::min<std::int64_t>(value * 10 + (data_[pos_] - '0'), 1LL << 32);
      ++pos_;
    }
    if (negative) value = -value;
    *param = static_cast<int>(std::clamp<std::int64_t>(value, INT32_MIN, INT32_MAX));
  }

  static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

  void ReadSymbol(char c) {
    groupStart_ = false;
    if (c == '*') {
      Top().destination = Destination::kSkip;
      return;
    }
    if (c == '\'') {
      const int value = ReadHexByte();
      if (value < 0) return;
      if (skipChars_ > 0) {
        --skipChars_;
        return;
      }
      AddByte(static_cast<unsigned char>(value), true);
      return;
    }
    if (skipChars_ > 0) {
      --skipChars_;
      return;
    }
    switch (c) {
      case '\\':
      case '{':
      case '}':
        AddChar(char16_t(c));
        break;
      case '~':
        AddChar(0x00A0);
        break;
      case '-':
        AddChar(0x00AD);
        break;
      case '_':
        AddChar(0x2011);
        break;
      case '\r':
      case '\n':
        EndParagraph();
        break;
      default:
        break;  // \: \| and the like mean nothing on the screen
    }
  }

  int ReadHexByte() {
    int value = 0;
    for (int i = 0; i < 2; ++i) {
      if (pos_ >= size_) return -1;
      const char h = data_[pos_];
      int digit = -1;
      if (h >= '0' && h <= '9') digit = h - '0';
      if (h >= 'a' && h <= 'f') digit = h - 'a' + 10;
      if (h >= 'A' && h <= 'F') digit = h - 'A' + 10;
      if (digit < 0) return -1;
      value = value * 16 + digit;
      ++pos_;
    }
    return value;
  }

  void ControlWord(std::string_view word, bool hasParam, int param, bool atGroupStart) {
    Group& g = Top();
    CharState& ch = g.ch;
    ParaState& para = g.para;
    const bool on = !hasParam || param != 0;
    if (g.destination == Destination::kSkip) return;
    if (word == "rtf") {
      if (atGroupStart && groups_.size() == 2) ownGroupOpen_ = true;
    } else if (word == "fonttbl") {
      g.destination = Destination::kFontTable;
    } else if (word == "colortbl") {
      g.destination = Destination::kColourTable;
    } else if (std::find(kSkippedDestinations.begin(), kSkippedDestinations.end(), word) !=
               kSkippedDestinations.end()) {
      g.destination = Destination::kSkip;
    } else if (g.destination == Destination::kFontTable) {
      FontTableWord(word, param);
    } else if (g.destination == Destination::kColourTable) {
      ColourTableWord(word, param);
    } else if (word == "par" || word == "sect" || word == "page" || word == "row") {
      EndParagraph();
    } else if (word == "u") {
      AddUnicode(param);
      skipChars_ = g.uc;
    } else if (word == "uc") {
      g.uc = Clamp(param, 0, 255);
    } else if (word == "plain") {
      ch = CharState{};
    } else if (word == "pard") {
      para = ParaState{};
    } else if (word == "b") {
      ch.bold = on;
    } else if (word == "i") {
      ch.italic = on;
    } else if (word == "strike") {
      ch.strike = on;
    } else if (word == "v") {
      ch.hidden = on;
    } else if (word == "ulnone") {
      ch.underline = false;
    } else if (word.starts_with("ul") && word != "ulc") {
      ch.underline = on;
    } else if (word == "super") {
      ch.vertical = 1;
    } else if (word == "sub") {
      ch.vertical = -1;
    } else if (word == "nosupersub") {
      ch.vertical = 0;
    } else if (word == "fs") {
      ch.halfPoints = hasParam ? Clamp(param, 2, kMaxHalfPoints) : 24;
    } else if (word == "f") {
      ch.font = param;
    } else if (word == "deff") {
      defaultFont_ = param;
    } else if (word == "cf") {
      ch.colour = param;
    } else if (word == "cb" || word == "highlight" || word == "chcbpat") {
      ch.background = param;
    } else {
      ParagraphWord(word, para, param);
      for (const NamedChar& named : kNamedChars) {
        if (named.word == word) AddChar(named.ch);
      }
    }
  }

  static void ParagraphWord(std::string_view word, ParaState& para, int param) {
    const int twips = Clamp(param, -kMaxTwips, kMaxTwips);
    if (word == "ql") para.align = Qt::AlignLeft;
    if (word == "qc") para.align = Qt::AlignHCenter;
    if (word == "qr") para.align = Qt::AlignRight;
    if (word == "qj") para.align = Qt::AlignJustify;
    if (word == "li" || word == "lin") para.left = twips;
    if (word == "ri" || word == "rin") para.right = twips;
    if (word == "fi") para.first = twips;
    if (word == "sb") para.before = Clamp(param, 0, kMaxTwips);
    if (word == "sa") para.after = Clamp(param, 0, kMaxTwips);
    if (word == "sl") para.lineSpacing = twips;
    if (word == "slmult") para.lineMultiple = param != 0;
    if (word == "outlinelevel") para.heading = Clamp(param, 0, 8) + 1;
    if (word == "tx" && para.tabs.size() < 64) para.tabs.append(Clamp(param, 0, kMaxTwips));
  }

  void FontTableWord(std::string_view word, int param) {
    if (word == "f") {
      EndFontEntry();
      fontEntry_ = param;
      fontName_.clear();
      fontHint_ = QFont::AnyStyle;
      fontSymbol_ = false;
    } else if (word == "froman") {
      fontHint_ = QFont::Serif;
    } else if (word == "fswiss") {
      fontHint_ = QFont::SansSerif;
    } else if (word == "fmodern") {
      fontHint_ = QFont::TypeWriter;
    } else if (word == "fscript") {
      fontHint_ = QFont::Cursive;
    } else if (word == "fdecor") {
      fontHint_ = QFont::Decorative;
    } else if (word == "fcharset") {
      fontSymbol_ = param == 2;
    } else if (word == "ftech") {
      fontSymbol_ = true;
    }
  }

  void EndFontEntry() {
    if (fontEntry_ < 0) return;
    QString name = fontName_.trimmed();
    if (name.endsWith(QLatin1Char(';'))) name.chop(1);
    if (fonts_.size() < 4096)
      fonts_.insert(fontEntry_, Font{name.trimmed(), fontHint_, fontSymbol_});
    fontEntry_ = -1;
    fontName_.clear();
    formatValid_ = false;
  }

  void ColourTableWord(std::string_view word, int param) {
    const int value = Clamp(param, 0, 255);
    if (word == "red") colourParts_[0] = value;
    if (word == "green") colourParts_[1] = value;
    if (word == "blue") colourParts_[2] = value;
    if (word == "red" || word == "green" || word == "blue") colourGiven_ = true;
  }

  // A byte of text: a letter of Windows-1252, or of a symbol font's own picture set.
  void AddByte(unsigned char b, bool escaped = false) {
    const Destination destination = Top().destination;
    if (destination == Destination::kFontTable) {
      if (b == ';') {
        EndFontEntry();
      } else if (fontEntry_ >= 0 && fontName_.size() < 256) {
        fontName_.append(QChar(Cp1252Table()[b]));
      }
      return;
    }
    if (destination == Destination::kColourTable) {
      if (b == ';') EndColour();
      return;
    }
    if (!escaped && skipChars_ > 0) {
      --skipChars_;
      return;
    }
    if (destination != Destination::kText) return;
    if (b < 0x20 && b != '\t') return;
    if (b == 0xB7 || b == 0xA7) {
      const auto font = fonts_.constFind(CurrentFont());
      if (font != fonts_.cend() && font->symbol) {
        return AddChar(b == 0xB7 ? 0x2022 : 0x25AA);  // the bullet and square of symbol fonts
      }
    }
    AddChar(Cp1252Table()[b]);
  }

  // \uN carries a UTF-16 unit as a signed number; a few writers give a whole code point.
  void AddUnicode(int value) {
    if (value > 0xFFFF && value <= 0x10FFFF) {
      const char32_t point = static_cast<char32_t>(value);
      AddChar(QChar::highSurrogate(point));
      AddChar(QChar::lowSurrogate(point));
    } else {
      AddChar(char16_t(value & 0xFFFF));
    }
  }

  void EndColour() {
    if (colours_.size() < 4096) {
      colours_.append(colourGiven_ ? QColor(colourParts_[0], colourParts_[1], colourParts_[2])
                                   : QColor());
    }
    colourParts_ = {0, 0, 0};
    colourGiven_ = false;
    formatValid_ = false;
  }

  int CurrentFont() const {
    const int font = groups_.back().ch.font;
    return font >= 0 ? font : defaultFont_;
  }

  void AddChar(char16_t c) {
    const Group& g = Top();
    if (g.destination != Destination::kText || g.ch.hidden) return;
    if (!text_.isEmpty() && !(g.ch == textState_)) FlushText();
    if (text_.isEmpty()) textState_ = g.ch;
    text_.append(QChar(c));
  }

  void FlushText() {
    if (text_.isEmpty()) return;
    // A half of a surrogate pair without its other half is no character.
    for (qsizetype i = 0; i < text_.size(); ++i) {
      const QChar c = text_.at(i);
      if (c.isHighSurrogate() && i + 1 < text_.size() && text_.at(i + 1).isLowSurrogate()) {
        ++i;
      } else if (c.isSurrogate()) {
        text_[i] = QChar(QChar::ReplacementCharacter);
      }
    }
    cursor_.insertText(text_, CharFormat(textState_));
    text_.clear();
  }

  void EndParagraph() {
    if (Top().destination != Destination::kText) return;
    FlushText();
    cursor_.setBlockFormat(BlockFormat(Top().para));
    cursor_.setBlockCharFormat(CharFormat(Top().ch));
    cursor_.insertBlock();
  }

  QTextCharFormat CharFormat(const CharState& ch) {
    if (formatValid_ && ch == formatState_) return format_;
    QTextCharFormat f;
    if (ch.bold) f.setFontWeight(QFont::Bold);
    if (ch.italic) f.setFontItalic(true);
    if (ch.underline) f.setFontUnderline(true);
    if (ch.strike) f.setFontStrikeOut(true);
    if (ch.vertical != 0) {
      f.setVerticalAlignment(ch.vertical > 0 ? QTextCharFormat::AlignSuperScript
                                             : QTextCharFormat::AlignSubScript);
    }
    f.setFontPointSize(ch.halfPoints / 2.0);
    // Text of the scripts that need no shaping (Latin among them) is measured glyph by glyph
    // rather than through the shaping engine: the same letters, at most a kerning pair apart,
    // and a long document lays out in half the time. Scripts that need shaping still get it.
    f.setFontStyleStrategy(QFont::PreferNoShaping);
    const int fontIndex = ch.font >= 0 ? ch.font : defaultFont_;
    if (const auto font = fonts_.constFind(fontIndex); font != fonts_.cend()) {
      if (!font->name.isEmpty() && !font->symbol) f.setFontFamilies({font->name});
      if (font->hint != QFont::AnyStyle) f.setFontStyleHint(font->hint, QFont::PreferNoShaping);
    }
    if (ch.colour >= 0 && ch.colour < colours_.size() && colours_.at(ch.colour).isValid()) {
      f.setForeground(colours_.at(ch.colour));
    }
    if (ch.background > 0 && ch.background < colours_.size() &&
        colours_.at(ch.background).isValid()) {
      f.setBackground(colours_.at(ch.background));
    }
    format_ = f;
    formatState_ = ch;
    formatValid_ = true;
    return f;
  }

  static QTextBlockFormat BlockFormat(const ParaState& para) {
    QTextBlockFormat f;
    f.setAlignment(para.align);
    f.setLeftMargin(para.left / kTwipsPerPixel);
    f.setRightMargin(para.right / kTwipsPerPixel);
    f.setTextIndent(para.first / kTwipsPerPixel);
    f.setTopMargin(para.before / kTwipsPerPixel);
    f.setBottomMargin(para.after / kTwipsPerPixel);
    if (para.lineSpacing > 0 && para.lineMultiple) {
      f.setLineHeight(para.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    }
    if (para.heading > 0) f.setHeadingLevel(para.heading);
    QList<QTextOption::Tab> tabs;
    // A hanging first line (a bullet or a number) ends at the indent, as word processors set it.
    if (para.first < 0 && para.left > 0) {
      tabs.append(QTextOption::Tab(-para.first / kTwipsPerPixel, QTextOption::LeftTab));
    }
    for (int tab : para.tabs) {
      tabs.append(QTextOption::Tab((tab - para.left) / kTwipsPerPixel, QTextOption::LeftTab));
    }
    if (!tabs.isEmpty()) f.setTabPositions(tabs);
    return f;
  }

  const char* data_;
  qsizetype size_;
  qsizetype pos_ = 0;
  QTextCursor cursor_;
  std::vector<Group> groups_;
  int tooDeep_ = 0;
  bool groupStart_ = false;
  bool sawGroup_ = false;
  bool ownGroupOpen_ = false;
  bool finished_ = false;
  int skipChars_ = 0;

  QString text_;
  CharState textState_;
  QTextCharFormat format_;
  CharState formatState_;
  bool formatValid_ = false;

  QHash<int, Font> fonts_;
  int defaultFont_ = -1;
  int fontEntry_ = -1;
  QString fontName_;
  QFont::StyleHint fontHint_ = QFont::AnyStyle;
  bool fontSymbol_ = false;

  QList<QColor> colours_;
  std::array<int, 3> colourParts_ = {0, 0, 0};
  bool colourGiven_ = false;
};

}  // namespace

RtfReadResult ReadRtf(const QByteArray& rtf, QTextDocument* document) {
  document->clear();
  const bool undo = document->isUndoRedoEnabled();
  document->setUndoRedoEnabled(false);
  RtfReadResult result = RtfReader(rtf, document).Read();
  document->setUndoRedoEnabled(undo);
  return result;
}

}  // namespace kv
