#pragma once

#include <string>
#include <string_view>

namespace quenvatrix {

// UTF-8 text to UTF-16 (characters beyond the BMP become surrogate pairs).
// Bytes that are not valid UTF-8 raise an error rather than being sent altered.
std::u16string Utf8ToUtf16(std::string_view text);

// UTF-16 text to UTF-8. A lone surrogate becomes U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quenvatrix
