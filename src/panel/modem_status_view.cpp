#include "panel/modem_status_view.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>

#include "panel/image_button.h"
#include "panel/stack.h"
#include "panel/zorder.h"

namespace kv {

ModemStatusView::ModemStatusView(QWidget* frame) : QWidget(frame) {
  setObjectName(QStringLiteral("modemStatus"));
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(4);
  auto* pictures = new Stack(this);
  off_ = new ImageButton(QStringLiteral("imgBtnTog_5"), QStringLiteral("modem_off"), 32);
  on_ = new ImageButton(QStringLiteral("imgBtnTog_6"), QStringLiteral("modem_on"), 32);
  off_->setToolTip(QStringLiteral("modem"));
  on_->setToolTip(QStringLiteral("modem"));
  pictures->Add(on_);
  pictures->Add(off_);  // off-line until the box answers
  row->addWidget(pictures, 0, Qt::AlignVCenter);
  lblArray_ = new QLabel(this);
  lblArray_->setObjectName(QStringLiteral("lblArray"));
  lblArray_->setMinimumWidth(
      lblArray_->fontMetrics().horizontalAdvance(QStringLiteral("no modem")));
  row->addWidget(lblArray_);
  if (frame->layout()) frame->layout()->addWidget(this);
  Show(ModemStatusFor(false, false, QString()));
}

void ModemStatusView::Show(const ModemStatus& status) {
  lblArray_->setText(status.label);
  BringToFront(status.picture == 6 ? on_ : off_);
}

ImageButton* ModemStatusView::Picture(int index) const {
  if (index == 5) return off_;
  if (index == 6) return on_;
  return nullptr;
}

}  // namespace kv
