// button_sheet SVG_FOLDER OUT.png
// Draws every picture of SVG_FOLDER at the toolbar's 32 pixels and at twice that, each with its
// name, on one sheet: the pictures must read as one set and stay clear at their real size.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: button_sheet SVG_FOLDER OUT.png\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const QStringList names = folder.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
  if (names.isEmpty()) {
    std::fprintf(stderr, "no pictures in %s\n", argv[1]);
    return 1;
  }
  constexpr int kCell = 120;
  constexpr int kColumns = 7;
  const int rows = int((names.size() + kColumns - 1) / kColumns);
  QImage sheet(kColumns * kCell, rows * kCell, QImage::Format_ARGB32);
  sheet.fill(QColor(0xf0, 0xf0, 0xf0));
  QPainter painter(&sheet);
  int failures = 0;
  for (int i = 0; i < names.size(); ++i) {
    QSvgRenderer renderer(folder.filePath(names[i]));
    if (!renderer.isValid()) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(names[i]));
      ++failures;
      continue;
    }
    const QPoint cell((i % kColumns) * kCell, (i / kColumns) * kCell);
    renderer.render(&painter, QRectF(cell + QPoint(8, 12), QSizeF(32, 32)));
    renderer.render(&painter, QRectF(cell + QPoint(48, 4), QSizeF(64, 64)));
    painter.setPen(Qt::black);
    painter.drawText(QRect(cell + QPoint(0, 80), QSize(kCell, 30)), Qt::AlignCenter,
                     QFileInfo(names[i]).completeBaseName());
  }
  painter.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[2]))) {
    std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return 1;
  }
  std::printf("%d pictures on %s\n", int(names.size()) - failures, argv[2]);
  return failures == 0 ? 0 : 1;
}
