#pragma once

// Catalogue rows written by the steps for versions 142 to 168: report
// columns, reports and print fields, each as one INSERT ... VALUES statement
// with its values written as SQL.

#include <string>
#include <string_view>

namespace quenvatrix::steps::v0142 {

// A report column with every column given, values in table order: 表编号,
// 字段名称, 显示标题, 序号, 此列屏蔽, 显示长度, 对齐方式, 此列必选, 数据类型,
// 统计结果, 表头对齐.
std::string ReportColumn(std::string_view values);

// A report column that sets only 表编号, 字段名称, 显示标题, 序号, 数据类型 and
// 统计结果 (in that order); its other columns stay NULL.
std::string ShortReportColumn(std::string_view values);

// A report with all sixteen columns given, values in the order 编号, 名称, 模式,
// 备注, strSQL, 状态, 隶属分类, 制表人, 制表日期, 数据源, 数据源类型, 主键标题,
// 主键查询, 序号, 默认时段, 查询条件.
std::string ReportRow(std::string_view values);

// A report with only its number and name; its other columns stay NULL.
std::string NamedReport(int number, std::string_view name);

// A named print field that a report offers to its print layout.
std::string PrintField(int report, std::string_view field);

}  // namespace quenvatrix::steps::v0142
