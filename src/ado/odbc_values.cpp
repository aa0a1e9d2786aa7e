#include "ado/odbc_values.h"

#include <charconv>
#include <chrono>
#include <cstdint>
#include <string>

#include "quenvatrix/error.h"

namespace quenvatrix::odbc {

Value DecimalFromText(std::string_view text, int scale) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    std::string_view digits = text;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    const char* const end = digits.data() + digits.size();
    if (scale == 0) {
        std::int64_t whole = 0;
        const auto result = std::from_chars(digits.data(), end, whole);
        if (result.ec == std::errc() && result.ptr == end) return Value(static_cast<long long>(whole));
    }
    double value = 0;
    const auto result = std::from_chars(digits.data(), end, value);
    if (digits.empty() || result.ec != std::errc() || result.ptr != end) {
        throw Error(error_number::kProvider, "驱动程序返回的数值无法识别：" + std::string(text));
    }
    return Value(value);
}

double WidenSingle(float value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    double wide = value;
    std::from_chars(text, written.ptr, wide);
    return wide;
}

DateTime RoundToSecond(int year, int month, int day, int hour, int minute, int second, unsigned long fraction) {
    using namespace std::chrono;
    const year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                              std::chrono::day{static_cast<unsigned>(day)}};
    sys_seconds moment = sys_days{date} + hours{hour} + minutes{minute} + seconds{second};
    if (fraction >= 500'000'000UL) moment += seconds{1};
    const sys_days midnight = floor<days>(moment);
    const year_month_day rounded{midnight};
    const hh_mm_ss<seconds> time{moment - midnight};
    DateTime result;
    result.year = static_cast<int>(rounded.year());
    result.month = static_cast<int>(static_cast<unsigned>(rounded.month()));
    result.day = static_cast<int>(static_cast<unsigned>(rounded.day()));
    result.hour = static_cast<int>(time.hours().count());
    result.minute = static_cast<int>(time.minutes().count());
    result.second = static_cast<int>(time.seconds().count());
    return result;
}

}  // namespace quenvatrix::odbc
