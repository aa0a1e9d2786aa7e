#pragma once

// Catalogue rows that steps of every subsystem write: report columns
// (F报表格式), reports (F报表列表), print fields (F扩展字段) and entries of the
// permission tree (T操作权限). Each function returns the one statement for one
// row; the step sends it.
//
// Two spellings of the same INSERT are in use and they are not
// interchangeable, because each version sends the text it has always sent:
//   - builders whose name ends in NoSpace, and PlainListReport, write the table
//     name directly followed by its column list: "INSERT INTO F报表格式(表编号,...";
//   - every other builder puts a space between them: "INSERT INTO F报表格式 (表编号,...".
// PositionalColumnRow writes a third form, "INSERT INTO F报表格式 VALUES (...)",
// without a column list.
//
// Builders that take typed values write numbers as they are and texts between
// single quotes, an apostrophe inside a text written twice. Builders named
// ...Values take the row's values already written as SQL, in the column order
// they name, and add nothing to them but the surrounding parentheses.

#include <string>
#include <string_view>

namespace quenvatrix::steps::rows {

// ---- Values written as SQL ----

// "INSERT INTO F报表格式 (...) VALUES (<values>)": a report column with all
// eleven columns, in table order: 表编号, 字段名称, 显示标题, 序号, 此列屏蔽,
// 显示长度, 对齐方式, 此列必选, 数据类型, 统计结果, 表头对齐.
std::string ReportColumnValues(std::string_view values);
// The same, written "INSERT INTO F报表格式(...) VALUES (<values>)".
std::string ReportColumnValuesNoSpace(std::string_view values);

// "INSERT INTO F报表格式(...) VALUES (<values>)": a report column that sets only
// 表编号, 字段名称, 显示标题, 序号, 数据类型 and 统计结果 (in that order); its
// other columns stay NULL.
std::string ShortColumnValuesNoSpace(std::string_view values);

// "INSERT INTO F报表列表 (...) VALUES (<values>)": a report with all sixteen
// columns, in the order 编号, 名称, 模式, 备注, strSQL, 状态, 隶属分类, 制表人,
// 制表日期, 数据源, 数据源类型, 主键标题, 主键查询, 序号, 默认时段, 查询条件.
std::string ReportValues(std::string_view values);
// The same, written "INSERT INTO F报表列表(...) VALUES (<values>)".
std::string ReportValuesNoSpace(std::string_view values);

// A plain list report of the form designer's kind (模式 N, no data source, no
// key picker, 隶属分类 0, 默认时段 D), made on the given date; a
// ReportValuesNoSpace row.
std::string PlainListReport(int number, std::string_view name, std::string_view madeOn);

// ---- Typed values; a space before the column list ----

// A report column with all eleven columns given.
std::string ReportColumnRow(int table, std::string_view field, std::string_view title, int order, int hidden,
                            int width, std::string_view align, int required, std::string_view type, int total,
                            std::string_view headAlign);

// The usual report column: caption equal to the field name, shown, width
// 1000, left-aligned, centred caption.
std::string StandardColumnRow(int table, std::string_view field, int order, int required = 0,
                              std::string_view type = "S", int total = -1);

// A report column that sets only 表编号, 字段名称, 显示标题 (the field name),
// 序号, 数据类型 and 统计结果; its other columns stay NULL.
std::string ShortColumnRow(int table, std::string_view field, int order, std::string_view type, int total);

// A report column that sets only 表编号, 字段名称, 显示标题 (the field name) and
// 序号; its other columns stay NULL.
std::string BareColumnRow(int table, std::string_view field, int order);

// A report given by number and name only; its other columns stay NULL.
std::string BareReportRow(int id, std::string_view name);

// A named print field that a report offers to its print layout.
std::string PrintFieldRow(int table, std::string_view field);

// An entry of the permission tree under the entry `parent`.
std::string PermissionRow(int id, std::string_view name, int parent, int order);

// "UPDATE T操作权限 SET 名称='...' WHERE 编号=n": a permission renamed.
std::string RenamePermission(int id, std::string_view name);

// ---- Typed values; no space before the column list ----

// BareReportRow written "INSERT INTO F报表列表(编号,名称) VALUES (...)".
std::string BareReportRowNoSpace(int id, std::string_view name);

// PrintFieldRow written "INSERT INTO F扩展字段(表编号,字段名称) VALUES (...)".
std::string PrintFieldRowNoSpace(int table, std::string_view field);

// ---- Typed values; no column list ----

// "INSERT INTO F报表格式 VALUES (...)": a report column with all eleven
// columns given by position, in table order.
std::string PositionalColumnRow(int table, std::string_view field, std::string_view title, int order, int hidden,
                                int width, std::string_view align, int required, std::string_view type, int total,
                                std::string_view headAlign);

}  // namespace quenvatrix::steps::rows
