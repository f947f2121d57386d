#include "app/route_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "operation/route_texts.h"
#include "operation/routes.h"

namespace kv {

RouteMenu::RouteMenu(QMenuBar* bar, Routes& routes, QObject* parent)
    : QObject(parent), routes_(routes) {
  mnuNTX_ = bar->addMenu(QStringLiteral("&ENTRY to EXIT"));
  mnuNTX_->setObjectName(QStringLiteral("mnuNTX"));
  mnuNTX_->setToolTipsVisible(true);
  mnuPathRec_ = bar->addAction(QString());
  mnuPathRec_->setObjectName(QStringLiteral("mnuPathRec"));
  mnuPathRec_->setVisible(false);
  connect(&routes_, &Routes::entriesChanged, this, &RouteMenu::BuildRouteMenu);
  connect(&routes_, &Routes::statesChanged, this, &RouteMenu::ShowStates);
  BuildRouteMenu();
}

void RouteMenu::BuildRouteMenu() {
  qDeleteAll(entries_);
  entries_.clear();
  delete none_;
  none_ = nullptr;
  const RouteTable& table = routes_.Table();
  for (int i = 0; i < table.Count(); ++i) {
    // A title is shown as it stands: an ampersand in it marks no key.
    QString caption = table.Entry(i).record.title;
    QAction* entry = mnuNTX_->addAction(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
    entry->setObjectName(QStringLiteral("mnuList_%1").arg(i));
    entry->setCheckable(true);
    connect(entry, &QAction::triggered, this, [this, i]() { routes_.mnuList_Click(i); });
    entries_ << entry;
  }
  if (entries_.isEmpty()) {
    none_ = mnuNTX_->addAction(texts::NoRoutes());
    none_->setEnabled(false);
  }
  ShowStates();
}

void RouteMenu::ShowStates() {
  const RouteTable& table = routes_.Table();
  for (int i = 0; i < entries_.size() && i < table.Count(); ++i) {
    const RouteEntry& e = table.Entry(i);
    QAction* entry = entries_.at(i);
    entry->setChecked(e.checked);
    entry->setEnabled(e.enabled);
    entry->setToolTip(e.enabled ? QString() : texts::BlockedBy(table.BlockersOf(i)));
  }
}

void RouteMenu::ShowPathRecord(const QString& text) {
  QString caption = text;
  mnuPathRec_->setText(caption.replace(QLatin1Char('&'), QStringLiteral("&&")));
  mnuPathRec_->setVisible(!text.isEmpty());
}

}  // namespace kv
