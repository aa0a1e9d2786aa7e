#include "steps/catalogue_rows.h"

namespace quenvatrix::steps::rows {

namespace {

// The column lists, each written once; the two spellings of a row differ only
// in the space before its list.
constexpr std::string_view kReportColumnFields =
    "(表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,表头对齐)";
constexpr std::string_view kShortColumnFields = "(表编号,字段名称,显示标题,序号,数据类型,统计结果)";
constexpr std::string_view kBareColumnFields = "(表编号,字段名称,显示标题,序号)";
constexpr std::string_view kReportFields =
    "(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,主键查询,序号,默认时段,"
    "查询条件)";
constexpr std::string_view kBareReportFields = "(编号,名称)";
constexpr std::string_view kPrintFieldFields = "(表编号,字段名称)";
constexpr std::string_view kPermissionFields = "(编号,名称,所属分类,序号)";

enum class Spelling { Spaced, NoSpace };

// "INSERT INTO <table> <fields> VALUES (<values>)"; NoSpace leaves out the
// space between the table and its column list.
std::string Insert(std::string_view table, std::string_view fields, Spelling spelling, std::string_view values) {
    std::string sql = "INSERT INTO ";
    sql += table;
    if (spelling == Spelling::Spaced) sql += ' ';
    sql += fields;
    sql += " VALUES (";
    sql += values;
    sql += ")";
    return sql;
}

// A text between single quotes, an apostrophe inside written twice.
std::string Quoted(std::string_view text) {
    std::string out = "'";
    for (char c : text) {
        out += c;
        if (c == '\'') out += '\'';
    }
    out += '\'';
    return out;
}

std::string NumberAndText(int number, std::string_view text) { return std::to_string(number) + "," + Quoted(text); }

// The eleven values of a full report column, in table order.
std::string FullColumnValues(int table, std::string_view field, std::string_view title, int order, int hidden,
                             int width, std::string_view align, int required, std::string_view type, int total,
                             std::string_view headAlign) {
    return NumberAndText(table, field) + "," + Quoted(title) + "," + std::to_string(order) + "," +
           std::to_string(hidden) + "," + std::to_string(width) + "," + Quoted(align) + "," +
           std::to_string(required) + "," + Quoted(type) + "," + std::to_string(total) + "," + Quoted(headAlign);
}

}  // namespace

std::string ReportColumnValues(std::string_view values) {
    return Insert("F报表格式", kReportColumnFields, Spelling::Spaced, values);
}

std::string ReportColumnValuesNoSpace(std::string_view values) {
    return Insert("F报表格式", kReportColumnFields, Spelling::NoSpace, values);
}

std::string ShortColumnValuesNoSpace(std::string_view values) {
    return Insert("F报表格式", kShortColumnFields, Spelling::NoSpace, values);
}

std::string ReportValues(std::string_view values) { return Insert("F报表列表", kReportFields, Spelling::Spaced, values); }

std::string ReportValuesNoSpace(std::string_view values) {
    return Insert("F报表列表", kReportFields, Spelling::NoSpace, values);
}

std::string PlainListReport(int number, std::string_view name, std::string_view madeOn) {
    return ReportValuesNoSpace(NumberAndText(number, name) + ",'N',' ',' ','U',0,''," + Quoted(madeOn) +
                               ",'','','','',0,'D',' '");
}

std::string ReportColumnRow(int table, std::string_view field, std::string_view title, int order, int hidden,
                            int width, std::string_view align, int required, std::string_view type, int total,
                            std::string_view headAlign) {
    return Insert("F报表格式", kReportColumnFields, Spelling::Spaced,
                  FullColumnValues(table, field, title, order, hidden, width, align, required, type, total, headAlign));
}

std::string StandardColumnRow(int table, std::string_view field, int order, int required, std::string_view type,
                              int total) {
    return ReportColumnRow(table, field, field, order, 0, 1000, "L", required, type, total, "C");
}

std::string ShortColumnRow(int table, std::string_view field, int order, std::string_view type, int total) {
    return Insert("F报表格式", kShortColumnFields, Spelling::Spaced,
                  NumberAndText(table, field) + "," + Quoted(field) + "," + std::to_string(order) + "," +
                      Quoted(type) + "," + std::to_string(total));
}

std::string BareColumnRow(int table, std::string_view field, int order) {
    return Insert("F报表格式", kBareColumnFields, Spelling::Spaced,
                  NumberAndText(table, field) + "," + Quoted(field) + "," + std::to_string(order));
}

std::string BareReportRow(int id, std::string_view name) {
    return Insert("F报表列表", kBareReportFields, Spelling::Spaced, NumberAndText(id, name));
}

std::string PrintFieldRow(int table, std::string_view field) {
    return Insert("F扩展字段", kPrintFieldFields, Spelling::Spaced, NumberAndText(table, field));
}

std::string PermissionRow(int id, std::string_view name, int parent, int order) {
    return Insert("T操作权限", kPermissionFields, Spelling::Spaced,
                  NumberAndText(id, name) + "," + std::to_string(parent) + "," + std::to_string(order));
}

std::string RenamePermission(int id, std::string_view name) {
    return "UPDATE T操作权限 SET 名称=" + Quoted(name) + " WHERE 编号=" + std::to_string(id);
}

std::string BareReportRowNoSpace(int id, std::string_view name) {
    return Insert("F报表列表", kBareReportFields, Spelling::NoSpace, NumberAndText(id, name));
}

std::string PrintFieldRowNoSpace(int table, std::string_view field) {
    return Insert("F扩展字段", kPrintFieldFields, Spelling::NoSpace, NumberAndText(table, field));
}

std::string PositionalColumnRow(int table, std::string_view field, std::string_view title, int order, int hidden,
                                int width, std::string_view align, int required, std::string_view type, int total,
                                std::string_view headAlign) {
    return "INSERT INTO F报表格式 VALUES (" +
           FullColumnValues(table, field, title, order, hidden, width, align, required, type, total, headAlign) + ")";
}

}  // namespace quenvatrix::steps::rows
