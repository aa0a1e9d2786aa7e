#include "steps/inpatient_archive/v0142_rows.h"

namespace quenvatrix::steps::v0142 {

namespace {
std::string Insert(std::string_view head, std::string_view values) {
    std::string sql(head);
    sql += " VALUES (";
    sql += values;
    sql += ")";
    return sql;
}
}  // namespace

std::string ReportColumn(std::string_view values) {
    return Insert(
        "INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,"
        "表头对齐)",
        values);
}

std::string ShortReportColumn(std::string_view values) {
    return Insert("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果)", values);
}

std::string ReportRow(std::string_view values) {
    return Insert(
        "INSERT INTO F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,"
        "主键查询,序号,默认时段,查询条件)",
        values);
}

std::string NamedReport(int number, std::string_view name) {
    std::string values = std::to_string(number);
    values += ",'";
    values += name;
    values += "'";
    return Insert("INSERT INTO F报表列表(编号,名称)", values);
}

std::string PrintField(int report, std::string_view field) {
    std::string values = std::to_string(report);
    values += ",'";
    values += field;
    values += "'";
    return Insert("INSERT INTO F扩展字段(表编号,字段名称)", values);
}

}  // namespace quenvatrix::steps::v0142
