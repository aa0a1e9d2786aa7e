// Rounding half up to a number of decimals.
#include <cmath>

#include "quenvatrix/cls_update.h"

namespace quenvatrix {

namespace {

Error Overflow() { return Error(error_number::kOverflow, "溢出"); }

}  // namespace

// x2 * 10^DP + 0.50000001, floored, divided by 10^DP. The extra 0.00000001
// absorbs the representation error of decimal fractions (1.005 rounds to 1.01);
// halves go toward plus infinity (-2.5 gives -2). Null or a text that is not a
// number raises the conversion error; a floating-point fault raises overflow
// or division by zero.
double clsUpdate::RoundEx(const Value& x2, std::int16_t DP) {
    const double p = std::pow(10.0, static_cast<double>(DP));
    if (!std::isfinite(p)) throw Overflow();
    const double scaled = x2.ToDouble() * p + 0.50000001;
    if (!std::isfinite(scaled)) throw Overflow();
    const double whole = std::floor(scaled);
    if (p == 0) {
        if (whole == 0) throw Overflow();
        throw Error(error_number::kDivisionByZero, "除数为零");
    }
    const double result = whole / p;
    if (!std::isfinite(result)) throw Overflow();
    return result;
}

// An amount rounded to two decimals.
double clsUpdate::DoYPJE(double& vSource) { return RoundEx(Value(vSource), 2); }

}  // namespace quenvatrix
