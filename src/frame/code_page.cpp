#include "frame/code_page.h"

#include <iconv.h>

#include <array>
#include <stdexcept>

namespace quenvatrix::codepage {

namespace {

constexpr char16_t kReplacement = 0xFFFD;
constexpr std::int16_t kQuestionMark = 63;

// One iconv conversion of a few bytes; false when the input is not convertible.
bool Convert(iconv_t cd, const char* in, std::size_t inSize, char* out, std::size_t& outSize) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* inPtr = const_cast<char*>(in);
    char* outPtr = out;
    std::size_t outLeft = outSize;
    if (iconv(cd, &inPtr, &inSize, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inSize != 0) return false;
    outSize = outSize - outLeft;
    return true;
}

class Iconv {
public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
        }
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;
    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

// Both tables are built once, on first use, from iconv's code page 936.
const std::array<std::int16_t, 0x10000>& AnsiCodes() {
    static const auto table = [] {
        std::array<std::int16_t, 0x10000> codes{};
        Iconv cd("CP936", "UTF-16LE");
        for (std::uint32_t u = 0; u <= 0xFFFF; ++u) {
            if (u >= 0xD800 && u <= 0xDFFF) {
                codes[u] = kQuestionMark;
                continue;
            }
            const char in[2] = {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
            char out[8];
            std::size_t outSize = sizeof out;
            if (!Convert(cd.get(), in, 2, out, outSize) || outSize == 0 || outSize > 2) {
                codes[u] = kQuestionMark;
            } else if (outSize == 1) {
                codes[u] = static_cast<std::int16_t>(static_cast<unsigned char>(out[0]));
            } else {
                codes[u] = static_cast<std::int16_t>(static_cast<std::uint16_t>(
                    static_cast<unsigned char>(out[0]) << 8 | static_cast<unsigned char>(out[1])));
            }
        }
        return codes;
    }();
    return table;
}

const std::array<char16_t, 256>& SingleByteChars() {
    static const auto table = [] {
        std::array<char16_t, 256> chars{};
        Iconv cd("UTF-16LE", "CP936");
        for (unsigned b = 1; b < 256; ++b) {
            const char in[1] = {static_cast<char>(b)};
            char out[8];
            std::size_t outSize = sizeof out;
            if (Convert(cd.get(), in, 1, out, outSize) && outSize == 2) {
                chars[b] = static_cast<char16_t>(static_cast<unsigned char>(out[0]) |
                                                 static_cast<unsigned char>(out[1]) << 8);
            }
        }
        return chars;
    }();
    return table;
}

}  // namespace

std::u16string Utf16FromUtf8(std::string_view text) {
    std::u16string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        char32_t cp = 0;
        if (lead < 0x80) {
            length = 1;
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            cp = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            cp = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            cp = lead & 0x07;
        }
        bool valid = length > 0 && i + length <= text.size();
        for (int k = 1; valid && k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) valid = false;
            cp = cp << 6 | (next & 0x3F);
        }
        if (valid) {
            const bool overlong = (length == 3 && cp < 0x800) || (length == 4 && cp < 0x10000);
            if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) valid = false;
        }
        if (!valid) {
            result += kReplacement;
            ++i;
            continue;
        }
        if (cp >= 0x10000) {
            cp -= 0x10000;
            result += static_cast<char16_t>(0xD800 + (cp >> 10));
            result += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
        } else {
            result += static_cast<char16_t>(cp);
        }
        i += length;
    }
    return result;
}

std::string Utf8FromUtf16(std::u16string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t cp = text[i];
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            cp = 0x10000 + ((cp - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = kReplacement;
        }
        if (cp < 0x80) {
            result += static_cast<char>(cp);
        } else if (cp < 0x800) {
            result += static_cast<char>(0xC0 | cp >> 6);
            result += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            result += static_cast<char>(0xE0 | cp >> 12);
            result += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            result += static_cast<char>(0xF0 | cp >> 18);
            result += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
            result += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
            result += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return result;
}

std::int16_t AnsiCode(char16_t unit) { return AnsiCodes()[unit]; }

char16_t CharFromAnsiByte(unsigned char byte) { return SingleByteChars()[byte]; }

}  // namespace quenvatrix::codepage
