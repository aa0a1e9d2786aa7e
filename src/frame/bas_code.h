#pragma once

#include <cstdint>
#include <string_view>

#include "quenvatrix/connection.h"
#include "quenvatrix/value.h"

// Running numbers from the one-row table D编号列表, one int column per kind.
namespace quenvatrix::basCode {

// Takes the next number of a kind (a column of D编号列表): reads the column
// plus 1 (1 when it is NULL), then increments the column, as two statements
// without a transaction. An empty table reads as a NULL text, which is not a
// number: the call fails and nothing is incremented. Errors reach the caller.
std::int32_t GetNextNumber(Connection& connection, std::string_view kind);

// The first field of the first row as text (Null gives the empty text), or
// Empty when the query yields no row. Errors reach the caller.
Value GetScalarValue(Connection& connection, std::string_view query);

}  // namespace quenvatrix::basCode
