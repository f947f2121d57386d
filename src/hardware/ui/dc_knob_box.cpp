#include "hardware/ui/dc_knob_box.h"

#include <QEvent>
#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <cmath>

#include "base/session.h"
#include "hardware/board_library.h"
#include "hardware/relay_stack.h"
#include "hardware/ui/dc_knob_texts.h"

namespace kv {

KnobPicture::KnobPicture(int knob, QWidget* parent) : QLabel(parent) {
  setObjectName(QStringLiteral("picKnob_%1").arg(knob));
  setFixedSize(DcKnobBox::kKnobSize, DcKnobBox::kKnobSize);
  setAlignment(Qt::AlignCenter);
  setCursor(Qt::PointingHandCursor);
}

void KnobPicture::mousePressEvent(QMouseEvent* event) {
  if (onDown) onDown(event->button());
}

void KnobPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (onUp) onUp(event->button());
}

void KnobPicture::mouseDoubleClickEvent(QMouseEvent* event) {
  if (onDoubleClick) onDoubleClick(event->button());
}

namespace {
int ButtonNumber(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
  }
}
}  // namespace

DcKnobBox::DcKnobBox(Session& session, BoardLibrary& board, RelayStack& relay, QWidget* parent)
    : QGroupBox(texts::DcBoxCaption(), parent), session_(session) {
  setObjectName(QStringLiteral("fraBoxHM"));
  knobs_ = std::make_unique<DcKnobs>(DcKnobs::Outputs{
      [&board](int channel, int value) { board.OutputAnalogChannel(channel, value); },
      [&session, &relay, self = QPointer<DcKnobBox>(this)](int solenoid,
                                                           std::function<void()> written) {
        session.model.SolenoidNo = static_cast<std::uint8_t>(solenoid);
        return RelayStack::WillWrite(relay.FireRelayStack([self, written]() {
          if (self) written();
        }));
      }});
  auto* outer = new QGridLayout(this);
  outer->setContentsMargins(6, 4, 6, 4);
  auto* picBoxHM = new QWidget(this);
  picBoxHM->setObjectName(QStringLiteral("picBoxHM"));
  auto* grid = new QGridLayout(picBoxHM);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(0);
  for (int k = 1; k <= 2; ++k) {
    picKnob_[k] = new KnobPicture(k, picBoxHM);
    picKnob_[k]->setToolTip(texts::KnobTip(k));
    picKnob_[k]->onDown = [this, k](Qt::MouseButton b) {
      if (!knobs_->MouseDown(k, ButtonNumber(b))) session_.dialogs.Beep();
      ShowPercent();
    };
    // The release comes to the knob the button went down on.
    picKnob_[k]->onUp = [this, k](Qt::MouseButton) {
      knobs_->MouseUp();
      ShowPercent();
      ShowKnob(k);
    };
    picKnob_[k]->onDoubleClick = [this, k](Qt::MouseButton) {
      knobs_->DoubleClick(k);
      ShowPercent();
    };
    lblPwm_[k] = new QLabel(picBoxHM);
    lblPwm_[k]->setObjectName(QStringLiteral("lblPwm_%1").arg(k));
    lblPwm_[k]->setAlignment(Qt::AlignCenter);
    lblPwm_[k]->setToolTip(texts::PwmTip());
    grid->addWidget(picKnob_[k], 0, k - 1);
    grid->addWidget(lblPwm_[k], 1, k - 1);
    ShowKnob(k);
  }
  ShowPercent();
  // A board lost, or opened (back, or again by Connect), has its outputs off: a knob still
  // showing power would send power at its next click, even one that turns it down.
  const auto stop = [this]() {
    knobs_->Stop();
    ShowPercent();
    ShowKnob(1);
    ShowKnob(2);
  };
  connect(&board, &BoardLibrary::boardLost, this, stop);
  connect(&board, &BoardLibrary::boardOpened, this, stop);
  outer->addWidget(picBoxHM);
  setAutoFillBackground(true);
  hide();
}

DcKnobBox::~DcKnobBox() = default;

void DcKnobBox::ResetDirectionTexts() {
  knobs_->ResetDirectionTexts();
}

void DcKnobBox::ShowPercent() {
  for (int k = 1; k <= 2; ++k) lblPwm_[k]->setText(knobs_->PercentText(k));
}

void DcKnobBox::ShowKnob(int knob) {
  const QString stored = knobs_->PicturePath(knob);
  QPixmap picture;
  const QString path = session_.folder.Resolve(stored);
  if (!path.isEmpty()) picture.load(path);
  standIn_[knob] = picture.isNull();
  if (standIn_[knob]) {
    picture = KnobStandIn(knobs_->Reverse(knob), knobs_->Position(knob), kKnobSize);
    picKnob_[knob]->setToolTip(texts::KnobPictureMissing(stored));
  } else {
    picKnob_[knob]->setToolTip(texts::KnobTip(knob));
  }
  picKnob_[knob]->setPixmap(picture);
}

void DcKnobBox::PinToTopRight(QWidget* host, int rightInset) {
  host_ = host;
  rightInset_ = rightInset;
  host->installEventFilter(this);
  Place();
}

bool DcKnobBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == host_ && event->type() == QEvent::Resize) Place();
  return QGroupBox::eventFilter(watched, event);
}

void DcKnobBox::Place() {
  if (!host_) return;
  adjustSize();
  move(host_->width() - width() - rightInset_, 8);
  raise();
}

QPixmap KnobStandIn(bool reverse, int position, int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::white);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF centre(size / 2.0, size / 2.0);
  const double radius = size * 0.36;
  p.setPen(QPen(Qt::darkGray, 2, Qt::DashLine));
  p.setBrush(reverse ? QColor(0xF6, 0xD5, 0xB8) : QColor(0xCF, 0xE8, 0xD8));
  p.drawEllipse(centre, radius, radius);
  // The pointer sweeps from seven o'clock (stopped) to five o'clock (full) over 270 degrees.
  const double degrees = 225.0 - 270.0 * position / DcKnobs::kTopPosition;
  const double rad = degrees * M_PI / 180.0;
  p.setPen(QPen(Qt::black, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(centre, centre + QPointF(radius * std::cos(rad), -radius * std::sin(rad)));
  p.setPen(Qt::black);
  p.drawText(QRectF(0, size - 14, size, 14), Qt::AlignCenter,
             reverse ? QStringLiteral("R ?") : QStringLiteral("F ?"));
  return pixmap;
}

}  // namespace kv
