#include "quenvatrix/value.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "quenvatrix/error.h"

namespace quenvatrix {

namespace {

Error TypeMismatch() { return Error(error_number::kTypeMismatch, "类型不匹配"); }

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

// Up to 15 significant digits without trailing zeros; E notation only for very
// large or very small magnitudes.
std::string NumberText(double v) {
    if (v == 0) return "0";
    char buffer[64];
    const double magnitude = std::fabs(v);
    if (magnitude >= 1e15 || magnitude < 1e-15) {
        std::snprintf(buffer, sizeof buffer, "%.14E", v);
        std::string text = buffer;
        const auto e = text.find('E');
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        if (mantissa.find('.') != std::string::npos) {
            mantissa.erase(mantissa.find_last_not_of('0') + 1);
            if (mantissa.back() == '.') mantissa.pop_back();
        }
        const char sign = exponent.front();
        exponent.erase(0, 1);
        exponent.erase(0, std::min(exponent.find_first_not_of('0'), exponent.size() - 1));
        return mantissa + "E" + sign + exponent;
    }
    std::snprintf(buffer, sizeof buffer, "%.15G", v);
    std::string text = buffer;
    if (text.find('E') != std::string::npos) {
        // %G chose E notation for a small number: write it out in full.
        std::snprintf(buffer, sizeof buffer, "%.*f", 15 + static_cast<int>(-std::floor(std::log10(magnitude))), v);
        text = buffer;
    }
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    return text;
}

bool ParseNumber(const std::string& raw, double& out) {
    const std::string text = TrimBlanks(raw);
    // strtod also reads C's hexadecimal forms (0x10, 0x1p3); to the system
    // such a text is not a number.
    if (text.empty() || text.find_first_of("xX") != std::string::npos) return false;
    errno = 0;
    char* end = nullptr;
    out = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size()) return false;
    if (errno == ERANGE && std::isinf(out)) throw Error(error_number::kOverflow, "溢出");
    return std::isfinite(out);
}

bool ParseDate(const std::string& raw, DateTime& out) {
    const std::string text = TrimBlanks(raw);
    DateTime d{};
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%d-%d-%d%n", &d.year, &d.month, &d.day, &consumed) != 3) return false;
    std::string rest = TrimBlanks(text.substr(consumed));
    if (!rest.empty()) {
        int used = 0;
        const int fields = std::sscanf(rest.c_str(), "%d:%d:%d%n", &d.hour, &d.minute, &d.second, &used);
        if (fields == 2) {
            d.second = 0;
            used = 0;
            std::sscanf(rest.c_str(), "%d:%d%n", &d.hour, &d.minute, &used);
        }
        if (fields < 2 || used != static_cast<int>(rest.size())) return false;
    }
    if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > 31 || d.hour > 23 || d.minute > 59 || d.second > 59) {
        return false;
    }
    out = d;
    return true;
}

}  // namespace

Value Value::Null() {
    Value v;
    v.data_ = NullTag{};
    return v;
}

Value::Kind Value::GetKind() const { return static_cast<Kind>(data_.index()); }

std::string Value::ToText() const {
    switch (GetKind()) {
        case Kind::Empty:
        case Kind::Null:
            return {};
        case Kind::Integer:
            return std::to_string(std::get<std::int64_t>(data_));
        case Kind::Double:
            return NumberText(std::get<double>(data_));
        case Kind::Text:
            return std::get<std::string>(data_);
        case Kind::Date: {
            const DateTime& d = std::get<DateTime>(data_);
            std::string text = std::to_string(d.year) + "-" + TwoDigits(d.month) + "-" + TwoDigits(d.day);
            if (d.hour != 0 || d.minute != 0 || d.second != 0) {
                text += " " + TwoDigits(d.hour) + ":" + TwoDigits(d.minute) + ":" + TwoDigits(d.second);
            }
            return text;
        }
        case Kind::Boolean:
            return std::get<bool>(data_) ? "True" : "False";
    }
    return {};
}

double Value::ToDouble() const {
    switch (GetKind()) {
        case Kind::Empty:
            return 0;
        case Kind::Integer:
            return static_cast<double>(std::get<std::int64_t>(data_));
        case Kind::Double:
            return std::get<double>(data_);
        case Kind::Boolean:
            return std::get<bool>(data_) ? -1 : 0;
        case Kind::Text: {
            double number = 0;
            if (ParseNumber(std::get<std::string>(data_), number)) return number;
            throw TypeMismatch();
        }
        case Kind::Null:
        case Kind::Date:
            break;
    }
    throw TypeMismatch();
}

std::int32_t Value::ToLong() const {
    const double rounded = std::nearbyint(ToDouble());
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) throw Error(error_number::kOverflow, "溢出");
    return static_cast<std::int32_t>(rounded);
}

DateTime Value::ToDate() const {
    if (GetKind() == Kind::Date) return std::get<DateTime>(data_);
    if (GetKind() == Kind::Text) {
        DateTime d;
        if (ParseDate(std::get<std::string>(data_), d)) return d;
    }
    throw TypeMismatch();
}

bool Value::EqualsEmptyText() const {
    switch (GetKind()) {
        case Kind::Empty:
            return true;
        case Kind::Text:
            return std::get<std::string>(data_).empty();
        default:
            return false;
    }
}

}  // namespace quenvatrix
