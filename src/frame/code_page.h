#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace quenvatrix::codepage {

// Texts travel as UTF-8; the component counts and converts their characters
// as UTF-16 code units (a character beyond U+FFFF is two of them). Malformed
// UTF-8 becomes U+FFFD; an unpaired surrogate is written out as U+FFFD.
std::u16string Utf16FromUtf8(std::string_view text);
std::string Utf8FromUtf16(std::u16string_view text);

// The "ANSI code" of a character in the system's code page, 936 (GBK), read as
// a signed 16-bit number: the byte itself for a single-byte character, the lead
// byte times 256 plus the trail byte for a double-byte character (always
// negative, as every lead byte is 0x81 or more), and the code of "?" (63) for a
// character the code page lacks.
std::int16_t AnsiCode(char16_t unit);

// The character that one byte stands for in code page 936, or 0 when the byte
// is 0 or not a character by itself (a lone lead byte).
char16_t CharFromAnsiByte(unsigned char byte);

}  // namespace quenvatrix::codepage
