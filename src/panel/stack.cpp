#include "panel/stack.h"

#include <QStackedLayout>

namespace kv {

Stack::Stack(QWidget* parent) : QWidget(parent), layout_(new QStackedLayout(this)) {
  layout_->setStackingMode(QStackedLayout::StackAll);
  layout_->setContentsMargins(0, 0, 0, 0);
}

void Stack::Add(QWidget* widget) {
  widget->setAutoFillBackground(true);  // the one in front hides those behind it
  layout_->addWidget(widget);
  widget->raise();  // the one added last is in front, as controls placed later are
}

}  // namespace kv
