#include "steps/foundation/v0117_catalogue.h"

namespace quenvatrix::steps::v0117 {

namespace {

std::string Quoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    out += '\'';
    return out;
}

}  // namespace

std::string ReportColumnRow(int table, std::string_view field, std::string_view title, int order, int hidden,
                            int width, std::string_view align, int required, std::string_view type, int total,
                            std::string_view headAlign) {
    return "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,表头对齐) "
           "VALUES (" +
           std::to_string(table) + "," + Quoted(field) + "," + Quoted(title) + "," + std::to_string(order) + "," +
           std::to_string(hidden) + "," + std::to_string(width) + "," + Quoted(align) + "," +
           std::to_string(required) + "," + Quoted(type) + "," + std::to_string(total) + "," + Quoted(headAlign) +
           ")";
}

std::string StandardColumnRow(int table, std::string_view field, int order, int required, std::string_view type,
                              int total) {
    return ReportColumnRow(table, field, field, order, 0, 1000, "L", required, type, total, "C");
}

std::string PrintFieldRow(int table, std::string_view field) {
    return "INSERT INTO F扩展字段 (表编号,字段名称) VALUES (" + std::to_string(table) + "," + Quoted(field) + ")";
}

std::string ReportRow(int id, std::string_view name) {
    return "INSERT INTO F报表列表 (编号,名称) VALUES (" + std::to_string(id) + "," + Quoted(name) + ")";
}

}  // namespace quenvatrix::steps::v0117
