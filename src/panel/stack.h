#pragma once

#include <QWidget>

class QStackedLayout;

namespace kv {

// Controls laid on top of one another in the same place, of which the one in front shows:
// the stacked pictures of a switch, or frames that replace one another.
class Stack : public QWidget {
 public:
  explicit Stack(QWidget* parent = nullptr);
  void Add(QWidget* widget);

 private:
  QStackedLayout* layout_;
};

}  // namespace kv
