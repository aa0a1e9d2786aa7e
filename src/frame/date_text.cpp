// The date texts steps write into statements.
#include "frame/step_context.h"

namespace quenvatrix {

namespace {

std::string TwoDigits(int n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); }

bool NullOrEmptyText(const Value& value) { return value.IsNull() || value.EqualsEmptyText(); }

}  // namespace

// yyyy-mm-dd; Null and the empty text give the empty text. A value that is not
// a date raises the conversion error.
std::string StepContext::GetDateStr(const Value& value) {
    if (NullOrEmptyText(value)) return {};
    const DateTime d = value.ToDate();
    return std::to_string(d.year) + "-" + TwoDigits(d.month) + "-" + TwoDigits(d.day);
}

// yyyy-mm-dd hh:nn:ss; Null and the empty text give the empty text.
std::string StepContext::GetDateTimeStr(const Value& value) {
    if (NullOrEmptyText(value)) return {};
    const DateTime d = value.ToDate();
    return GetDateStr(value) + " " + TwoDigits(d.hour) + ":" + TwoDigits(d.minute) + ":" + TwoDigits(d.second);
}

}  // namespace quenvatrix
