#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <memory>
#include <vector>

#include "help/help_contents.h"
#include "help/help_window.h"

namespace {

double Ms(const QElapsedTimer& timer) {
  return timer.nsecsElapsed() / 1e6;
}

// The processor time of this thread: on a machine shared with other work it stays near what an
// idle machine would take, where the clock on the wall does not.
double CpuMs() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Times {
  std::vector<double> wall;
  std::vector<double> cpu;
};

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

double Median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

void Report(const char* what, const Times& times) {
  std::printf("  %-42s median %6.1f ms (processor %6.1f ms)   worst %6.1f ms   (%zu runs)\n", what,
              Median(times.wall), Median(times.cpu),
              *std::max_element(times.wall.begin(), times.wall.end()), times.wall.size());
}

void Bench(const QString& path, const char* name) {
  QFile file(path);
  std::printf("%s: %s, %lld bytes\n", name, qPrintable(path), static_cast<long long>(file.size()));
  Times shown;
  Times firstJumps;
  Times jumps;
  const int last = int(kv::kHelpChapters.size()) - 1;
  auto time = [](Times* times, auto&& work) {
    QElapsedTimer timer;
    timer.start();
    const double cpu = CpuMs();
    work();
    times->wall.push_back(Ms(timer));
    times->cpu.push_back(CpuMs() - cpu);
  };
  for (int run = 0; run < 5; ++run) {
    std::unique_ptr<kv::HelpWindow> window;
    time(&shown, [&]() {
      window = std::make_unique<kv::HelpWindow>();
      window->Load(path);
      if (!QTest::qWaitForWindowExposed(window.get())) std::printf("  (not exposed)\n");
      QCoreApplication::processEvents();  // painted
    });
    time(&firstJumps, [&]() {
      window->mnuContent_Click(last);
      QCoreApplication::processEvents();
    });
    for (int i = 0; i <= last; ++i) {
      time(&jumps, [&]() {
        window->mnuContent_Click(i);
        QCoreApplication::processEvents();
      });
    }
  }
  Report("open: read, laid out, shown", shown);
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
