#include "operation/send_number_group.h"

#include <QLayout>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "hardware/relay_stack.h"
#include "operation/indicator_check_box.h"
#include "operation/points_firing.h"
#include "operation/points_texts.h"
#include "panel/toolbar_frame.h"

namespace kv {

SendNumberGroup::SendNumberGroup(ToolbarFrame* fraSendNo, RelayStack& relay, PointsFiring& firing)
    : QObject(fraSendNo), relay_(relay), fraSendNo_(fraSendNo) {
  fraSendNo_->setTitle(texts::SendNoDesignCaption());
  auto* column = new QWidget(fraSendNo_);
  auto* rows = new QVBoxLayout(column);
  rows->setContentsMargins(0, 0, 0, 0);
  rows->setSpacing(2);
  hsbSendNo_ = new QScrollBar(Qt::Horizontal, column);
  hsbSendNo_->setObjectName(QStringLiteral("hsbSendNo"));
  hsbSendNo_->setRange(0, kMaxNumber);
  hsbSendNo_->setSingleStep(2);
  hsbSendNo_->setPageStep(32);
  hsbSendNo_->setFixedWidth(104);
  chkSendNo_ = new IndicatorCheckBox(QStringLiteral("chkSendNo"), texts::SendNoCheck(), column);
  chkSendNo_->setToolTip(texts::SendNoTip());
  rows->addWidget(hsbSendNo_);
  rows->addWidget(chkSendNo_);
  fraSendNo_->layout()->addWidget(column);

  connect(hsbSendNo_, &QScrollBar::valueChanged, this, &SendNumberGroup::hsbSendNo_Change);
  connect(&relay, &RelayStack::hsbSendNoChanged, this, &SendNumberGroup::ShowRelayNumber);
  connect(&relay, &RelayStack::chkSendNoChanged, chkSendNo_, &IndicatorCheckBox::SetValue);
  connect(chkSendNo_, &IndicatorCheckBox::mouseDown, this, [this, &firing](Qt::MouseButton button) {
    firing.chkSendNo_MouseDown(userNumber_, button);
  });
  connect(chkSendNo_, &IndicatorCheckBox::mouseUp, this, &SendNumberGroup::chkSendNo_MouseUp);
}

void SendNumberGroup::hsbSendNo_Change(int value) {
  userNumber_ = value;
  fraSendNo_->setTitle(texts::SendNoCaption(value));
}

void SendNumberGroup::ShowRelayNumber(int shown) {
  // Idle, the bar is the user's again.
  const int number = relay_.chkSendNo() == 0 ? userNumber_ : shown;
  // The bar goes no higher than its top; the caption names the number itself.
  {
    const QSignalBlocker quiet(hsbSendNo_);
    hsbSendNo_->setValue(std::clamp(number, 0, kMaxNumber));
  }
  fraSendNo_->setTitle(texts::SendNoCaption(number));
}

void SendNumberGroup::chkSendNo_MouseUp() {
  if (chkSendNo_->Value() == 0) chkSendNo_->SetValue(2);
}

}  // namespace kv
