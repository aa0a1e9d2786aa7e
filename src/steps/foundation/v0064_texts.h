#pragma once

// Statement texts and row builders shared by the steps for versions 64 to 86:
// the stock reports that are issued again whenever VJ药品卫材 changes, and the
// catalogue rows of reports and their columns.

#include <string>
#include <string_view>

namespace quenvatrix::steps::v0064 {

// "INSERT INTO F报表格式(...eleven columns...) VALUES (<values>)": a report
// column with every column given, the values written as SQL in table order
// (表编号, 字段名称, 显示标题, 序号, 此列屏蔽, 显示长度, 对齐方式, 此列必选,
// 数据类型, 统计结果, 表头对齐).
std::string ReportColumn(std::string_view values);

// "INSERT INTO F报表列表(...sixteen columns...) VALUES (<values>)": a report
// with every column given, in the order 编号, 名称, 模式, 备注, strSQL, 状态,
// 隶属分类, 制表人, 制表日期, 数据源, 数据源类型, 主键标题, 主键查询, 序号,
// 默认时段, 查询条件.
std::string ReportRow(std::string_view values);

// A plain list report of the form designer's kind (模式 N, no data source,
// no key picker, 隶属分类 0, 默认时段 D), made on the given date.
std::string PlainListReport(int number, std::string_view name, std::string_view madeOn);

// Report functions over VJ药品卫材, issued again whenever the view changes so
// that their Y.* / A.* follow its columns (ALTER FUNCTION, whole text).
std::string ShortageReport();         // Do库存缺货统计
std::string StockOutDetailReport();   // Do出库明细表
std::string PurchaseDetailReport();   // Do采购明细表
std::string StockInDetailReport();    // Do入库明细表
std::string TransferReport();         // Do调拨统计表
std::string CostAdjustDetailReport(); // Do成本调价明细表
std::string SaleAdjustListReport();   // Do调价明细列表

// VJXS药品卫材, the drug list in the shape of a document line (ALTER VIEW).
std::string DrugDocumentView();

// VJ表单列表, the designed forms with who fills them in; `verb` is "CREATE"
// for its first issue and "ALTER" for a re-issue of the same text.
std::string FormListView(std::string_view verb);

}  // namespace quenvatrix::steps::v0064
