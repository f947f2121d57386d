#pragma once

#include <QString>
#include <cstdint>

namespace kv {

// The remembered default font of each label purpose and the colour of general-purpose labels,
// kept in the per-user settings store (organisation and application "Kelvarne", group
// "Settings"). Each value has a cache that lives for the run: a getter reads the store only
// while its cache is empty (0 or ""), a setter writes the store only when the value differs
// from the cache. A value the store does not hold, or holds as something unreadable, reads as
// its default: "Microsoft Sans Serif", size 10, colour 0 (black). The stored font name is kept
// as it is, installed or not: the layout files carry it, and the system draws a substitute.
class LabelSettings {
 public:
  static QString DefaultFontName() { return QStringLiteral("Microsoft Sans Serif"); }
  static constexpr int kDefaultFontSize = 10;

  std::int32_t GPcolor();
  void SetGPcolor(std::int32_t colour);

  // By purpose: 0 entrance / exit ("NX"), 1 points ("PM"), 2 general ("GP").
  QString FontName(int purpose);
  void SetFontName(int purpose, const QString& name);
  int FontSize(int purpose);
  void SetFontSize(int purpose, int size);

 private:
  struct Caches {
    QString name;
    int size = 0;
  };
  Caches& Of(int purpose);

  std::int32_t gpColor_ = 0;
  Caches nx_, pm_, gp_;
};

}  // namespace kv
