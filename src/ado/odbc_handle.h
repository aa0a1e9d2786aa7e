#pragma once

// What the ODBC backend is built from: one owner per ODBC handle, the
// driver's diagnostics turned into quenvatrix::Error, and wide-text buffers.

#include <sql.h>
#include <sqlext.h>
#include <sqlucode.h>

#include <locale.h>

#include <string>
#include <string_view>
#include <vector>

#include "quenvatrix/error.h"

namespace quenvatrix::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "the ODBC backend expects a 16-bit SQLWCHAR");

// Owns one ODBC handle (environment, connection or statement) and frees it.
class Handle {
public:
    // Allocates a handle of `type` under `parent` (SQL_NULL_HANDLE for an
    // environment); a refusal raises the parent's diagnostics.
    Handle(SQLSMALLINT type, SQLHANDLE parent);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    SQLHANDLE Get() const { return handle_; }
    SQLSMALLINT Type() const { return type_; }

private:
    SQLSMALLINT type_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// True for SQL_SUCCESS and SQL_SUCCESS_WITH_INFO.
inline bool Succeeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// The error the driver reported on the handle: every diagnostic record's text,
// joined by line breaks; the first nonzero native error as the number, else
// error_number::kProvider. `function` names the call in the description when
// the driver left no diagnostics.
Error Diagnostics(SQLSMALLINT type, SQLHANDLE handle, std::string_view function);
Error Diagnostics(const Handle& handle, std::string_view function);

// Raises the handle's diagnostics unless the call succeeded.
void Check(SQLRETURN rc, const Handle& handle, std::string_view function);

// The SQLSTATE of the first diagnostic record on the handle ("" if none).
std::string FirstState(const Handle& handle);

// UTF-8 to a wide buffer for the driver, and back.
std::vector<SQLWCHAR> Wide(std::string_view utf8);
std::string Narrow(const SQLWCHAR* text, std::size_t length);
// A name or message the driver wrote into a buffer, up to its terminator and
// at most `length` units. (For a driver without wide functions the driver
// manager reports the length in bytes of the driver's narrow text, which is
// longer than the wide text it wrote.)
std::string NarrowTerminated(const SQLWCHAR* text, std::size_t length);

// For its lifetime, sets the calling thread's character type to UTF-8. The
// driver manager picks the encoding it converts wide text to, for a driver
// that has only narrow functions, from the locale while the handles are
// allocated and the connection is made;
// in the "C" locale that is ISO 8859-1, where every Chinese character would
// be mangled. Thread-local: the program's own locale is left alone.
class Utf8CharacterType {
public:
    Utf8CharacterType();
    ~Utf8CharacterType();
    Utf8CharacterType(const Utf8CharacterType&) = delete;
    Utf8CharacterType& operator=(const Utf8CharacterType&) = delete;

private:
    locale_t utf8_ = nullptr;
    locale_t previous_ = nullptr;
};

}  // namespace quenvatrix::odbc
