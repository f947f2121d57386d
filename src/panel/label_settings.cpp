#include "panel/label_settings.h"

#include <QSettings>

#include "panel/label_keys.h"

namespace kv {

namespace {

// The store's values are decimal text, as the store has always held them.
QString ReadStore(const char* key) {
  QSettings store(QStringLiteral("Kelvarne"), QStringLiteral("Kelvarne"));
  store.beginGroup(QStringLiteral("Settings"));
  return store.value(QLatin1String(key)).toString();
}

void WriteStore(const char* key, const QString& value) {
  QSettings store(QStringLiteral("Kelvarne"), QStringLiteral("Kelvarne"));
  store.beginGroup(QStringLiteral("Settings"));
  store.setValue(QLatin1String(key), value);
}

// A Long or Integer of the store; `fallback` when it holds none or not a number in range.
std::int32_t ReadNumber(const char* key, std::int32_t fallback, std::int32_t low,
                        std::int32_t high) {
  bool ok = false;
  const qlonglong value = ReadStore(key).trimmed().toLongLong(&ok);
  return ok && value >= low && value <= high ? std::int32_t(value) : fallback;
}

const char* NameKey(int purpose) {
  switch (purpose) {
    case kEntryExit:
      return "NXfontName";
    case kPointsLabel:
      return "PMfontName";
    default:
      return "GPfontName";
  }
}

const char* SizeKey(int purpose) {
  switch (purpose) {
    case kEntryExit:
      return "NXfontSize";
    case kPointsLabel:
      return "PMfontSize";
    default:
      return "GPfontSize";
  }
}

}  // namespace

std::int32_t LabelSettings::GPcolor() {
  // Windows colour values: 0x00BBGGRR, no higher byte.
  if (gpColor_ == 0) gpColor_ = ReadNumber("GPcolor", 0, 0, 0xFFFFFF);
  return gpColor_;
}

void LabelSettings::SetGPcolor(std::int32_t colour) {
  if (colour == gpColor_) return;
  gpColor_ = colour;
  WriteStore("GPcolor", QString::number(colour));
}

LabelSettings::Caches& LabelSettings::Of(int purpose) {
  switch (purpose) {
    case kEntryExit:
      return nx_;
    case kPointsLabel:
      return pm_;
    default:
      return gp_;
  }
}

QString LabelSettings::FontName(int purpose) {
  Caches& cache = Of(purpose);
  if (cache.name.isEmpty()) {
    cache.name = ReadStore(NameKey(purpose));
    if (cache.name.isEmpty()) cache.name = DefaultFontName();
  }
  return cache.name;
}

void LabelSettings::SetFontName(int purpose, const QString& name) {
  Caches& cache = Of(purpose);
  if (name == cache.name) return;
  cache.name = name;
  WriteStore(NameKey(purpose), name);
}

int LabelSettings::FontSize(int purpose) {
  Caches& cache = Of(purpose);
  // Sizes as the label file's Integer field holds them.
  if (cache.size == 0) cache.size = ReadNumber(SizeKey(purpose), kDefaultFontSize, 1, 32767);
  return cache.size;
}

void LabelSettings::SetFontSize(int purpose, int size) {
  Caches& cache = Of(purpose);
  if (size == cache.size) return;
  cache.size = size;
  WriteStore(SizeKey(purpose), QString::number(size));
}

}  // namespace kv
