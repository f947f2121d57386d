#include "panel/label_dialog.h"

#include <QButtonGroup>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/message_catalogue.h"
#include "base/session.h"
#include "layout/record_codec.h"
#include "panel/label_settings.h"
#include "panel/label_texts.h"

namespace kv {

namespace {
constexpr int kPreviewHeight = 56;  // pixels: room for the fonts labels mostly have
}  // namespace

// Text1: every key goes to the key rules, which judge it against the whole text as if typed at
// its end, so caret moves, pasting and the editing shortcuts are not taken. With the whole text
// selected (as it is on taking the focus) a key starts the text afresh, or, when it cannot begin
// one, is added to its end.
class LabelTextEdit : public QLineEdit {
 public:
  LabelTextEdit(LabelDialog& dialog, QWidget* parent) : QLineEdit(parent), dialog_(dialog) {
    setObjectName(QStringLiteral("Text1"));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    switch (event->key()) {
      case Qt::Key_Return:
      case Qt::Key_Enter:
      case Qt::Key_Escape:
        QWidget::keyPressEvent(event);  // left to the dialog: OK and Cancel
        return;
      case Qt::Key_Backspace:
        dialog_.Text1_KeyPress(kBackspace);
        return;
      default:
        break;
    }
    const QString typed = event->text();
    const bool plain =
        !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (plain && typed.size() == 1 && typed.front().isPrint())
      dialog_.Text1_KeyPress(typed.front());
  }
  // Text1_GotFocus: the whole text selected.
  void focusInEvent(QFocusEvent* event) override {
    QLineEdit::focusInEvent(event);
    selectAll();
  }

 private:
  LabelDialog& dialog_;
};

LabelDialog::LabelDialog(Session& session, LabelSettings& settings, QWidget* parent)
    : QDialog(parent),
      session_(session),
      settings_(settings),
      Label1_(new QLabel(texts::LabelPrompt(), this)),
      Text1_(new LabelTextEdit(*this, this)),
      Label2_(new QLabel(this)),
      Label3_(new QLabel(texts::LabelFontHint(), this)) {
  setObjectName(QStringLiteral("Form1b"));
  setWindowTitle(texts::LabelDialogTitle());
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
  setModal(true);
  Label1_->setObjectName(QStringLiteral("Label1"));
  Label3_->setObjectName(QStringLiteral("Label3"));

  auto* column = new QVBoxLayout(this);
  column->setSpacing(8);
  column->addWidget(Label1_);
  auto* options = new QButtonGroup(this);
  for (int i = 0; i < 3; ++i) {
    Option1_[i] = new QRadioButton(texts::LabelPurposeCaption(i, QStringLiteral("DCC")), this);
    Option1_[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
    options->addButton(Option1_[i], i);
    column->addWidget(Option1_[i]);
    connect(Option1_[i], &QRadioButton::toggled, this, [this, i](bool on) {
      if (on) Option1_Click(i);
    });
  }
  column->addWidget(Text1_);
  connect(Text1_, &QLineEdit::textChanged, this, &LabelDialog::Text1_Change);

  // The preview on the panel's white, tall enough for a large font.
  Label2_->setObjectName(QStringLiteral("Label2"));
  Label2_->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  Label2_->setAutoFillBackground(true);
  Label2_->setMinimumHeight(kPreviewHeight);
  Label2_->setMargin(6);
  column->addWidget(Label2_);
  column->addWidget(Label3_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  for (int i = 0; i < 3; ++i) {
    cmdOKFontCan_[i] = new QPushButton(texts::LabelButtonCaption(i), this);
    cmdOKFontCan_[i]->setObjectName(QStringLiteral("cmdOKFontCan_%1").arg(i));
    cmdOKFontCan_[i]->setAutoDefault(false);
    buttons->addWidget(cmdOKFontCan_[i]);
    connect(cmdOKFontCan_[i], &QPushButton::clicked, this, [this, i]() { cmdOKFontCan_Click(i); });
  }
  cmdOKFontCan_[0]->setDefault(true);
  column->addLayout(buttons);
  column->setSizeConstraint(QLayout::SetMinimumSize);
  Reset();
}

LabelDialog::~LabelDialog() = default;

void LabelDialog::Reset() {
  for (QRadioButton* option : Option1_) {
    option->group()->setExclusive(false);
    option->setChecked(false);
    option->group()->setExclusive(true);
  }
  // Form_Load: what the points option asks for depends on the control system.
  Option1_[kPointsLabel]->setText(
      texts::LabelPurposeCaption(kPointsLabel, session_.model.ControlSystem));
  purpose_ = kNoPurpose;
  // Each label starts its number afresh, so an odd number typed once is no reason to refuse
  // the next label.
  state_ = LabelKeyState{};
  preview_ = LabelLook{};  // until a purpose gives it its font, the preview is plain
  preview_.fontSize = LabelSettings::kDefaultFontSize;
  Text1_->clear();
  Text1_Change(QString());
  adjustSize();
  Text1_->setEnabled(false);
  cmdOKFontCan_[1]->setEnabled(false);
  Label3_->setEnabled(false);
  // Keys typed before a purpose is picked go to the purposes, not to Cancel (a space closed it).
  Option1_[kEntryExit]->setFocus();
}

int LabelDialog::GetLabel() {
  Reset();
  exec();
  if (purpose_ != kNoPurpose) {
    settings_.SetFontName(purpose_, preview_.fontName);
    settings_.SetFontSize(purpose_, preview_.fontSize);
  }
  LayoutModel& m = session_.model;
  const int i = m.LabelCount + 1;
  if (i <= kMaxObjects) {
    m.LabelText[i] = preview_.text;
    m.LabelColour[i] = preview_.colour;
    m.LabelBold[i] = preview_.bold;
    m.LabelItalic[i] = preview_.italic;
    m.LabelUnderline[i] = preview_.underline;
    m.LabelFontName[i] = preview_.fontName;
    m.LabelFontSize[i] = static_cast<std::int16_t>(preview_.fontSize);
  }
  return purpose_;
}

void LabelDialog::Option1_Click(int index) {
  purpose_ = index;
  Text1_->setEnabled(true);
  cmdOKFontCan_[1]->setEnabled(true);
  Label3_->setEnabled(true);
  preview_.colour = index == kEntryExit     ? kBlack
                    : index == kPointsLabel ? kRed
                                            : settings_.GPcolor();
  preview_.fontName = settings_.FontName(index);
  preview_.fontSize = settings_.FontSize(index);
  // A purpose starts from its plain remembered font: no bold, italic or underline left over
  // from another label, which a points label could not take off again.
  preview_.bold = preview_.italic = preview_.underline = false;
  state_ = LabelKeyState{};
  Text1_->clear();
  Text1_Change(QString());
  adjustSize();
  Text1_->setFocus();
}

LabelKeyContext LabelDialog::Context() const {
  return LabelKeyContext{purpose_, session_.model.ControlSystem, preview_.colour};
}

void LabelDialog::Text1_KeyPress(QChar key) {
  const bool wholeSelected = Text1_->hasSelectedText() && Text1_->selectedText() == Text1_->text();
  LabelKeyResult result =
      LabelKeyPress(wholeSelected ? QString() : Text1_->text(), key, Context(), state_);
  // A key that cannot begin a text (the side after "Need 'L' or 'R'") goes on its end.
  if (result.refused && wholeSelected) {
    result = LabelKeyPress(Text1_->text(), key, Context(), state_);
  }
  if (result.refused) {
    session_.dialogs.Beep();
    return;
  }
  if (result.chooseControlSystem) {
    ShowMessage(session_, 16);
    if (session_.Ended()) {
      reject();
      return;
    }
    Option1_[kPointsLabel]->setText(
        texts::LabelPurposeCaption(kPointsLabel, session_.model.ControlSystem));
  }
  state_ = result.state;
  Text1_->setText(result.text);
}

void LabelDialog::Text1_Change(const QString& text) {
  preview_.text = text;
  ShowPreview();
  cmdOKFontCan_[0]->setEnabled(!text.isEmpty());
}

void LabelDialog::ShowPreview() {
  QFont font(preview_.fontName);
  font.setPointSize(preview_.fontSize > 0 ? preview_.fontSize : LabelSettings::kDefaultFontSize);
  font.setBold(preview_.bold);
  font.setItalic(preview_.italic);
  font.setUnderline(preview_.underline);
  Label2_->setFont(font);
  // Tall enough for the font: a large one makes the dialog grow rather than be cut off.
  const int lineHeight =
      QFontMetrics(font).height() + 2 * (Label2_->margin() + Label2_->frameWidth());
  Label2_->setMinimumHeight(qMax(kPreviewHeight, lineHeight));
  QPalette palette = Label2_->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, FromWindowsColour(preview_.colour));
  Label2_->setPalette(palette);
  Label2_->setText(preview_.text);
}

void LabelDialog::cmdOKFontCan_Click(int index) {
  switch (index) {
    case 0:
      Accept();
      break;
    case 1:
      ChooseFont();
      break;
    default:
      reject();
      break;
  }
}

void LabelDialog::ChooseFont() {
  FontChoice font{preview_.fontName, preview_.fontSize,  preview_.bold,
                  preview_.italic,   preview_.underline, preview_.colour};
  if (session_.dialogs.ChooseFont(&font, purpose_ == kGeneralPurpose)) {
    // A font name the label file cannot hold would stop every save: the label keeps its font.
    RecordWriter record;
    if (!record.Str(font.name).Ok()) {
      Tell(texts::FontNotStorable(record.Error()));
      font.name = preview_.fontName;
    }
    preview_.colour = font.colour;
    preview_.bold = font.bold;
    preview_.italic = font.italic;
    preview_.underline = font.underline;
    preview_.fontName = font.name;
    preview_.fontSize = font.size;
  }
  const LabelColourVerdict verdict = ApplyLabelColourRules(purpose_, preview_.colour);
  preview_.colour = verdict.colour;
  ShowPreview();
  adjustSize();  // to the preview's new font, larger or smaller
  if (!verdict.message.isEmpty()) Tell(verdict.message);
  if (purpose_ == kGeneralPurpose) settings_.SetGPcolor(preview_.colour);
  Text1_->setFocus();
}

void LabelDialog::Accept() {
  switch (CheckLabelOk(Text1_->text(), Context(), state_)) {
    case LabelOkVerdict::kToLowerCase:
      Text1_->setText(Text1_->text().toLower());
      Tell(texts::UpperCaseIsForEntryExit());
      break;
    case LabelOkVerdict::kNeedSide:
      Tell(texts::NeedSide());
      Text1_->setFocus();
      break;
    case LabelOkVerdict::kOddNumber:
      session_.dialogs.Beep();
      break;
    case LabelOkVerdict::kAccept:
      accept();
      break;
  }
}

void LabelDialog::reject() {
  purpose_ = kNoPurpose;
  QDialog::reject();
}

void LabelDialog::Tell(const QString& text) {
  session_.dialogs.MessageBox(text, msg::kInformation, texts::LabelDialogTitle());
}

}  // namespace kv
