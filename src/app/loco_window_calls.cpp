#include "app/loco_window_calls.h"

#include <QEvent>

#include "app/main_window.h"
#include "panel/image_button.h"
#include "panel/panel.h"
#include "panel/panel_area.h"

namespace kv {

LocoWindowCalls::LocoWindowCalls(MainWindow& window) : QObject(&window), window_(window) {
  Panel& panel = window.picScreen();
  connect(&panel, &Panel::objectMouseMove, this, [this](PanelObject kind, int, Qt::MouseButtons) {
    if (kind == PanelObject::kLabel || kind == PanelObject::kImage ||
        kind == PanelObject::kSignal) {
      window_.ShowLocoWindow();
    }
  });
  connect(&panel, &Panel::screenMouseMove, this,
          [this](Qt::MouseButtons, QPointF) { window_.ShowLocoWindow(); });
  for (int index : {0, 3, 6, 9}) {
    if (auto* button = window.findChild<ImageButton*>(QStringLiteral("imgBtnScroll_%1").arg(index))) {
      connect(button, &ImageButton::mouseMoved, &window, &MainWindow::ShowLocoWindow);
    }
  }
  Watch(window.findChild<QWidget*>(QStringLiteral("fraInfo")));
  Watch(window.panelArea().lblPerCent(1));
  Watch(window.panelArea().lblPerCent(2));
}

void LocoWindowCalls::Watch(QWidget* widget) {
  if (!widget) return;
  widget->setMouseTracking(true);
  widget->installEventFilter(this);
}

bool LocoWindowCalls::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) window_.ShowLocoWindow();
  return QObject::eventFilter(watched, event);
}

}  // namespace kv
