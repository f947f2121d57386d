#include "operation/number_display.h"

#include <QGridLayout>
#include <QLabel>
#include <QList>
#include <QMouseEvent>

#include "base/session.h"
#include "operation/points_texts.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_items.h"
#include "panel/stack.h"
#include "panel/toolbar_frame.h"
#include "panel/zorder.h"

namespace kv {

namespace {
constexpr std::int32_t kGreen = 0x00FF00;
}  // namespace

NumberDisplay::NumberDisplay(Session& session, Panel& panel, QWidget* window, QWidget* parent)
    : QObject(parent),
      session_(session),
      panel_(panel),
      window_(window),
      fraBtnNo_(new ToolbarFrame(QStringLiteral("fraBtnNo"), texts::BtnNoDesignCaption(), parent)) {
  auto* grid = new QGridLayout(fraBtnNo_);
  grid->setContentsMargins(6, 4, 6, 4);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(0);
  auto* pictures = new Stack(fraBtnNo_);
  const char* names[3] = {"numbers_points", "numbers_track", "numbers_off"};
  for (int i = 0; i < 3; ++i) {
    imgBtnNo_[i] =
        new ImageButton(QStringLiteral("imgBtnNo_%1").arg(i), QString::fromLatin1(names[i]), 32);
    imgBtnNo_[i]->setToolTip(texts::BtnNoTip());
    connect(imgBtnNo_[i], &ImageButton::mouseDown, this, [this, i]() { imgBtnNo_MouseDown(i); });
    connect(imgBtnNo_[i], &ImageButton::mouseMoved, this, &NumberDisplay::mouseMoved);
  }
  for (int i = 2; i >= 0; --i) pictures->Add(imgBtnNo_[i]);  // 0 in front, then 1, then 2
  lblCoil_ = new QLabel(fraBtnNo_);
  lblCoil_->setObjectName(QStringLiteral("lblCoil"));
  lblCoil_->setMinimumWidth(lblCoil_->fontMetrics().horizontalAdvance(texts::CoilNumbersCaption()) +
                            8);
  SetCoil(texts::CoilDesignCaption(), kBlack, true);
  lblCount_ = new QLabel(texts::CountDesignCaption(), fraBtnNo_);
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  lblCount_->setToolTip(texts::CountDesignTip());
  lblCount_->setCursor(Qt::PointingHandCursor);
  lblCount_->installEventFilter(this);
  grid->addWidget(pictures, 0, 0, 2, 1, Qt::AlignVCenter);
  grid->addWidget(lblCoil_, 0, 1);
  grid->addWidget(lblCount_, 1, 1);
}

bool NumberDisplay::eventFilter(QObject* watched, QEvent* event) {
  // lblCount is clicked like a button: the left button goes down and comes up over it. The
  // label takes the press, so that the release comes back to it.
  if (watched == lblCount_ && event->type() == QEvent::MouseButtonPress) return true;
  if (watched == lblCount_ && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton &&
        lblCount_->rect().contains(mouse->position().toPoint())) {
      lblCount_Click();
    }
  }
  return QObject::eventFilter(watched, event);
}

void NumberDisplay::SetCoil(const QString& caption, int colour, bool bold) {
  lblCoil_->setText(caption);
  QPalette palette = lblCoil_->palette();
  palette.setColor(QPalette::WindowText, FromWindowsColour(colour));
  lblCoil_->setPalette(palette);
  QFont font = lblCoil_->font();
  font.setBold(bold);
  lblCoil_->setFont(font);
}

void NumberDisplay::BringInfoToFront(bool front) {
  QWidget* info = window_ ? window_->findChild<QWidget*>(QStringLiteral("fraInfo")) : nullptr;
  if (!info) return;
  if (front) {
    BringToFront(info);
  } else {
    SendToBack(info);
  }
}

void NumberDisplay::imgBtnNo_MouseDown(int index) {
  if (index < 0 || index > 2) return;
  LayoutModel& m = session_.model;
  m.ClickRole = static_cast<std::uint8_t>(index);
  SendToBack(imgBtnNo_[index]);
  switch (index) {
    case 0:
      SetCoil(texts::CoilNumbersCaption(), kRed, false);
      BringInfoToFront(false);
      TogglePointsNumbers();
      break;
    case 1:
      SetCoil(lblCoil_->text(), kGreen, lblCoil_->font().bold());
      BringInfoToFront(true);
      fraBtnNo_->setTitle(texts::BtnNoTrackCaption());
      TogglePointsNumbers();
      RefreshTrackNumbers();  // ClickRole 1: every number shows
      break;
    default:
      SetCoil(texts::CoilOpenCaption(), kBlack, true);
      fraBtnNo_->setTitle(texts::BtnNoSolenoidCaption());
      RefreshTrackNumbers();  // the numbers follow ShowNumbers again
      break;
  }
}

void NumberDisplay::lblCount_Click() {
  LayoutModel& m = session_.model;
  // While a route is recorded its track units are picked by their numbers: they stay.
  if (m.Recording) return;
  m.ShowNumbers = !m.ShowNumbers;
  RefreshTrackNumbers();
  lblCount_->setToolTip(m.ShowNumbers ? texts::CountHideTip() : texts::CountShowTip());
}

void NumberDisplay::HideTrackNumbers() {
  LayoutModel& m = session_.model;
  if (!m.ShowNumbers) return;
  m.ShowNumbers = false;
  RefreshTrackNumbers();
  lblCount_->setToolTip(texts::CountShowTip());
}

void NumberDisplay::TogglePointsNumbers() {
  // The points labels turn together: one made in this run shows at once while the loaded ones
  // are hidden, and turning each on its own would keep it out of step with them. Any hidden
  // shows them all; otherwise all are hidden.
  const LayoutModel& m = session_.model;
  QList<LabelControl*> points;
  bool anyHidden = false;
  for (int i = 1; i <= m.LabelCount; ++i) {
    LabelControl* label = panel_.Label(i);
    if (!label || label->ForeColor() != kRed) continue;
    points << label;
    anyHidden = anyHidden || !label->isVisible();
  }
  for (LabelControl* label : points) label->setVisible(anyHidden);
}

void NumberDisplay::RefreshTrackNumbers() {
  const LayoutModel& m = session_.model;
  for (int i = 1; i <= m.TrackCount; ++i) panel_.PlaceTrackNumber(i);
}

}  // namespace kv
