// Reading a number out of a text typed with percent signs, thousands
// separators or the yuan sign.
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "quenvatrix/cls_update.h"

namespace quenvatrix {

namespace {

Error Overflow() { return Error(error_number::kOverflow, "溢出"); }

bool IsSkipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Reads the text from `pos` over blanks, tabs and line feeds.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}
    char Peek() {
        while (pos_ < text_.size() && IsSkipped(text_[pos_])) ++pos_;
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    void Next() { ++pos_; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

int DigitValue(char c, int radix) {
    int d = -1;
    if (IsDigit(c)) d = c - '0';
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    return d >= 0 && d < radix ? d : -1;
}

// &H… or &O…: a value that fits 16 bits is a 16-bit signed number (&HFFFF is
// -1), one that fits 32 bits a 32-bit signed number; a larger one overflows.
double ReadRadix(Reader& reader, int radix) {
    std::uint64_t value = 0;
    for (int d = DigitValue(reader.Peek(), radix); d >= 0; d = DigitValue(reader.Peek(), radix)) {
        value = value * radix + d;
        if (value > 0xFFFFFFFFull) throw Overflow();
        reader.Next();
    }
    if (value <= 0xFFFF) return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// The leading number of a text, read leniently: blanks, tabs and line feeds
// are skipped wherever they stand; an optional sign, digits, one decimal point
// and an exponent (E or D, with an optional sign) are read; "&H" and "&O"
// introduce a hexadecimal or octal number; reading stops at the first other
// character. No number gives 0; an exponent too large for a double overflows.
double LeadingNumber(std::string_view text) {
    Reader reader(text);
    if (reader.Peek() == '&') {
        reader.Next();
        const char kind = reader.Peek();
        if (kind == 'H' || kind == 'h') {
            reader.Next();
            return ReadRadix(reader, 16);
        }
        if (kind == 'O' || kind == 'o') {
            reader.Next();
            return ReadRadix(reader, 8);
        }
        return 0;
    }
    std::string number;
    if (reader.Peek() == '-' || reader.Peek() == '+') {
        number += reader.Peek();
        reader.Next();
    }
    bool digits = false;
    bool point = false;
    for (char c = reader.Peek(); IsDigit(c) || (c == '.' && !point); c = reader.Peek()) {
        if (c == '.') point = true;
        else digits = true;
        number += c;
        reader.Next();
    }
    if (!digits) return 0;
    const char e = reader.Peek();
    if (e == 'E' || e == 'e' || e == 'D' || e == 'd') {
        reader.Next();
        std::string exponent = "E";
        if (reader.Peek() == '-' || reader.Peek() == '+') {
            exponent += reader.Peek();
            reader.Next();
        }
        bool exponentDigits = false;
        for (char c = reader.Peek(); IsDigit(c); c = reader.Peek()) {
            exponent += c;
            exponentDigits = true;
            reader.Next();
        }
        if (exponentDigits) number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) throw Overflow();
    return value == 0 ? 0.0 : value;
}

void RemoveAll(std::string& text, std::string_view what) {
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at)) text.erase(at, what.size());
}

}  // namespace

// Every "%" becomes a blank, every "," and every "￥" goes, and the leading
// number of what is left is returned. The caller's text is not changed.
double clsUpdate::ValEx(std::string& vvTs) {
    std::string text = vvTs;
    for (char& c : text) {
        if (c == '%') c = ' ';
    }
    RemoveAll(text, ",");
    RemoveAll(text, "￥");
    return LeadingNumber(text);
}

}  // namespace quenvatrix
