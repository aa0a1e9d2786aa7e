// Five-stroke codes of Chinese texts, from the lookup file SYSSWP.DLL.
#include "frame/wb_code.h"

#include <locale.h>
#include <sys/stat.h>
#include <wctype.h>

#include <cerrno>
#include <cstdio>
#include <memory>

#include "frame/code_page.h"
#include "frame/step_context.h"

namespace quenvatrix {

namespace {

constexpr std::size_t kLongestText = 32766;  // the position counter is 16 bits wide

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The byte at 1-based position v; 0 at or beyond the end of the file (or
// without a file). False when the file cannot be read there.
bool ReadByteAt(std::FILE* file, long v, unsigned char& byte) {
    byte = 0;
    if (v < 1) return false;
    if (file == nullptr) return true;
    if (std::fseek(file, v - 1, SEEK_SET) != 0) return false;
    const int c = std::fgetc(file);
    if (c == EOF) return !std::ferror(file);
    byte = static_cast<unsigned char>(c);
    return true;
}

// Upper case by the Unicode case mapping (C.UTF-8), so that letters outside
// the code page are upper-cased too; ASCII only should that locale be missing.
char16_t UpperCase(char16_t c) {
    static const locale_t utf8 = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - u'a' + u'A');
    if (c < 0x80 || utf8 == static_cast<locale_t>(nullptr) || (c >= 0xD800 && c <= 0xDFFF)) return c;
    const wint_t upper = towupper_l(static_cast<wint_t>(c), utf8);
    return upper <= 0xFFFF ? static_cast<char16_t>(upper) : c;
}

std::string TrimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string ReadFiveStrokeCode(std::string_view text, const std::string& path) {
    const std::u16string units = codepage::Utf16FromUtf8(text);
    if (units.size() > kLongestText) return {};
    // Opened read-only: a missing file is never created, it reads as empty.
    File file(std::fopen(path.c_str(), "rb"));
    if (!file && errno != ENOENT) return {};
    struct stat status {};
    if (file && (fstat(fileno(file.get()), &status) != 0 || !S_ISREG(status.st_mode))) return {};
    std::u16string result;
    for (char16_t c : units) {
        char16_t buffer = c;
        if (codepage::AnsiCode(c) < 0) {
            unsigned char byte = 0;
            if (!ReadByteAt(file.get(), WBLookupPosition(c), byte)) return {};
            buffer = codepage::CharFromAnsiByte(byte);
        }
        if (buffer != 0 && codepage::AnsiCode(buffer) > 0) result += buffer;
    }
    for (char16_t& c : result) c = UpperCase(c);
    return codepage::Utf8FromUtf16(result);
}

}  // namespace

long WBLookupPosition(char16_t unit) {
    const long b1 = unit & 0xFF;
    const long b2 = unit >> 8;
    return b2 >= 0x10 ? b1 * 256 + b2 : b1 * 16 + b2;
}

std::string FiveStrokeCode(std::string_view text, const std::string& path) {
    try {
        return ReadFiveStrokeCode(text, path);
    } catch (const std::exception&) {
        return {};  // the code page unavailable, memory exhausted: no code, no failure
    }
}

// Trims the caller's text in place and returns its five-stroke code from the
// lookup file beside the component library. Never fails.
Value StepContext::GetWBCode(std::string& text) {
    text = TrimBlanks(text);
    const std::string folder = ComponentFolder();
    if (folder.empty()) return Value(std::string());
    return Value(FiveStrokeCode(text, folder + "/" + kWBLookupFileName));
}

}  // namespace quenvatrix
