#include "ado/utf16.h"

#include <cstdint>

#include "quenvatrix/error.h"

namespace quenvatrix {

namespace {

Error InvalidUtf8(std::size_t offset) {
    return Error(error_number::kInvalidCall, "文本不是有效的 UTF-8（第 " + std::to_string(offset + 1) + " 个字节）");
}

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t c = 0;
        std::size_t length = 0;
        char32_t smallest = 0;
        if (lead < 0x80) {
            c = lead;
            length = 1;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            c = lead & 0x1F;
            length = 2;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            c = lead & 0x0F;
            length = 3;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            c = lead & 0x07;
            length = 4;
            smallest = 0x10000;
        } else {
            throw InvalidUtf8(i);
        }
        if (i + length > text.size()) throw InvalidUtf8(i);
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80) throw InvalidUtf8(i + k);
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond U+10FFFF are not UTF-8.
        if (c < smallest || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) throw InvalidUtf8(i);
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            c -= 0x10000;
            out += static_cast<char16_t>(0xD800 | (c >> 10));
            out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
        }
        i += length;
    }
    return out;
}

std::string Utf16ToUtf8(std::u16string_view text) {
    std::string out;
    out.reserve(text.size() * 3);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            AppendUtf8(out, 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, unit);
        }
    }
    return out;
}

}  // namespace quenvatrix
