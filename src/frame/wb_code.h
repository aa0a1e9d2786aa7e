#pragma once

#include <string>
#include <string_view>

namespace quenvatrix {

// The name of the five-stroke lookup file, which lies beside the component's
// shared library.
inline constexpr const char* kWBLookupFileName = "SYSSWP.DLL";

// The 1-based byte position of a character in the lookup file, from its UTF-16
// code unit u with low byte b1 = u & 0xFF and high byte b2 = u >> 8: the text
// "&h" + hex(b1) + hex(b2) (upper case, no leading zeros) read as a 32-bit
// number, that is b1 * 256 + b2 when b2 >= 0x10 and b1 * 16 + b2 when b2 < 0x10.
// A four-digit text of 8000 hexadecimal or more (b1 >= 0x80) is positive.
long WBLookupPosition(char16_t unit);

// The five-stroke code of a text (UTF-8), read from the lookup file at `path`:
// a double-byte character (code page 936) gives the letter stored at its
// position, or nothing when the byte there is 0 or lies beyond the end of the
// file; every other character stands for itself. The result is upper-cased.
// A missing file reads as an empty one (it is not created); a file that cannot
// be opened or read, and a text of 32767 characters or more, give "".
std::string FiveStrokeCode(std::string_view text, const std::string& path);

// The folder of the loaded component library (no trailing slash); empty when
// it cannot be found.
std::string ComponentFolder();

}  // namespace quenvatrix
