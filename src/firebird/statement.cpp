#include "statement.h"

#include "connection.h"
#include "database_error.h"
#include "win1252.h"

#include <cstring>
#include <vector>

namespace fb {
namespace {

// Days between the server's date origin (1858-11-17) and the Julian day origin.
constexpr qint64 kJulianDayOfServerEpoch = 2400001;
constexpr int kTimeUnitsPerMillisecond = 10;

struct DescriptorArea {
  std::vector<char> memory;
  std::vector<std::vector<char>> data;
  std::vector<short> nulls;

  explicit DescriptorArea(int count) : memory(XSQLDA_LENGTH(std::max(count, 1))) {
    area()->version = SQLDA_VERSION1;
    area()->sqln = short(std::max(count, 1));
  }
  XSQLDA *area() { return reinterpret_cast<XSQLDA *>(memory.data()); }
  XSQLVAR &var(int i) { return area()->sqlvar[i]; }
  int count() { return area()->sqld; }
};

std::int64_t readInteger(const XSQLVAR &v) {
  switch (v.sqltype & ~1) {
    case SQL_SHORT: { std::int16_t x; std::memcpy(&x, v.sqldata, sizeof x); return x; }
    case SQL_LONG: { std::int32_t x; std::memcpy(&x, v.sqldata, sizeof x); return x; }
    default: { std::int64_t x; std::memcpy(&x, v.sqldata, sizeof x); return x; }
  }
}

ISC_TIMESTAMP toServerTimestamp(const QDateTime &moment) {
  ISC_TIMESTAMP stamp;
  stamp.timestamp_date = ISC_DATE(moment.date().toJulianDay() - kJulianDayOfServerEpoch);
  stamp.timestamp_time = ISC_TIME(moment.time().msecsSinceStartOfDay()) * kTimeUnitsPerMillisecond;
  return stamp;
}

QDate fromServerDate(ISC_DATE date) { return QDate::fromJulianDay(qint64(date) + kJulianDayOfServerEpoch); }
QTime fromServerTime(ISC_TIME time) { return QTime::fromMSecsSinceStartOfDay(int(time / kTimeUnitsPerMillisecond)); }

ColumnType columnTypeOf(const XSQLVAR &v) {
  switch (v.sqltype & ~1) {
    case SQL_TEXT:
    case SQL_VARYING: return ColumnType::Text;
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64: return v.sqlscale < 0 ? ColumnType::Decimal : ColumnType::Integer;
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return ColumnType::Double;
    case SQL_TIMESTAMP: return ColumnType::Timestamp;
    case SQL_TYPE_DATE: return ColumnType::Date;
    case SQL_TYPE_TIME: return ColumnType::Time;
    case SQL_BLOB: return ColumnType::Blob;
    case SQL_BOOLEAN: return ColumnType::Boolean;
    default: throw EDatabaseError(QStringLiteral("Unsupported column type %1").arg(v.sqltype & ~1));
  }
}

QString nameOf(const char *text, short length) { return win1252::decode(QByteArrayView(text, length)); }

}  // namespace

struct Statement::Buffers {
  DescriptorArea output{1};
  DescriptorArea input{1};
  std::vector<std::vector<char>> inputData;
  std::vector<short> describedInputTypes;
};

Statement::Statement(Connection &connection, isc_tr_handle *transaction, const QString &sql)
    : connection_(connection), library_(connection.library()), transaction_(transaction),
      buffers_(std::make_unique<Buffers>()) {
  ISC_STATUS_ARRAY status{};
  library_.allocateStatement(status, connection_.handle(), &handle_);
  library_.check(status);

  bool representable = true;
  const QByteArray text = win1252::encode(sql, &representable);
  if (!representable)
    throw EDatabaseError(QStringLiteral("The statement holds characters that the database cannot store"));
  library_.prepare(status, transaction_, &handle_, 0, text.constData(), SQL_DIALECT_V6, buffers_->output.area());
  library_.check(status);

  // Describe again with room for every column the statement answers.
  const int columns = buffers_->output.area()->sqld;
  if (columns > buffers_->output.area()->sqln) {
    buffers_->output = DescriptorArea(columns);
    library_.prepare(status, transaction_, &handle_, 0, text.constData(), SQL_DIALECT_V6, buffers_->output.area());
    library_.check(status);
  }
  DescriptorArea &out = buffers_->output;
  out.data.resize(out.count());
  out.nulls.assign(out.count(), 0);
  for (int i = 0; i < out.count(); ++i) {
    XSQLVAR &v = out.var(i);
    const int size = (v.sqltype & ~1) == SQL_VARYING ? v.sqllen + 2 : v.sqllen;
    out.data[i].assign(std::max(size, 1), 0);
    v.sqldata = out.data[i].data();
    v.sqlind = &out.nulls[i];
  }
}

Statement::~Statement() {
  ISC_STATUS_ARRAY status{};
  if (handle_) library_.freeStatement(status, &handle_, DSQL_drop);
}

int Statement::statementType() {
  const char items[] = {isc_info_sql_stmt_type};
  char answer[16] = {};
  ISC_STATUS_ARRAY status{};
  library_.sqlInfo(status, &handle_, sizeof items, items, sizeof answer, answer);
  library_.check(status);
  if (answer[0] != isc_info_sql_stmt_type) return 0;
  const int length = std::uint8_t(answer[1]) | std::uint8_t(answer[2]) << 8;
  int type = 0;
  for (int i = 0; i < length && i < 4; ++i) type |= std::uint8_t(answer[3 + i]) << (8 * i);
  return type;
}

bool Statement::returnsRows() {
  if (type_ < 0) type_ = statementType();
  return buffers_->output.area()->sqld > 0 && type_ == isc_info_sql_stmt_select;
}

void Statement::describeParameters() {
  ISC_STATUS_ARRAY status{};
  DescriptorArea &in = buffers_->input;
  library_.describeBind(status, &handle_, SQL_DIALECT_V6, in.area());
  library_.check(status);
  if (in.count() > in.area()->sqln) {
    in = DescriptorArea(in.count());
    library_.describeBind(status, &handle_, SQL_DIALECT_V6, in.area());
    library_.check(status);
  }
  for (int i = 0; i < in.count(); ++i) buffers_->describedInputTypes.push_back(in.var(i).sqltype);
  parametersDescribed_ = true;
}

void Statement::bindParameters(const std::vector<Value> &parameters) {
  if (!parametersDescribed_) describeParameters();
  DescriptorArea &in = buffers_->input;
  if (std::size_t(in.count()) != parameters.size())
    throw EDatabaseError(QStringLiteral("The statement takes %1 parameters, %2 were given")
                             .arg(in.count()).arg(parameters.size()));

  buffers_->inputData.assign(parameters.size(), {});
  in.nulls.assign(parameters.size(), 0);
  for (std::size_t i = 0; i < parameters.size(); ++i) {
    XSQLVAR &v = in.var(int(i));
    v.sqltype = buffers_->describedInputTypes[i];  // an earlier run may have changed it
    std::vector<char> &data = buffers_->inputData[i];
    const bool blobTarget = (v.sqltype & ~1) == SQL_BLOB;
    auto store = [&](const void *bytes, std::size_t size, short type, short scale = 0) {
      data.assign(static_cast<const char *>(bytes), static_cast<const char *>(bytes) + size);
      v.sqltype = short(type | 1);
      v.sqlscale = scale;
      v.sqllen = short(size);
    };
    v.sqlind = &in.nulls[i];
    const Value::Storage &value = parameters[i].storage();
    if (std::holds_alternative<std::monostate>(value)) {
      in.nulls[i] = -1;
      v.sqltype |= 1;
      data.assign(std::max<int>(v.sqllen, 8), 0);
    } else if (blobTarget) {
      const ISC_QUAD id = writeBlob(win1252::encode(parameters[i].toString()));
      store(&id, sizeof id, SQL_BLOB);
    } else if (auto *text = std::get_if<QString>(&value)) {
      bool representable = true;
      const QByteArray bytes = win1252::encode(*text, &representable);
      if (!representable)
        throw EDatabaseError(QStringLiteral("The text \"%1\" holds characters that the database cannot store").arg(*text));
      store(bytes.constData(), bytes.size(), SQL_TEXT);
    } else if (auto *decimal = std::get_if<Decimal>(&value)) {
      store(&decimal->units, sizeof decimal->units, SQL_INT64, short(-decimal->scale));
    } else if (auto *number = std::get_if<double>(&value)) {
      store(number, sizeof *number, SQL_DOUBLE);
    } else if (auto *integer = std::get_if<std::int64_t>(&value)) {
      store(integer, sizeof *integer, SQL_INT64);
    } else if (auto *moment = std::get_if<QDateTime>(&value)) {
      const ISC_TIMESTAMP stamp = toServerTimestamp(*moment);
      store(&stamp, sizeof stamp, SQL_TIMESTAMP);
    } else if (auto *flag = std::get_if<bool>(&value)) {
      const char byte = *flag ? 1 : 0;
      store(&byte, 1, SQL_BOOLEAN);
    }
    if (data.empty()) data.assign(1, 0);  // an empty text still needs an address
    v.sqldata = data.data();
  }
}

void Statement::execute(const std::vector<Value> &parameters) {
  bindParameters(parameters);
  ISC_STATUS_ARRAY status{};
  XSQLDA *input = buffers_->input.count() > 0 ? buffers_->input.area() : nullptr;
  library_.execute2(status, transaction_, &handle_, SQL_DIALECT_V6, input, nullptr);
  library_.check(status);
}

ResultSet Statement::fetchAll() {
  ResultSet result;
  DescriptorArea &out = buffers_->output;
  for (int i = 0; i < out.count(); ++i) {
    const XSQLVAR &v = out.var(i);
    Column column;
    column.name = nameOf(v.aliasname, v.aliasname_length);
    column.field = nameOf(v.sqlname, v.sqlname_length);
    column.relation = nameOf(v.relname, v.relname_length);
    column.type = columnTypeOf(v);
    column.length = column.type == ColumnType::Text ? v.sqllen : 0;
    column.scale = -v.sqlscale;
    column.nullable = v.sqltype & 1;
    result.columns << column;
  }
  ISC_STATUS_ARRAY status{};
  for (;;) {
    const ISC_STATUS code = library_.fetch(status, &handle_, SQL_DIALECT_V6, out.area());
    if (code == 100) break;
    library_.check(status);
    QList<Value> row;
    row.reserve(out.count());
    for (int i = 0; i < out.count(); ++i) row << readCell(i);
    result.rows << std::move(row);
  }
  library_.freeStatement(status, &handle_, DSQL_close);
  library_.check(status);
  return result;
}

Value Statement::readCell(int index) {
  const XSQLVAR &v = buffers_->output.var(index);
  if ((v.sqltype & 1) && *v.sqlind < 0) return {};
  switch (v.sqltype & ~1) {
    case SQL_TEXT:  // fixed-width text keeps its trailing blanks
      return win1252::decode(QByteArrayView(v.sqldata, v.sqllen));
    case SQL_VARYING: {
      std::uint16_t length;
      std::memcpy(&length, v.sqldata, sizeof length);
      return win1252::decode(QByteArrayView(v.sqldata + 2, length));
    }
    case SQL_SHORT:
    case SQL_LONG:
    case SQL_INT64:
      if (v.sqlscale < 0) return Decimal{readInteger(v), -v.sqlscale};
      return readInteger(v);
    case SQL_FLOAT: { float x; std::memcpy(&x, v.sqldata, sizeof x); return double(x); }
    case SQL_DOUBLE:
    case SQL_D_FLOAT: { double x; std::memcpy(&x, v.sqldata, sizeof x); return x; }
    case SQL_TIMESTAMP: {
      ISC_TIMESTAMP stamp;
      std::memcpy(&stamp, v.sqldata, sizeof stamp);
      return QDateTime(fromServerDate(stamp.timestamp_date), fromServerTime(stamp.timestamp_time));
    }
    case SQL_TYPE_DATE: {
      ISC_DATE date;
      std::memcpy(&date, v.sqldata, sizeof date);
      return QDateTime(fromServerDate(date), QTime(0, 0));
    }
    case SQL_TYPE_TIME: {
      ISC_TIME time;
      std::memcpy(&time, v.sqldata, sizeof time);
      return QDateTime(QDate(1899, 12, 30), fromServerTime(time));
    }
    case SQL_BLOB: {
      ISC_QUAD id;
      std::memcpy(&id, v.sqldata, sizeof id);
      return readBlob(id);
    }
    case SQL_BOOLEAN: return bool(v.sqldata[0]);
  }
  throw EDatabaseError(QStringLiteral("Unsupported column type %1").arg(v.sqltype & ~1));
}

QString Statement::readBlob(ISC_QUAD id) {
  ISC_STATUS_ARRAY status{};
  isc_blob_handle blob = 0;
  library_.openBlob(status, connection_.handle(), transaction_, &blob, &id, 0, nullptr);
  library_.check(status);
  QByteArray bytes;
  char segment[32768];
  for (;;) {
    unsigned short length = 0;
    const ISC_STATUS code = library_.getSegment(status, &blob, &length, sizeof segment, segment);
    if (code != 0 && code != isc_segment) break;  // isc_segstr_eof ends the blob
    bytes.append(segment, length);
  }
  const bool ended = status[1] == isc_segstr_eof;
  ISC_STATUS_ARRAY closeStatus{};
  library_.closeBlob(closeStatus, &blob);
  if (!ended) library_.check(status);
  library_.check(closeStatus);
  return win1252::decode(bytes);
}

ISC_QUAD Statement::writeBlob(const QByteArray &bytes) {
  ISC_STATUS_ARRAY status{};
  isc_blob_handle blob = 0;
  ISC_QUAD id{};
  library_.createBlob(status, connection_.handle(), transaction_, &blob, &id, 0, nullptr);
  library_.check(status);
  constexpr qsizetype kSegment = 32768;
  for (qsizetype offset = 0; offset < bytes.size(); offset += kSegment) {
    const qsizetype length = std::min(kSegment, bytes.size() - offset);
    library_.putSegment(status, &blob, static_cast<unsigned short>(length), bytes.constData() + offset);
    library_.check(status);
  }
  library_.closeBlob(status, &blob);
  library_.check(status);
  return id;
}

long long Statement::rowsAffected() {
  const char items[] = {isc_info_sql_records};
  char answer[64] = {};
  ISC_STATUS_ARRAY status{};
  library_.sqlInfo(status, &handle_, sizeof items, items, sizeof answer, answer);
  library_.check(status);
  if (answer[0] != isc_info_sql_records) return 0;
  long long affected = 0;
  // Items after the 3-byte header: code, 2-byte length, little-endian count.
  for (int pos = 3; pos < int(sizeof answer) && answer[pos] != isc_info_end;) {
    const char item = answer[pos];
    const int length = std::uint8_t(answer[pos + 1]) | std::uint8_t(answer[pos + 2]) << 8;
    long long count = 0;
    for (int i = 0; i < length && i < 8; ++i) count |= (long long)std::uint8_t(answer[pos + 3 + i]) << (8 * i);
    if (item == isc_info_req_insert_count || item == isc_info_req_update_count || item == isc_info_req_delete_count)
      affected += count;
    pos += 3 + length;
  }
  return affected;
}

}  // namespace fb
