#include "ado/odbc_recordset.h"

#include <algorithm>
#include <cstring>

#include "ado/odbc_values.h"

namespace quenvatrix::odbc {

namespace {

Error NoCurrentRow() {
    return Error(3021, "BOF 或 EOF 中有一个是“真”，或者当前的记录已被删除，所需的操作要求一个当前的记录。");
}

// How a column's values are fetched, chosen from its SQL type.
enum class Reading { Integer, Double, Single, Decimal, Bit, Timestamp, Time, Text };

Reading ReadingFor(SQLSMALLINT sqlType) {
    switch (sqlType) {
        case SQL_TINYINT:
        case SQL_SMALLINT:
        case SQL_INTEGER:
        case SQL_BIGINT:
            return Reading::Integer;
        case SQL_FLOAT:
        case SQL_DOUBLE:
            return Reading::Double;
        case SQL_REAL:
            return Reading::Single;
        case SQL_DECIMAL:
        case SQL_NUMERIC:
            return Reading::Decimal;
        case SQL_BIT:
            return Reading::Bit;
        case SQL_TYPE_DATE:
        case SQL_TYPE_TIMESTAMP:
        case SQL_DATETIME:  // also SQL_DATE, the ODBC 2 date type
        case SQL_TIMESTAMP:
            return Reading::Timestamp;
        case SQL_TYPE_TIME:
        case SQL_TIME:
            return Reading::Time;
        default:
            // Character, GUID, binary (as hexadecimal digits) and any other
            // type: the driver's text of the value.
            return Reading::Text;
    }
}

struct Column {
    std::string name;
    Reading reading;
    SQLSMALLINT scale;
};

Column Describe(const Handle& statement, SQLUSMALLINT number) {
    std::vector<SQLWCHAR> name(256);
    SQLSMALLINT nameLength = 0;
    SQLSMALLINT sqlType = 0;
    SQLULEN size = 0;
    SQLSMALLINT scale = 0;
    SQLSMALLINT nullable = 0;
    SQLRETURN rc = SQLDescribeColW(statement.Get(), number, name.data(), static_cast<SQLSMALLINT>(name.size()),
                                   &nameLength, &sqlType, &size, &scale, &nullable);
    Check(rc, statement, "SQLDescribeColW");
    if (nameLength >= static_cast<SQLSMALLINT>(name.size())) {
        name.resize(static_cast<std::size_t>(nameLength) + 1);
        rc = SQLDescribeColW(statement.Get(), number, name.data(), static_cast<SQLSMALLINT>(name.size()), &nameLength,
                             &sqlType, &size, &scale, &nullable);
        Check(rc, statement, "SQLDescribeColW");
    }
    const std::size_t length = std::min<std::size_t>(static_cast<std::size_t>(nameLength), name.size() - 1);
    return Column{NarrowTerminated(name.data(), length), ReadingFor(sqlType), scale};
}

// Fetches a fixed-size value; false when it is NULL.
template <typename T>
bool GetFixed(const Handle& statement, SQLUSMALLINT number, SQLSMALLINT cType, T& out) {
    SQLLEN indicator = 0;
    Check(SQLGetData(statement.Get(), number, cType, &out, sizeof out, &indicator), statement, "SQLGetData");
    return indicator != SQL_NULL_DATA;
}

// Fetches a value as wide text, in chunks for long values; false when NULL.
bool GetWideText(const Handle& statement, SQLUSMALLINT number, std::string& out) {
    std::vector<SQLWCHAR> buffer(4096);
    const auto bufferBytes = static_cast<SQLLEN>(buffer.size() * sizeof(SQLWCHAR));
    std::vector<SQLWCHAR> text;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement.Get(), number, SQL_C_WCHAR, buffer.data(), bufferBytes, &indicator);
        if (rc == SQL_NO_DATA) break;  // the last chunk was read before
        Check(rc, statement, "SQLGetData");
        if (indicator == SQL_NULL_DATA) return false;
        // A chunk that did not fit fills the buffer but for its terminator.
        const bool truncated = rc == SQL_SUCCESS_WITH_INFO && (indicator == SQL_NO_TOTAL || indicator >= bufferBytes);
        const std::size_t units =
            truncated ? buffer.size() - 1 : static_cast<std::size_t>(indicator) / sizeof(SQLWCHAR);
        text.insert(text.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(units));
        if (!truncated) break;
    }
    out = Narrow(text.data(), text.size());
    return true;
}

// A decimal, numeric or money value, fetched as the driver's text of it so
// that the nearest double is found here rather than by each driver's own
// conversion.
Value GetDecimal(const Handle& statement, SQLUSMALLINT number, SQLSMALLINT scale) {
    char buffer[128] = {};
    SQLLEN indicator = 0;
    Check(SQLGetData(statement.Get(), number, SQL_C_CHAR, buffer, sizeof buffer, &indicator), statement, "SQLGetData");
    if (indicator == SQL_NULL_DATA) return Value::Null();
    return DecimalFromText(std::string_view(buffer, std::strlen(buffer)), scale);
}

Value GetSingle(const Handle& statement, SQLUSMALLINT number) {
    float single = 0;
    if (!GetFixed(statement, number, SQL_C_FLOAT, single)) return Value::Null();
    return Value(WidenSingle(single));
}

Value GetTimestamp(const Handle& statement, SQLUSMALLINT number) {
    SQL_TIMESTAMP_STRUCT stamp{};
    if (!GetFixed(statement, number, SQL_C_TYPE_TIMESTAMP, stamp)) return Value::Null();
    return Value(RoundToSecond(stamp.year, stamp.month, stamp.day, stamp.hour, stamp.minute, stamp.second,
                               static_cast<unsigned long>(stamp.fraction)));
}

// A time of day, on the zero date 1899-12-30 as the platform holds it.
Value GetTime(const Handle& statement, SQLUSMALLINT number) {
    SQL_TIME_STRUCT time{};
    if (!GetFixed(statement, number, SQL_C_TYPE_TIME, time)) return Value::Null();
    DateTime result;
    result.hour = time.hour;
    result.minute = time.minute;
    result.second = time.second;
    return Value(result);
}

Value GetValue(const Handle& statement, SQLUSMALLINT number, const Column& column) {
    switch (column.reading) {
        case Reading::Integer: {
            SQLBIGINT value = 0;
            if (!GetFixed(statement, number, SQL_C_SBIGINT, value)) return Value::Null();
            return Value(static_cast<long long>(value));
        }
        case Reading::Double: {
            double value = 0;
            if (!GetFixed(statement, number, SQL_C_DOUBLE, value)) return Value::Null();
            return Value(value);
        }
        case Reading::Single:
            return GetSingle(statement, number);
        case Reading::Decimal:
            return GetDecimal(statement, number, column.scale);
        case Reading::Bit: {
            unsigned char value = 0;
            if (!GetFixed(statement, number, SQL_C_BIT, value)) return Value::Null();
            return Value(value != 0);
        }
        case Reading::Timestamp:
            return GetTimestamp(statement, number);
        case Reading::Time:
            return GetTime(statement, number);
        case Reading::Text: {
            std::string text;
            if (!GetWideText(statement, number, text)) return Value::Null();
            return Value(std::move(text));
        }
    }
    return Value::Null();
}

SQLSMALLINT ColumnCount(const Handle& statement) {
    SQLSMALLINT count = 0;
    Check(SQLNumResultCols(statement.Get(), &count), statement, "SQLNumResultCols");
    return count;
}

// Moves to the next result; false when there is none.
bool NextResult(const Handle& statement) {
    const SQLRETURN rc = SQLMoreResults(statement.Get());
    if (rc == SQL_NO_DATA) return false;
    Check(rc, statement, "SQLMoreResults");
    return true;
}

}  // namespace

RowsRecordset::RowsRecordset(std::vector<std::string> fields, std::vector<std::vector<Value>> rows)
    : fields_(std::move(fields)), rows_(std::move(rows)) {}

void RowsRecordset::RequireOpen() const {
    if (closed_) throw Error(3704, "对象关闭时，不允许操作。");
}

bool RowsRecordset::IsEOF() const {
    RequireOpen();
    return position_ >= rows_.size();
}

bool RowsRecordset::IsBOF() const {
    RequireOpen();
    return rows_.empty();
}

std::size_t RowsRecordset::FieldCount() const {
    RequireOpen();
    return fields_.size();
}

std::string RowsRecordset::FieldName(std::size_t index) const {
    RequireOpen();
    if (index >= fields_.size()) {
        throw Error(3265, "在对应所需名称或序数的集合中，未找到项目：" + std::to_string(index));
    }
    return fields_[index];
}

Value RowsRecordset::Field(std::size_t index) const {
    RequireOpen();
    if (index >= fields_.size()) {
        throw Error(3265, "在对应所需名称或序数的集合中，未找到项目：" + std::to_string(index));
    }
    if (position_ >= rows_.size()) throw NoCurrentRow();
    return rows_[position_][index];
}

void RowsRecordset::MoveNext() {
    RequireOpen();
    if (position_ >= rows_.size()) throw NoCurrentRow();
    ++position_;
}

void RowsRecordset::Close() {
    closed_ = true;
    rows_.clear();
}

std::unique_ptr<Recordset> ReadResult(const Handle& statement) {
    SQLSMALLINT count = ColumnCount(statement);
    while (count == 0) {
        if (!NextResult(statement)) return std::make_unique<RowsRecordset>(std::vector<std::string>{}, std::vector<std::vector<Value>>{});
        count = ColumnCount(statement);
    }
    std::vector<Column> columns;
    std::vector<std::string> names;
    for (SQLUSMALLINT number = 1; number <= static_cast<SQLUSMALLINT>(count); ++number) {
        columns.push_back(Describe(statement, number));
        names.push_back(columns.back().name);
    }
    std::vector<std::vector<Value>> rows;
    for (;;) {
        const SQLRETURN rc = SQLFetch(statement.Get());
        if (rc == SQL_NO_DATA) break;
        Check(rc, statement, "SQLFetch");
        std::vector<Value> row;
        row.reserve(columns.size());
        for (SQLUSMALLINT number = 1; number <= static_cast<SQLUSMALLINT>(count); ++number) {
            row.push_back(GetValue(statement, number, columns[number - 1]));
        }
        rows.push_back(std::move(row));
    }
    DrainResults(statement);
    return std::make_unique<RowsRecordset>(std::move(names), std::move(rows));
}

void DrainResults(const Handle& statement) {
    while (NextResult(statement)) {
    }
}

}  // namespace quenvatrix::odbc
