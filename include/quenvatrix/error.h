#pragma once

#include <stdexcept>
#include <string>

namespace quenvatrix {

// Every failure inside the component: a number and a description. A failing
// database statement carries the provider's message as its description.
class Error : public std::runtime_error {
public:
    Error(long number, const std::string& description)
        : std::runtime_error(description), number_(number), description_(description) {}

    long Number() const noexcept { return number_; }
    const std::string& Description() const noexcept { return description_; }

private:
    long number_;
    std::string description_;
};

// Error numbers the component raises itself (the provider's own numbers pass through).
namespace error_number {
inline constexpr long kProvider = -2147217900;      // a statement the provider refused
inline constexpr long kNoConnection = 91;           // no connection set
inline constexpr long kTypeMismatch = 13;           // a value that is not a number or date
inline constexpr long kOverflow = 6;                // arithmetic overflow
inline constexpr long kDivisionByZero = 11;
inline constexpr long kStepNotBuilt = -2147220991;  // a version whose step this build lacks
inline constexpr long kInvalidCall = 5;
}  // namespace error_number

}  // namespace quenvatrix
