#pragma once

// Statement texts shared by the steps for versions 64 to 86: the stock
// reports that are issued again whenever VJ药品卫材 changes, the drug list in
// the shape of a document line and the list of designed forms.

#include <string>
#include <string_view>

namespace quenvatrix::steps::v0064 {

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
