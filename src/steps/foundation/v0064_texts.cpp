#include "steps/foundation/v0064_texts.h"

#include "frame/sql_text.h"

namespace quenvatrix::steps::v0064 {

std::string ShortageReport() {
    return Lines(R"(
ALTER FUNCTION dbo.Do库存缺货统计 (@vKey nvarchar(4))
RETURNS TABLE
AS
RETURN (
SELECT A.*, IsNull(B.库存数量, 0) AS 库存数量, A.库存最高数量 - IsNull(B.库存数量, 0) AS 应补数量
FROM dbo.VJ药品卫材 A LEFT OUTER JOIN
(SELECT 药品编号, Sum(库存数量) AS 库存数量 FROM dbo.T库存药品 GROUP BY 药品编号) B ON A.编号 = B.药品编号
WHERE A.库存最低数量 > 0 AND A.库存最低数量 >= IsNull(B.库存数量, 0) AND (@vKey = '00' OR A.药品类型 = @vKey)
)
)");
}

std::string StockOutDetailReport() {
    return Lines(R"(
ALTER FUNCTION dbo.Do出库明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'CK' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
K.名称 AS 存放位置, B.生产批号, B.数量, B.单价, B.金额, B.单项备注, Y.*
FROM dbo.D出库单 A INNER JOIN dbo.D出库数据 B ON A.单据编号 = B.单据编号
INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
INNER JOIN dbo.T员工档案 S ON A.审核人 = S.编号
INNER JOIN dbo.T库房药房 K ON A.存放位置 = K.编号
INNER JOIN dbo.VJ药品卫材 Y ON B.编号 = Y.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR K.编号 = @vKey)
)
)");
}

std::string PurchaseDetailReport() {
    return Lines(R"(
ALTER FUNCTION dbo.Do采购明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'JH' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, G.名称 AS 客商单位, Z.名称 AS 制单人,
S.名称 AS 审核人, K.名称 AS 存放位置, B.生产批号, B.有效期至, B.数量, B.单价, B.金额, B.单项备注, Y.*
FROM dbo.D进货单 A INNER JOIN dbo.D进货数据 B ON A.单据编号 = B.单据编号
INNER JOIN dbo.T供货单位 G ON A.客商单位 = G.编号
INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
INNER JOIN dbo.T员工档案 S ON A.审核人 = S.编号
INNER JOIN dbo.T库房药房 K ON A.存放位置 = K.编号
INNER JOIN dbo.VJ药品卫材 Y ON B.编号 = Y.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR Y.药品类型 = @vKey)
)
)");
}

std::string StockInDetailReport() {
    return Lines(R"(
ALTER FUNCTION dbo.Do入库明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'RK' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
K.名称 AS 存放位置, B.生产批号, B.有效期至, B.数量, B.单价, B.金额, B.单项备注, Y.*
FROM dbo.D入库单 A INNER JOIN dbo.D入库数据 B ON A.单据编号 = B.单据编号
INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
INNER JOIN dbo.T员工档案 S ON A.审核人 = S.编号
INNER JOIN dbo.T库房药房 K ON A.存放位置 = K.编号
INNER JOIN dbo.VJ药品卫材 Y ON B.编号 = Y.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR K.编号 = @vKey)
)
)");
}

std::string TransferReport() {
    return Lines(R"(
ALTER FUNCTION dbo.Do调拨统计表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'DP' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
CK.名称 AS 出货仓库, SK.名称 AS 收货仓库, B.生产批号, B.有效期至, B.数量, B.单价, B.金额, B.单项备注, Y.*
FROM dbo.D调拨单 A INNER JOIN dbo.D调拨数据 B ON A.单据编号 = B.单据编号
INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
INNER JOIN dbo.T员工档案 S ON A.审核人 = S.编号
INNER JOIN dbo.T库房药房 CK ON A.出货仓库 = CK.编号
INNER JOIN dbo.T库房药房 SK ON A.收货仓库 = SK.编号
INNER JOIN dbo.VJ药品卫材 Y ON B.编号 = Y.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR SK.编号 = @vKey)
)
)");
}

std::string CostAdjustDetailReport() {
    return Lines(R"(
ALTER FUNCTION dbo.Do成本调价明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'TJ' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
K.名称 AS 存放位置, B.生产批号, B.数量, B.原单价, B.现单价, B.现单价 - B.原单价 AS 调价差额, B.单项备注, Y.*
FROM dbo.D调价单 A INNER JOIN dbo.D调价数据 B ON A.单据编号 = B.单据编号
INNER JOIN dbo.T员工档案 Z ON Z.编号 = A.制单人
INNER JOIN dbo.T员工档案 S ON S.编号 = A.审核人
INNER JOIN dbo.T库房药房 K ON K.编号 = A.存放位置
INNER JOIN dbo.VJ药品卫材 Y ON Y.编号 = B.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR Y.药品类型 = @vKey)
)
)");
}

std::string SaleAdjustListReport() {
    return Lines(R"(
ALTER FUNCTION dbo.Do调价明细列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'DJ' + dbo.DoAddZero(A.序号, 10) AS 单据编号, A.调价时间, A.原定价, A.现定价, A.备注 AS 调价备注,
Z.名称 AS 制单人, Y.*
FROM dbo.D销售调价列表 A INNER JOIN dbo.VJ药品卫材 Y ON A.编号 = Y.编号
INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
WHERE A.调价时间 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR A.制单人 = @vKey)
)
)");
}

std::string DrugDocumentView() {
    return Lines(R"(
ALTER VIEW dbo.VJXS药品卫材
AS
SELECT '' AS 生产批号, '' AS 灭菌日期, '' AS 有效期至, '' AS 生产日期, 0 AS 原单价, 0 AS 调后差额,
dbo.T生产单位.名称 AS 生产厂商, '' AS 成本均价, '' AS 报损金额, dbo.T药品卫材.*, 0 AS 销售金额
FROM dbo.T药品卫材 LEFT OUTER JOIN dbo.T生产单位 ON dbo.T药品卫材.生产商编号 = dbo.T生产单位.编号
)");
}

std::string FormListView(std::string_view verb) {
    // Inpatient doctors (-1), outpatient doctors (-2) or the users of one role.
    return std::string(verb) + " " + Lines(R"(
VIEW dbo.VJ表单列表
AS
SELECT D.编号, D.名称, D.所属类, D.纸张宽度, D.纸张高度, D.编码, D.表单序号, D.背景颜色, D.显示颜色,
CASE D.使用权 WHEN -1 THEN '〖住院医生使用〗' WHEN -2 THEN '〖门诊医生使用〗' ELSE '『' + J.名称 + '』' END AS 使用权
FROM dbo.T表单列表 D LEFT OUTER JOIN dbo.D角色档案 J ON D.使用权 = J.编号
)");
}

}  // namespace quenvatrix::steps::v0064
