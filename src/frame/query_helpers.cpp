// The yes/no and single-value queries steps decide by, and the zero padder.
#include <cmath>

#include "frame/step_context.h"

namespace quenvatrix {

// True when the query yields at least one row. Errors end the calling step.
bool StepContext::RecordExists(std::string_view query) {
    std::unique_ptr<Recordset> rs = Open(query);
    const bool exists = !rs->IsEOF();
    rs->Close();
    return exists;
}

// The first field of the first row as text (Null gives the empty text), or
// Empty when the query yields no row. Errors end the calling step.
Value StepContext::GetScalarText(std::string_view query) {
    std::unique_ptr<Recordset> rs = Open(query);
    Value result;
    if (!rs->IsBOF()) result = Value(rs->Field(0).ToText());
    rs->Close();
    return result;
}

// The value written as a number, with "0" put in front until it is `width`
// characters long; a longer text stays as it is. Never fails: a value that is
// not a number leaves the text empty (and so all zeros), a width that is not a
// number leaves it unpadded. The pad counter is 16 bits wide, so at most 32767
// zeros are put in front.
std::string StepContext::PadZeroLeft(const Value& value, const Value& width) {
    std::string text;
    try {
        text = value.GetKind() == Value::Kind::Integer ? value.ToText() : Value(value.ToDouble()).ToText();
    } catch (const Error&) {
        text.clear();
    }
    try {
        const double missing = std::floor(width.ToDouble() - static_cast<double>(text.size()));
        if (missing >= 1) text.insert(0, static_cast<std::size_t>(std::min(missing, 32767.0)), '0');
    } catch (const Error&) {
    }
    ClearError();
    return text;
}

}  // namespace quenvatrix
