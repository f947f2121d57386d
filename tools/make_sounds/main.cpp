#include <QByteArray>
#include <QDir>
#include <QSaveFile>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <numbers>

// make_sounds FOLDER: telephone.wav (the About panel opening) and sound27.wav (a route filed),
// 16-bit mono PCM at 16 kHz. The same samples every time, so the files only change with this.

namespace {

constexpr int kRate = 16000;
constexpr double kTwoPi = 2.0 * std::numbers::pi;

// A RIFF WAVE file of 16-bit mono samples, `seconds` long, from `sample(t)` in -1..1.
QByteArray Wave(double seconds, const std::function<double(double)>& sample) {
  const int count = int(seconds * kRate);
  QByteArray data(count * 2, '\0');
  for (int i = 0; i < count; ++i) {
    const double v = std::clamp(sample(double(i) / kRate), -1.0, 1.0);
    qToLittleEndian<qint16>(qint16(std::lround(v * 32000)), data.data() + 2 * i);
  }
  QByteArray head(44, '\0');
  char* h = head.data();
  std::memcpy(h, "RIFF", 4);
  qToLittleEndian<quint32>(36 + data.size(), h + 4);
  std::memcpy(h + 8, "WAVEfmt ", 8);
  qToLittleEndian<quint32>(16, h + 16);         // format chunk size
  qToLittleEndian<quint16>(1, h + 20);          // PCM
  qToLittleEndian<quint16>(1, h + 22);          // mono
  qToLittleEndian<quint32>(kRate, h + 24);      // samples per second
  qToLittleEndian<quint32>(kRate * 2, h + 28);  // bytes per second
  qToLittleEndian<quint16>(2, h + 32);          // bytes per sample
  qToLittleEndian<quint16>(16, h + 34);         // bits per sample
  std::memcpy(h + 36, "data", 4);
  qToLittleEndian<quint32>(data.size(), h + 40);
  return head + data;
}

// Rises and falls over `edge` seconds at both ends of [start, end), so nothing clicks.
double Envelope(double t, double start, double end, double edge) {
  if (t < start || t >= end) return 0.0;
  return std::min({1.0, (t - start) / edge, (end - t) / edge});
}

// A telephone's double ring: two bursts of 0.4 s, 0.2 s apart, of two close tones struck by the
// bell's hammer 20 times a second.
double Ring(double t) {
  const double on = Envelope(t, 0.0, 0.4, 0.01) + Envelope(t, 0.6, 1.0, 0.01);
  const double tones = 0.5 * (std::sin(kTwoPi * 400 * t) + std::sin(kTwoPi * 450 * t));
  const double hammer = 0.6 + 0.4 * std::sin(kTwoPi * 20 * t);
  return 0.7 * on * tones * hammer;
}

// A bell-like note from `start`: the tone and two overtones, dying away.
double Bell(double t, double start, double frequency) {
  if (t < start) return 0.0;
  const double s = t - start;
  const double attack = std::min(1.0, s / 0.005);
  return attack * std::exp(-s / 0.22) *
         (std::sin(kTwoPi * frequency * s) + 0.35 * std::sin(kTwoPi * 2 * frequency * s) +
          0.12 * std::sin(kTwoPi * 3 * frequency * s));
}

// A short chime: two falling notes.
double Chime(double t) {
  return 0.45 * (Bell(t, 0.0, 784.0) + Bell(t, 0.18, 659.25)) * Envelope(t, 0.0, 0.9, 0.05);
}

bool Write(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
  }
  std::printf("%s: %lld bytes\n", qPrintable(path), static_cast<long long>(bytes.size()));
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds FOLDER\n");
    return 2;
  }
  const QDir folder(QString::fromLocal8Bit(argv[1]));
  const bool ok = Write(folder.filePath(QStringLiteral("telephone.wav")), Wave(1.0, Ring)) &&
                  Write(folder.filePath(QStringLiteral("sound27.wav")), Wave(0.9, Chime));
  return ok ? 0 : 1;
}
