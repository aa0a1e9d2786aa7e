#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace quenvatrix {

// A calendar date and time of day, as the database hands it over.
struct DateTime {
    int year = 1899;
    int month = 12;
    int day = 30;
    int hour = 0;
    int minute = 0;
    int second = 0;

    friend bool operator==(const DateTime&, const DateTime&) = default;
};

// The variant value of a field or a parameter: Empty, Null, integer, double,
// text (UTF-8), date or boolean.
class Value {
public:
    enum class Kind { Empty, Null, Integer, Double, Text, Date, Boolean };

    Value() = default;
    static Value Null();
    Value(int v) : data_(static_cast<std::int64_t>(v)) {}
    Value(long v) : data_(static_cast<std::int64_t>(v)) {}
    Value(long long v) : data_(static_cast<std::int64_t>(v)) {}
    Value(double v) : data_(v) {}
    Value(bool v) : data_(v) {}
    Value(const char* v) : data_(std::string(v)) {}
    Value(std::string v) : data_(std::move(v)) {}
    Value(DateTime v) : data_(v) {}

    Kind GetKind() const;
    bool IsEmpty() const { return GetKind() == Kind::Empty; }
    bool IsNull() const { return GetKind() == Kind::Null; }

    // The value joined to the empty text: Empty and Null give "", numbers their
    // shortest decimal text, dates "yyyy-mm-dd hh:nn:ss" (the time left out at
    // midnight), booleans "True" or "False".
    std::string ToText() const;

    // The value as a number. Empty reads as 0; a numeric text is converted; Null,
    // a text that is not a number and a date raise a type-mismatch error.
    double ToDouble() const;

    // ToDouble rounded half to even into a 32-bit number (the platform's CLng);
    // out of range raises an overflow error.
    std::int32_t ToLong() const;

    // The date held, or a text read as yyyy-mm-dd[ hh:nn[:ss]]; anything else
    // raises a type-mismatch error.
    DateTime ToDate() const;

    // Equal to the empty text, as the platform's comparison with "" sees it.
    bool EqualsEmptyText() const;

    friend bool operator==(const Value&, const Value&) = default;

private:
    struct NullTag {
        friend bool operator==(NullTag, NullTag) = default;
    };
    std::variant<std::monostate, NullTag, std::int64_t, double, std::string, DateTime, bool> data_;
};

}  // namespace quenvatrix
