// The stored form of an operator's password.
#include <optional>

#include "frame/code_page.h"
#include "quenvatrix/cls_update.h"

namespace quenvatrix {

namespace {

const char* const kEmptyPassword = "EMPTYPW";
const char* const kLockFailed = "&%!*^#(~$^!&*%+#!)";
constexpr std::size_t kMaxLength = 32;
constexpr std::size_t kLongestText = 32766;  // the counters are 16 bits wide

// One symbol for each decimal digit 0-9. Stored passwords are compared with
// texts scrambled by this table, so it must never change.
constexpr char kSymbols[10] = {'T', '4', 'k', 'W', '8', 'b', 'R', '1', 'y', 'F'};

// For each character at 1-based position i: its ANSI code plus i, in 16-bit
// arithmetic, written in decimal. None on an overflow.
std::optional<std::string> DigitString(std::string_view text) {
    const std::u16string units = codepage::Utf16FromUtf8(text);
    if (units.size() > kLongestText) return std::nullopt;
    std::string digits;
    for (std::size_t i = 1; i <= units.size(); ++i) {
        const int sum = codepage::AnsiCode(units[i - 1]) + static_cast<int>(i);
        if (sum > 32767 || sum < -32768) return std::nullopt;
        digits += std::to_string(sum);
    }
    return digits;
}

// The symbols of the digits; none when a character is not a digit (the minus
// sign of a negative sum) or the string is too long for the counter.
bool AppendSymbols(const std::string& digits, std::string& scrambled) {
    if (digits.size() > kLongestText) return false;
    for (char c : digits) {
        if (c < '0' || c > '9') return false;
        scrambled += kSymbols[c - '0'];
    }
    return true;
}

std::string Scramble(const std::string& vNo, const std::string& vPass) {
    const std::optional<std::string> first = DigitString(vNo);
    if (!first) return kLockFailed;
    const std::optional<std::string> second = DigitString(vPass);
    if (!second) return kLockFailed;
    std::string scrambled;
    if (!AppendSymbols(*first, scrambled) || !AppendSymbols(*second, scrambled)) return kLockFailed;
    if (scrambled.size() > kMaxLength) scrambled.resize(kMaxLength);
    return scrambled;
}

}  // namespace

// The scrambled password: the symbols of the login number's digit string, then
// of the password's, cut to 32 characters. An empty password is replaced by
// "EMPTYPW" in the caller's variable first. Never fails: a double-byte
// character, an overflow or an overlong text gives "&%!*^#(~$^!&*%+#!)".
std::string clsUpdate::LockLoginPASS(std::string& vNo, std::string& vPass) {
    if (vPass.empty()) vPass = kEmptyPassword;
    try {
        return Scramble(vNo, vPass);
    } catch (const std::exception&) {
        return kLockFailed;  // the code page unavailable, memory exhausted
    }
}

}  // namespace quenvatrix
