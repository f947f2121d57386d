#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "help/help_contents.h"
#include "help/help_window.h"

namespace {

double Ms(const QElapsedTimer& timer) {
  return timer.nsecsElapsed() / 1e6;
}

// The manual's text repeated to about `bytes`, its chapter headings renamed in every copy but
// the last, so each jump has to go through nearly the whole document.
QByteArray Enlarged(const QByteArray& manual, qsizetype bytes) {
  const qsizetype bodyStart = manual.indexOf("\\pard");
  const QByteArray head = manual.left(bodyStart);
  const QByteArray body = manual.mid(bodyStart, manual.lastIndexOf('}') - bodyStart);
  QByteArray out = head;
  const qsizetype copies = std::max<qsizetype>(1, (bytes - head.size()) / body.size());
  for (qsizetype c = 1; c < copies; ++c) {
    QByteArray copy = body;
    for (const char* caption : kv::kHelpChapters) {
      const QByteArray heading = QByteArray("\\cf1 ") + caption + "\\par";
      copy.replace(heading,
                   QByteArray("\\cf1 ") + caption + " (" + QByteArray::number(c) + ")\\par");
    }
    out += copy;
  }
  return out + body + "}\r\n";
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("  %-40s median %7.1f ms   worst %7.1f ms   (%zu runs)\n", what, ms[ms.size() / 2],
              ms.back(), ms.size());
}

void Bench(const QString& path, const char* name) {
  QFile file(path);
  std::printf("%s: %s, %lld bytes\n", name, qPrintable(path), static_cast<long long>(file.size()));
  std::vector<double> shown;
  std::vector<double> laidOut;
  std::vector<double> firstJumps;
  std::vector<double> jumps;
  const int last = int(kv::kHelpChapters.size()) - 1;
  for (int run = 0; run < 5; ++run) {
    QElapsedTimer timer;
    timer.start();
    auto window = std::make_unique<kv::HelpWindow>();
    window->Load(path);
    if (!QTest::qWaitForWindowExposed(window.get())) std::printf("  (not exposed)\n");
    QCoreApplication::processEvents();  // painted
    shown.push_back(Ms(timer));
    // The text area lays out what it shows first and the rest while the window waits; here
    // the rest is laid out at once, as a jump to the last chapter at once would need it.
    if (run % 2 == 0) {
      window->RichTextBox()->document()->documentLayout()->documentSize();
      laidOut.push_back(Ms(timer));
    } else {
      QElapsedTimer jump;
      jump.start();
      window->mnuContent_Click(last);
      QCoreApplication::processEvents();
      firstJumps.push_back(Ms(jump));
    }
    for (int i = 0; i <= last; ++i) {
      timer.restart();
      window->mnuContent_Click(i);
      QCoreApplication::processEvents();
      jumps.push_back(Ms(timer));
    }
  }
  Report("open: read, first page laid out, shown", shown);
  Report("open and the whole text laid out", laidOut);
  Report("jump to the last chapter at once", firstJumps);
  Report("chapter jump", jumps);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString manual =
      argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(KV_SHIPPED_MANUAL);
  QFile in(manual);
  if (!in.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(manual), qPrintable(in.errorString()));
    return 1;
  }
  const QByteArray text = in.readAll();
  std::printf("platform %s\n", qPrintable(QGuiApplication::platformName()));
  Bench(manual, "shipped manual");
  QTemporaryDir dir;
  const QString large = dir.filePath(QStringLiteral("large.rtf"));
  QFile out(large);
  if (!out.open(QIODevice::WriteOnly) || out.write(Enlarged(text, 1 << 20)) < 0) return 1;
  out.close();
  Bench(large, "1 MB document");
  return 0;
}
