#pragma once

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <array>

#include "panel/panel_area.h"
#include "panel/panel_toolbars.h"
#include "panel/toolbar_frame.h"
#include "support/test_session.h"

namespace kv::test {

// The panel with its slide bars under the four toolbar frames, as the main window holds them.
struct ToolbarFixture {
  ToolbarFixture() {
    auto* column = new QVBoxLayout(&host);
    auto* strip = new QHBoxLayout;
    column->addLayout(strip);
    for (int i = 1; i <= 4; ++i) {
      frames[i] = new ToolbarFrame(QStringLiteral("fraToolbar_%1").arg(i), QString(), &host);
      strip->addWidget(frames[i]);
    }
    area = new PanelArea(t.session, &host);
    column->addWidget(area, 1);
    bars = new PanelToolbars(t.session, *area, frames, &host);
    host.resize(1280, 700);
    host.show();
  }
  template <typename T>
  T* Find(const QString& name) {
    T* found = host.findChild<T*>(name);
    if (!found) qFatal("no control %s", qPrintable(name));
    return found;
  }

  TestSession t;
  QWidget host;
  std::array<ToolbarFrame*, 5> frames{};
  PanelArea* area = nullptr;
  PanelToolbars* bars = nullptr;
};

}  // namespace kv::test
