// The record reader, each field's type picked by the first byte: a field that reads and that
// the writer takes reads back the same.
#include <QByteArray>
#include <cstdlib>

#include "layout/record_codec.h"

namespace {

template <typename T, typename Write>
void Field(kv::RecordReader& reader, bool (kv::RecordReader::*read)(T*), Write write) {
  T value{};
  if (!(reader.*read)(&value)) return;
  const kv::RecordWriter writer = write(kv::RecordWriter(), value);
  kv::RecordReader back(writer.Line());
  T again{};
  if (writer.Ok() && !(back.Next() && (back.*read)(&again) && again == value)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  kv::RecordReader reader(
      QByteArray::fromRawData(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1)));
  while (reader.Next()) {
    for (unsigned f = data[0]; !reader.AtRecordEnd(); ++f) {
      quint8 byte = 0;
      qint16 integer = 0;
      float single = 0;
      switch (f % 6) {
        case 0:
          Field(reader, &kv::RecordReader::Str, [](auto w, auto v) { return w.Str(v); });
          break;
        case 1:
          Field(reader, &kv::RecordReader::Long, [](auto w, auto v) { return w.Int(v); });
          break;
        case 2:
          Field(reader, &kv::RecordReader::Bool, [](auto w, auto v) { return w.Bool(v); });
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
