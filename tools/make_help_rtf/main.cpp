#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>
#include <cstdio>

#include "help/help_contents.h"
#include "manual_rtf.h"

// make_help_rtf [--check] SOURCE.md OUTPUT.rtf
int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  const bool check = args.removeAll(QStringLiteral("--check")) > 0;
  if (args.size() != 2) {
    std::fprintf(stderr, "usage: make_help_rtf [--check] SOURCE.md OUTPUT.rtf\n");
    return 2;
  }
  QFile source(args.at(0));
  if (!source.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(0)), qPrintable(source.errorString()));
    return 1;
  }
  QStringList chapters;
  const QByteArray rtf = kv::manual::ManualRtf(QString::fromUtf8(source.readAll()), &chapters);

  // The help window's Contents menu jumps to these headings: all of them, in its order.
  QStringList wanted;
  for (const char* caption : kv::kHelpChapters) wanted << QString::fromUtf8(caption);
  if (chapters != wanted) {
    std::fprintf(stderr, "the chapters must be the Contents menu's items, in order:\n");
    for (qsizetype i = 0; i < std::max(chapters.size(), wanted.size()); ++i) {
      std::fprintf(stderr, "  %-45s %s\n", qPrintable(wanted.value(i)),
                   qPrintable(chapters.value(i)));
    }
    return 1;
  }

  if (check) {
    QFile current(args.at(1));
    if (current.open(QIODevice::ReadOnly) && current.readAll() == rtf) return 0;
    std::fprintf(stderr, "%s is not what %s gives: run make_help_rtf again\n",
                 qPrintable(args.at(1)), qPrintable(args.at(0)));
    return 1;
  }
  QSaveFile out(args.at(1));
  if (!out.open(QIODevice::WriteOnly) || out.write(rtf) != rtf.size() || !out.commit()) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(args.at(1)), qPrintable(out.errorString()));
    return 1;
  }
  std::printf("%s: %lld bytes, %lld chapters\n", qPrintable(args.at(1)),
              static_cast<long long>(rtf.size()), static_cast<long long>(chapters.size()));
  return 0;
}
