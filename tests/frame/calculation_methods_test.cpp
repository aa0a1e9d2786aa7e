#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"

namespace quenvatrix::testing {
namespace {

const std::string kLockFailed = "&%!*^#(~$^!&*%+#!)";

std::string Lock(std::string no, std::string pass) {
    clsUpdate component;
    return component.LockLoginPASS(no, pass);
}

TEST(LockLoginPASS, ScramblesTheDigitsOfEachCodePlusItsPosition) {
    // '1' (49) + 1 = 50 and 'a' (97) + 1 = 98: the symbols of 5, 0, 9 and 8.
    EXPECT_EQ(Lock("1", "a"), "bTFy");
    // "01": 48+1, 49+2 = "4951"; "x": 120+1 = "121".
    EXPECT_EQ(Lock("01", "x"), "8Fb44k4");
    // The login number takes part: the same password differs between operators.
    EXPECT_NE(Lock("1001", "secret"), Lock("1002", "secret"));
}

TEST(LockLoginPASS, AnEmptyPasswordBecomesEMPTYPWInTheCallersVariable) {
    clsUpdate component;
    std::string no = "1001";
    std::string pass;
    const std::string locked = component.LockLoginPASS(no, pass);
    EXPECT_EQ(pass, "EMPTYPW");
    EXPECT_EQ(no, "1001");
    EXPECT_EQ(locked, Lock("1001", "EMPTYPW"));
    EXPECT_NE(locked, kLockFailed);
}

TEST(LockLoginPASS, LengthsAreCappedAt32AndFailuresGiveTheErrorText) {
    struct Case {
        std::string no;
        std::string pass;
        std::size_t length;  // 0: the error text
    };
    const std::vector<Case> cases = {
        {"1", "1", 4},                         // two digits each
        {"~", "~", 6},                         // 126 + 1 = 127: three digits each
        {"9999", "123456", 20},                // "58596061" and "505254565860"
        {"1001", "a rather long password", 32},
        {"", "", 14},                          // EMPTYPW alone: seven two-digit sums
        {"张三", "123", 0},                     // a double-byte character gives a minus sign
        {"1001", "密码", 0},
        {"1001", "ab中", 0},
        {std::string(7000, 'A'), "x", 32},
        {"1", std::string(9000, 'A'), 0},        // a digit string of 32767 characters or more
        {std::string(32700, 'z'), "x", 0},      // 'z' + 32700 overflows 16 bits
        {std::string(32767, '\x01'), "x", 0},   // the position counter overflows
    };
    for (const Case& c : cases) {
        const std::string locked = Lock(c.no, c.pass);
        const std::string what = c.no.substr(0, 8) + " / " + c.pass.substr(0, 8);
        if (c.length == 0) {
            EXPECT_EQ(locked, kLockFailed) << what;
        } else {
            EXPECT_EQ(locked.size(), c.length) << what;
            EXPECT_EQ(locked.find_first_of("-&%!*^#(~$+)"), std::string::npos) << what;
        }
    }
}

TEST(ValEx, ReadsTheLeadingNumberLeniently) {
    struct Case {
        std::string text;
        double value;
    };
    const std::vector<Case> cases = {
        {"12.5%", 12.5},     {"1,234.50", 1234.5}, {"￥3,000", 3000},  {"abc", 0},
        {"5%0", 50},         {"", 0},              {"  -12", -12},     {"+7", 7},
        {"1 2\t3\n4", 1234}, {"1.2.3", 1.2},       {".5", 0.5},        {"-.5", -0.5},
        {"1.5e3x", 1500},    {"2E-2", 0.02},       {"1D2", 100},       {"3e", 3},
        {"12abc", 12},       {"-", 0},             {"&H10", 16},       {"&hff", 255},
        {"&HFFFF", -1},      {"&H8000", -32768},   {"&H10000", 65536}, {"&HFFFFFFFF", -1},
        {"&O17", 15},        {"&o177777", -1},     {"&X1", 0},         {"&H", 0},
        {"3,000￥", 3000},   {"１２", 0},
    };
    clsUpdate component;
    for (const Case& c : cases) {
        std::string text = c.text;
        EXPECT_DOUBLE_EQ(component.ValEx(text), c.value) << c.text;
        EXPECT_EQ(text, c.text);
    }
}

TEST(ValEx, ANumberTooLargeForADoubleFails) {
    clsUpdate component;
    for (std::string text : {"1e400", "&H100000000"}) {
        try {
            component.ValEx(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), error_number::kOverflow) << text;
        }
    }
}

TEST(RoundEx, RoundsHalfUpWithItsSmallAllowance) {
    struct Case {
        Value x;
        std::int16_t dp;
        double expected;
    };
    const std::vector<Case> cases = {
        {2.345, 2, 2.35},  {1.005, 2, 1.01},        {-2.5, 0, -2},        {-2.6, 0, -3},
        {2.5, 0, 3},       {1234, -2, 1200},        {1250, -2, 1300},     {Value("2.345"), 2, 2.35},
        {Value(), 0, 0},   {0.4999999999, 0, 1},    {0.49999998, 0, 0},   {7, 0, 7},
    };
    clsUpdate component;
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(component.RoundEx(c.x, c.dp), c.expected) << c.x.ToText() << " " << c.dp;
    }
    EXPECT_DOUBLE_EQ(component.RoundEx(Value(-2.5)), -2);  // DP defaults to 0
}

TEST(RoundEx, NullTextThatIsNotANumberAndFloatingPointFaultsFail) {
    clsUpdate component;
    EXPECT_THROW(component.RoundEx(Value::Null(), 2), Error);
    EXPECT_THROW(component.RoundEx(Value("abc"), 2), Error);
    EXPECT_THROW(component.RoundEx(Value("0x10"), 0), Error);  // C's hexadecimal text is no number here
    EXPECT_THROW(component.RoundEx(Value(1e300), 200), Error);
    EXPECT_THROW(component.RoundEx(Value(1.0), 400), Error);
    EXPECT_THROW(component.RoundEx(Value(5.0), -400), Error);  // 10^-400 is 0: division by zero
}

TEST(DoYPJE, RoundsToTwoDecimals) {
    clsUpdate component;
    for (auto [source, expected] : std::vector<std::pair<double, double>>{{0.125, 0.13}, {3.14159, 3.14}, {-0.125, -0.12}}) {
        EXPECT_DOUBLE_EQ(component.DoYPJE(source), expected) << source;
    }
}

}  // namespace
}  // namespace quenvatrix::testing
