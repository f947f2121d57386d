#include <QApplication>
#include <QIcon>

#include "app/application.h"

int main(int argc, char* argv[]) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kelvarne"));
  QApplication::setOrganizationName(QStringLiteral("Kelvarne"));
  // The desktop matches the windows to kelvarne.desktop and shows its icon for them.
  QGuiApplication::setDesktopFileName(QStringLiteral("kelvarne"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/resources/kelvarne.svg")));
  kv::Application app(QApplication::arguments());
  if (!app.Start()) return 0;
  return QApplication::exec();
}
