// The RTF reader: any bytes read into a document neither crash nor hang it.
#include <QByteArray>
#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

#include "help/rtf/rtf_reader.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  // Fonts need a GUI application; no window is ever shown.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static QGuiApplication app(*argc, *argv);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QTextDocument document;
  kv::ReadRtf(QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)),
              &document);
  return 0;
}
