#pragma once

#include <string_view>

#include "quenvatrix/value.h"

namespace quenvatrix::odbc {

// A decimal, numeric or money value from the driver's text of it ("-12.3500"):
// the nearest double; a whole number of a column without decimals (scale 0)
// stays an integer while it fits in 64 bits, so that large keys keep every
// digit. Text that is not a number raises an error.
Value DecimalFromText(std::string_view text, int scale);

// A single-precision value widened through its shortest decimal text, so
// that 0.1 stays 0.1 rather than becoming 0.100000001490116.
double WidenSingle(float value);

// A timestamp to the second: a fraction (in nanoseconds) of half a second or
// more rounds up, carrying into the minute, hour, day, month and year.
DateTime RoundToSecond(int year, int month, int day, int hour, int minute, int second, unsigned long fraction);

}  // namespace quenvatrix::odbc
