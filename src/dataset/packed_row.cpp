#include "packed_row.h"

#include "win1252.h"

#include <cstring>

namespace ds {
namespace {

// Each cell is a tag byte followed by its payload.
enum Tag : char { Null, ShortText, LongText, Decimal, Double, Integer, Moment, Boolean };

template <typename T>
void append(QByteArray &bytes, T number) {
  bytes.append(reinterpret_cast<const char *>(&number), sizeof number);
}

template <typename T>
T read(const QByteArray &bytes, qsizetype offset) {
  T number;
  std::memcpy(&number, bytes.constData() + offset, sizeof number);
  return number;
}

struct Packer {
  QByteArray &bytes;
  void operator()(std::monostate) const { bytes.append(Null); }
  void operator()(const QString &text) const {
    const QByteArray encoded = win1252::encode(text);
    if (encoded.size() < 256) {
      bytes.append(ShortText);
      bytes.append(char(encoded.size()));
    } else {
      bytes.append(LongText);
      append(bytes, std::uint32_t(encoded.size()));
    }
    bytes.append(encoded);
  }
  void operator()(const fb::Decimal &d) const {
    bytes.append(Decimal);
    bytes.append(char(d.scale));
    append(bytes, d.units);
  }
  void operator()(double number) const {
    bytes.append(Double);
    append(bytes, number);
  }
  void operator()(std::int64_t number) const {
    bytes.append(Integer);
    append(bytes, number);
  }
  void operator()(const QDateTime &moment) const {
    bytes.append(Moment);
    append(bytes, std::int32_t(moment.date().toJulianDay()));
    append(bytes, std::int32_t(moment.time().msecsSinceStartOfDay()));
  }
  void operator()(bool flag) const {
    bytes.append(Boolean);
    bytes.append(char(flag));
  }
};

}  // namespace

PackedRow::PackedRow(const QList<fb::Value> &values) {
  for (const fb::Value &value : values) std::visit(Packer{bytes_}, value.storage());
  bytes_.squeeze();  // held for long: no room to grow
}

qsizetype PackedRow::cellEnd(qsizetype offset) const {
  switch (Tag(bytes_[offset])) {
    case Null: return offset + 1;
    case ShortText: return offset + 2 + static_cast<unsigned char>(bytes_[offset + 1]);
    case LongText: return offset + 5 + read<std::uint32_t>(bytes_, offset + 1);
    case Decimal: return offset + 10;
    case Double:
    case Integer:
    case Moment: return offset + 9;
    case Boolean: return offset + 2;
  }
  return bytes_.size();
}

qsizetype PackedRow::offsetOf(int index) const {
  qsizetype offset = 0;
  for (int i = 0; i < index; ++i) offset = cellEnd(offset);
  return offset;
}

fb::Value PackedRow::cellAt(qsizetype offset) const {
  switch (Tag(bytes_[offset])) {
    case Null: return {};
    case ShortText: return win1252::decode(QByteArrayView(bytes_).sliced(offset + 2, static_cast<unsigned char>(bytes_[offset + 1])));
    case LongText: return win1252::decode(QByteArrayView(bytes_).sliced(offset + 5, read<std::uint32_t>(bytes_, offset + 1)));
    case Decimal: return fb::Decimal{read<std::int64_t>(bytes_, offset + 2), bytes_[offset + 1]};
    case Double: return read<double>(bytes_, offset + 1);
    case Integer: return read<std::int64_t>(bytes_, offset + 1);
    case Moment:
      return QDateTime(QDate::fromJulianDay(read<std::int32_t>(bytes_, offset + 1)),
                       QTime::fromMSecsSinceStartOfDay(read<std::int32_t>(bytes_, offset + 5)));
    case Boolean: return bytes_[offset + 1] != 0;
  }
  return {};
}

fb::Value PackedRow::value(int index) const { return cellAt(offsetOf(index)); }

QList<fb::Value> PackedRow::values() const {
  QList<fb::Value> values;
  for (qsizetype offset = 0; offset < bytes_.size(); offset = cellEnd(offset)) values << cellAt(offset);
  return values;
}

}  // namespace ds
