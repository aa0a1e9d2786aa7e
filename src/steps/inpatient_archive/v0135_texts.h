#pragma once

// Statement texts and catalogue rows shared by the steps for versions 135 to
// 141: the union view of live and archived charge lines and the statistics of
// inpatient prescriptions (both issued again by later steps with the same
// text), report columns, print fields, bare report entries and rows of the
// permission tree.

#include <string>
#include <string_view>

namespace quenvatrix::steps::v0135 {

// "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果)
// VALUES (...)": a report column whose caption is its field name; the other
// columns of the row stay NULL.
std::string ReportColumnRow(int table, std::string_view field, int order, std::string_view type, int total);

// "INSERT INTO F扩展字段 (表编号,字段名称) VALUES (...)": a named print field.
std::string PrintFieldRow(int table, std::string_view field);

// "INSERT INTO F报表列表 (编号,名称) VALUES (...)": a report by number and name only.
std::string BareReportRow(int id, std::string_view name);

// "INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (...)".
std::string PermissionRow(int id, std::string_view name, int parent, int order);

// "UPDATE T操作权限 SET 名称='...' WHERE 编号=n".
std::string RenamePermission(int id, std::string_view name);

// ALL住院记帐列表, the live charge lines followed by the archived ones; `verb`
// is "CREATE" for its first issue and "ALTER" for a re-issue of the same text.
std::string ChargeLinesUnionView(std::string_view verb);

// Do住院划价单统计表 over the live and archived prescriptions and stays
// (ALTER FUNCTION, whole text).
std::string InpatientPrescriptionStatistics();

}  // namespace quenvatrix::steps::v0135
