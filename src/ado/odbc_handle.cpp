#include "ado/odbc_handle.h"

#include "ado/utf16.h"

namespace quenvatrix::odbc {

Handle::Handle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
    const SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
    if (!Succeeded(rc)) {
        handle_ = SQL_NULL_HANDLE;
        if (parent == SQL_NULL_HANDLE) {
            throw Error(error_number::kProvider, "无法分配 ODBC 环境句柄（ODBC 驱动程序管理器不可用）");
        }
        const SQLSMALLINT parentType = type == SQL_HANDLE_DBC ? SQL_HANDLE_ENV : SQL_HANDLE_DBC;
        throw Diagnostics(parentType, parent, "SQLAllocHandle");
    }
}

Handle::~Handle() {
    if (handle_ != SQL_NULL_HANDLE) SQLFreeHandle(type_, handle_);
}

Error Diagnostics(SQLSMALLINT type, SQLHANDLE handle, std::string_view function) {
    std::string description;
    long number = 0;
    for (SQLSMALLINT record = 1;; ++record) {
        SQLWCHAR state[6] = {};
        SQLINTEGER native = 0;
        std::vector<SQLWCHAR> message(1024);
        SQLSMALLINT length = 0;
        SQLRETURN rc = SQLGetDiagRecW(type, handle, record, state, &native, message.data(),
                                      static_cast<SQLSMALLINT>(message.size()), &length);
        if (rc == SQL_SUCCESS_WITH_INFO && length >= static_cast<SQLSMALLINT>(message.size())) {
            message.resize(static_cast<std::size_t>(length) + 1);
            rc = SQLGetDiagRecW(type, handle, record, state, &native, message.data(),
                                static_cast<SQLSMALLINT>(message.size()), &length);
        }
        if (!Succeeded(rc)) break;
        std::string text = NarrowTerminated(message.data(), message.size() - 1);
        while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
        if (!description.empty()) description += "\n";
        description += text;
        if (number == 0 && native != 0) number = native;
    }
    if (description.empty()) {
        description = "ODBC 调用 " + std::string(function) + " 失败，驱动程序未给出诊断信息";
    }
    return Error(number != 0 ? number : error_number::kProvider, description);
}

Error Diagnostics(const Handle& handle, std::string_view function) {
    return Diagnostics(handle.Type(), handle.Get(), function);
}

void Check(SQLRETURN rc, const Handle& handle, std::string_view function) {
    if (!Succeeded(rc)) throw Diagnostics(handle, function);
}

std::string FirstState(const Handle& handle) {
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLWCHAR message[2] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN rc = SQLGetDiagRecW(handle.Type(), handle.Get(), 1, state, &native, message, 2, &length);
    if (!Succeeded(rc)) return {};
    return Narrow(state, 5);
}

std::vector<SQLWCHAR> Wide(std::string_view utf8) {
    const std::u16string text = Utf8ToUtf16(utf8);
    std::vector<SQLWCHAR> out(text.begin(), text.end());
    out.push_back(0);
    return out;
}

std::string Narrow(const SQLWCHAR* text, std::size_t length) {
    std::u16string units(length, u'\0');
    for (std::size_t i = 0; i < length; ++i) units[i] = static_cast<char16_t>(text[i]);
    return Utf16ToUtf8(units);
}

std::string NarrowTerminated(const SQLWCHAR* text, std::size_t length) {
    std::size_t end = 0;
    while (end < length && text[end] != 0) ++end;
    return Narrow(text, end);
}

Utf8CharacterType::Utf8CharacterType() {
    for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
        utf8_ = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(0));
        if (utf8_ != static_cast<locale_t>(0)) break;
    }
    if (utf8_ != static_cast<locale_t>(0)) previous_ = uselocale(utf8_);
}

Utf8CharacterType::~Utf8CharacterType() {
    if (utf8_ == static_cast<locale_t>(0)) return;
    uselocale(previous_);
    freelocale(utf8_);
}

}  // namespace quenvatrix::odbc
