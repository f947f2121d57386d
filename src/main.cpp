#include <QApplication>

#include "app/application.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvarne"));
  QApplication::setOrganizationName(QStringLiteral("Kelvarne"));
  kv::Application app(QApplication::arguments());
  if (!app.Start()) return 0;
  return QApplication::exec();
}
