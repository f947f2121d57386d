// Redraws the demo layout and its bitmaps into the tree's data folder:
//   make_demo_layout <path to data>
#include <QGuiApplication>
#include <cstdio>

#include "demo_bitmaps.h"
#include "demo_layout.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  const QStringList args = QGuiApplication::arguments();
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: make_demo_layout <data folder>\n");
    return 2;
  }
  QString error;
  if (!kv::demo::DrawBitmaps(args.at(1), &error) || !kv::demo::WriteLayout(args.at(1), &error)) {
    std::fprintf(stderr, "make_demo_layout: %s\n", qPrintable(error));
    return 1;
  }
  std::printf("demo layout written to %s\n", qPrintable(args.at(1)));
  return 0;
}
