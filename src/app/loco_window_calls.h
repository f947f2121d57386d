#pragma once

#include <QObject>

namespace kv {

class MainWindow;

// The DCC Loco Control window comes up whenever the mouse moves over the operating panel: over
// the surface and its labels, pictures and signals, the slide buttons and percent labels, the
// number-display pictures and the information toolbar.
class LocoWindowCalls : public QObject {
  Q_OBJECT

 public:
  explicit LocoWindowCalls(MainWindow& window);

  // Mouse moves over `widget` (and, where they pass them on, its children) bring the window up.
  void Watch(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
};

}  // namespace kv
