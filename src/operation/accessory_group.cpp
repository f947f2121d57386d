#include "operation/accessory_group.h"

#include <QLayout>
#include <QScrollBar>

#include "base/session.h"
#include "hardware/dcc_link.h"
#include "operation/points_texts.h"
#include "panel/image_button.h"
#include "panel/stack.h"
#include "panel/toolbar_frame.h"
#include "panel/zorder.h"

namespace kv {

AccessoryGroup::AccessoryGroup(Session& session, ToolbarFrame* fraLenzNo, DccLink& dcc)
    : QObject(fraLenzNo), session_(session), fraLenzNo_(fraLenzNo), dcc_(dcc) {
  hsbLenzNo_ = new QScrollBar(Qt::Horizontal, fraLenzNo_);
  hsbLenzNo_->setObjectName(QStringLiteral("hsbLenzNo"));
  hsbLenzNo_->setRange(0, 255);
  hsbLenzNo_->setSingleStep(1);
  hsbLenzNo_->setPageStep(25);
  hsbLenzNo_->setFixedWidth(104);
  auto* sides = new Stack(fraLenzNo_);
  left_ = new ImageButton(QStringLiteral("imgBtnTog_3"), QStringLiteral("side_left"), 32);
  right_ = new ImageButton(QStringLiteral("imgBtnTog_4"), QStringLiteral("side_right"), 32);
  left_->setToolTip(texts::ToggleTip());
  right_->setToolTip(texts::ToggleTip());
  sides->Add(right_);
  sides->Add(left_);  // L in front, as the caption "solenoid 0L" says
  fraLenzNo_->layout()->addWidget(hsbLenzNo_);
  fraLenzNo_->layout()->addWidget(sides);
  fraLenzNo_->layout()->setAlignment(sides, Qt::AlignVCenter);
  connect(hsbLenzNo_, &QScrollBar::valueChanged, this, &AccessoryGroup::hsbLenzNo_Change);
}

ImageButton* AccessoryGroup::imgBtnTog(int index) const {
  if (index == 3) return left_;
  if (index == 4) return right_;
  return nullptr;
}

void AccessoryGroup::SetNumber(int number) {
  if (hsbLenzNo_->value() == number) {
    hsbLenzNo_Change();
  } else {
    hsbLenzNo_->setValue(number);
  }
}

int AccessoryGroup::Number() const { return hsbLenzNo_->value(); }

void AccessoryGroup::ShowSide(QChar side) {
  BringToFront(side == QLatin1Char('R') ? right_ : left_);
}

void AccessoryGroup::hsbLenzNo_Change() {
  fraLenzNo_->setTitle(texts::LenzNoCaption(Number(), session_.model.PointSide.right(1)));
  if (onChange) onChange();
}

void AccessoryGroup::Toggle(int index) {
  // The picture in front shows the side thrown last: a click throws the other side.
  session_.model.PointSide = index == 3 ? QStringLiteral("R") : QStringLiteral("L");
  fraLenzNo_->setTitle(texts::LenzNoCaption(Number(), session_.model.PointSide));
  dcc_.ThrowSolenoidDcc(Number());
}

}  // namespace kv
