// libFuzzer entry of the record reader: any bytes read as records, each field read as the type
// the first byte picks for its place (a bad field is passed over, as labels pass them). A text,
// number or true/false that reads must come back the same once written and read again.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "layout/record_codec.h"

namespace {

// The record `writer` made reads back to `value`; else the run stops. A text the files cannot
// hold is refused by the writer, not garbled.
template <typename T, typename Read>
void ReadsBack(const kv::RecordWriter& writer, const T& value, Read read) {
  if (!writer.Ok()) return;
  kv::RecordReader back(writer.Line());
  T again{};
  if (!back.Next() || !read(back, &again) || again != value) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const unsigned pattern = data[0];
  kv::RecordReader reader(
      QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
  while (reader.Next()) {
    for (unsigned f = 0; !reader.AtRecordEnd(); ++f) {
      QString text;
      qint32 number = 0;
      bool flag = false;
      quint8 byte = 0;
      qint16 integer = 0;
      float single = 0;
      switch ((pattern + f) % 6) {
        case 0:
          if (reader.Str(&text)) {
            ReadsBack(kv::RecordWriter().Str(text), text,
                      [](kv::RecordReader& r, QString* v) { return r.Str(v); });
          }
          break;
        case 1:
          if (reader.Long(&number)) {
            ReadsBack(kv::RecordWriter().Int(number), number,
                      [](kv::RecordReader& r, qint32* v) { return r.Long(v); });
          }
          break;
        case 2:
          if (reader.Bool(&flag)) {
            ReadsBack(kv::RecordWriter().Bool(flag), flag,
                      [](kv::RecordReader& r, bool* v) { return r.Bool(v); });
          }
          break;
        case 3:
          reader.Byte(&byte);
          break;
        case 4:
          reader.Integer(&integer);
          break;
        default:
          reader.Single(&single);
          break;
      }
      reader.ClearError();
    }
  }
  return 0;
}
