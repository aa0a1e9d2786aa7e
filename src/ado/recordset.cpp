#include "quenvatrix/connection.h"

#include <string>

namespace quenvatrix {

namespace {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i])) return false;
    }
    return true;
}

}  // namespace

Value Recordset::Field(std::string_view name) const {
    for (std::size_t i = 0; i < FieldCount(); ++i) {
        if (SameNameIgnoringCase(FieldName(i), name)) return Field(i);
    }
    throw Error(3265, "在对应所需名称或序数的集合中，未找到项目：" + std::string(name));
}

}  // namespace quenvatrix
