#include "app/info_toolbar.h"

#include <QEvent>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <cmath>

#include "app/effect_sound_player.h"
#include "app/info_texts.h"
#include "app/launcher.h"
#include "base/session.h"
#include "panel/image_button.h"

namespace kv {

namespace {
constexpr int kAboutWidth = 460;
constexpr int kAboutMargin = 12;
}  // namespace

InfoToolbar::InfoToolbar(Session& session, QWidget* window, QWidget* aboutHost)
    : QObject(window),
      session_(session),
      aboutHost_(aboutHost),
      sounds_(session.folder, std::make_unique<EffectSoundPlayer>()),
      launcher_(std::make_unique<DesktopLauncher>()) {
  if (auto* help = window->findChild<ImageButton*>(QStringLiteral("imgBtnHelp"))) {
    connect(help, &ImageButton::mouseUp, this, &InfoToolbar::helpRequested);
  }
  if (auto* about = window->findChild<ImageButton*>(QStringLiteral("imgBtnAbout"))) {
    connect(about, &ImageButton::mouseDown, this, &InfoToolbar::imgBtnAbout_MouseDown);
  }
  if (auto* wordPad = window->findChild<ImageButton*>(QStringLiteral("imgBtnWordPad"))) {
    connect(wordPad, &ImageButton::mouseUp, this, &InfoToolbar::imgBtnWordPad_MouseUp);
  }

  txtAbout_ = new QTextEdit(aboutHost);
  txtAbout_->setObjectName(QStringLiteral("txtAbout"));
  txtAbout_->setReadOnly(true);
  txtAbout_->setFrameShape(QFrame::Box);
  txtAbout_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  txtAbout_->document()->setDocumentMargin(10);
  const QString version = QStringLiteral(KV_VERSION);
  txtAbout_->setPlainText(texts::AboutLines(version).join(QStringLiteral("\n\n")));
  QTextCursor heading(txtAbout_->document()->firstBlock());
  heading.select(QTextCursor::BlockUnderCursor);
  QTextCharFormat bold;
  bold.setFontWeight(QFont::Bold);
  bold.setFontPointSize(txtAbout_->font().pointSizeF() * 1.25);
  heading.mergeCharFormat(bold);
  txtAbout_->hide();
  aboutHost->installEventFilter(this);
}

InfoToolbar::~InfoToolbar() = default;

void InfoToolbar::SetLauncher(std::unique_ptr<Launcher> launcher) {
  launcher_ = std::move(launcher);
}

void InfoToolbar::imgBtnAbout_MouseDown() {
  aboutShown_ = !aboutShown_;
  if (!aboutShown_) {
    txtAbout_->hide();
    return;
  }
  PlaceAbout();
  txtAbout_->show();
  txtAbout_->raise();
  sounds_.Play(QString::fromLatin1(kTelephoneSound));
}

void InfoToolbar::CloseAbout() {
  aboutShown_ = false;
  txtAbout_->hide();
}

// At the top left of the panel, as high as its text.
void InfoToolbar::PlaceAbout() {
  const int width = std::min(kAboutWidth, std::max(200, aboutHost_->width() - 2 * kAboutMargin));
  // Measured on a copy: the box's own document is laid out for the box's present width.
  const int frame = txtAbout_->frameWidth();
  const std::unique_ptr<QTextDocument> text(txtAbout_->document()->clone());
  text->setTextWidth(width - 2 * frame);
  const int height = int(std::ceil(text->size().height())) + 2 * frame;
  txtAbout_->setGeometry(kAboutMargin, kAboutMargin, width, height);
}

bool InfoToolbar::eventFilter(QObject* watched, QEvent* event) {
  if (watched == aboutHost_ && event->type() == QEvent::Resize && aboutShown_) PlaceAbout();
  return QObject::eventFilter(watched, event);
}

void InfoToolbar::imgBtnWordPad_MouseUp() {
  const QString wordPad = session_.folder.Resolve(QStringLiteral("\\wordpad.exe"));
  qint64 pid = 0;
  if (QFileInfo(wordPad).isFile() && launcher_->StartProgram(wordPad, &pid)) {
    wordPadTask_ = QString::number(pid);
    return;
  }
  // No word processor of its own: the layout's text files open with the user's editor.
  const QString& layoutFolder = session_.model.LayoutFolder;
  const QString folder = layoutFolder.isEmpty() ? session_.folder.Root() : layoutFolder;
  if (launcher_->OpenFolder(folder)) return;
  session_.dialogs.MessageBox(texts::NoWordProcessor(folder), msg::kInformation,
                              texts::WordProcessorTitle());
}

}  // namespace kv
