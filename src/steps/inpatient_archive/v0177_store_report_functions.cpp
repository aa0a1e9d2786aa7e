// Versions 177 to 184: the stock-out summary priced at the batch's retail price
// and cost, the dosage form in the stock summaries, the partner and retail
// price in the stock-out detail, the retail value of the stock at a chosen
// point, the cost columns of document form 102, the patient record card and
// the outpatient hand-over sheet, ten more patient custom fields, the last
// execution time of an order and two operator preferences.

#include <string>
#include <string_view>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

namespace {

// A hidden column of a stock report or document form, all eleven values in
// the table's order.
std::string HiddenColumn(int table, std::string_view field, std::string_view title, std::string_view type,
                         int total) {
    return rows::PositionalColumnRow(table, field, title, 1000, 1, 1005, "L", 0, type, total, "C");
}

// Stock-out lines priced at the current retail price and unit cost of the
// stock row of the same drug, batch and issuing store; a line without such a
// row is left out.
std::string StockOutSummary177() {
    return Lines(R"(
ALTER FUNCTION dbo.Do出库汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型,
Count(*) AS 出库次数, Sum(A.数量) AS 出库数量, Sum(A.金额) AS 出库金额,
Sum(V.零售单价 * A.数量) AS 零售金额, Sum(V.库存成本 * A.数量) AS 成本金额
FROM dbo.D出库数据 A INNER JOIN dbo.VJ药品卫材 B ON A.编号 = B.编号
INNER JOIN dbo.D出库单 C ON A.单据编号 = C.单据编号
INNER JOIN dbo.T库存药品 V ON A.编号 = V.药品编号 AND A.生产批号 = V.生产批号 AND C.存放位置 = V.仓库编号
WHERE C.状态 = 'S' AND C.过单日期 BETWEEN @vBegin AND @vEnd AND (C.出库方式 = @vKey OR @vKey = '00')
GROUP BY B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型
)
)");
}

// As version 177's, with the dosage form as the last column.
std::string StockOutSummary182() {
    return Lines(R"(
ALTER FUNCTION dbo.Do出库汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型,
Count(*) AS 出库次数, Sum(A.数量) AS 出库数量, Sum(A.金额) AS 出库金额,
Sum(V.零售单价 * A.数量) AS 零售金额, Sum(V.库存成本 * A.数量) AS 成本金额, B.药品剂型
FROM dbo.D出库数据 A INNER JOIN dbo.VJ药品卫材 B ON A.编号 = B.编号
INNER JOIN dbo.D出库单 C ON A.单据编号 = C.单据编号
INNER JOIN dbo.T库存药品 V ON A.编号 = V.药品编号 AND A.生产批号 = V.生产批号 AND C.存放位置 = V.仓库编号
WHERE C.状态 = 'S' AND C.过单日期 BETWEEN @vBegin AND @vEnd AND (C.出库方式 = @vKey OR @vKey = '00')
GROUP BY B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型, B.药品剂型
)
)");
}

}  // namespace

void Update_177_To_178(StepContext& ctx) {
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'库存成本',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'成本金额',0,0,0,0)");
    ctx.Execute(HiddenColumn(102, "成本金额", "成本金额", "J", -1));
    ctx.Execute(HiddenColumn(102, "库存成本", "成本单价", "J", -1));
    ctx.Execute(HiddenColumn(248, "零售金额", "零售金额", "E", -1));
    ctx.Execute(HiddenColumn(248, "成本金额", "成本金额", "E", -1));
    ctx.Execute(StockOutSummary177());
}

void Update_178_To_179(StepContext& ctx) {
    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (358,'病员档案卡','N')");
    // Captions first, each named after its own field; then the fields, empty.
    for (int n = 11; n <= 20; ++n) {
        const std::string column = "自定义" + std::to_string(n);
        ctx.Execute("ALTER TABLE T病案设置 ADD " + column + " nvarchar(6)");
        ctx.Execute("UPDATE T病案设置 SET " + column + "='" + column + "'");
    }
    for (int n = 11; n <= 20; ++n) {
        const std::string column = "自定义" + std::to_string(n);
        ctx.Execute("ALTER TABLE D病员档案 ADD " + column + " nvarchar(50)");
        ctx.Execute("UPDATE D病员档案 SET " + column + "=''");
    }
}

void Update_179_To_180(StepContext& ctx) {
    ctx.Execute(HiddenColumn(315, "指定零售余额", "指定零售余额", "E", 0));
    // The retail value at the point is the quantity then at today's
    // quantity-weighted retail price of the store's stock rows.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do指定时段点库存余量表 (@vKey varchar(10), @v指定时间点 datetime, @CC datetime)
RETURNS TABLE
AS
RETURN (
SELECT VJ.编号, VJ.名称, VJ.生产厂商, VJ.规格, VJ.药品单位, VJ.批准文号, VJ.药品剂型, VJ.产地, VJ.药品有效期,
VJ.备注, VJ.编码, VJ.药品类型,
IsNull(Z.指定点库存余量, 0) AS 指定点库存余量, IsNull(Z.指定点库存余额, 0) AS 指定点库存余额,
IsNull(K.当前库存余量, 0) AS 当前库存余量, IsNull(K.当前库存余额, 0) AS 当前库存余额,
IsNull(Z.指定点库存余量, 0) - IsNull(K.当前库存余量, 0) AS 时段出库数量,
IsNull(Z.指定点库存余额, 0) - IsNull(K.当前库存余额, 0) AS 时段出库金额,
Z.指定点库存余量 * K.零售单价 AS 指定零售余额
FROM dbo.VJ药品卫材 VJ
LEFT OUTER JOIN
(SELECT 药品编号, 仓库编号, Sum(库存数量) AS 当前库存余量, Sum(库存总额) AS 当前库存余额,
dbo.DoDev(Sum(库存数量), Sum(库存数量 * 零售单价)) AS 零售单价
FROM dbo.T库存药品
GROUP BY 药品编号, 仓库编号) K ON VJ.编号 = K.药品编号
LEFT OUTER JOIN
(SELECT M.药品编号, M.仓库编号, M.库存余量 AS 指定点库存余量, M.库存余额 AS 指定点库存余额
FROM dbo.T药品变化明细 M INNER JOIN
(SELECT 药品编号, 仓库编号, Max(发生时间) AS 发生时间
FROM dbo.T药品变化明细
WHERE 发生时间 < @v指定时间点
GROUP BY 药品编号, 仓库编号) B
ON M.药品编号 = B.药品编号 AND M.仓库编号 = B.仓库编号 AND M.发生时间 = B.发生时间) Z
ON K.仓库编号 = Z.仓库编号 AND K.药品编号 = Z.药品编号
WHERE K.仓库编号 = @vKey OR @vKey = '00'
)
)"));
}

void Update_180_To_181(StepContext& ctx) {
    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (359,'门诊员工交款单','N')");
    for (const char* field : {"开始时间", "结束时间", "操作员", "收入合计", "收到现金", "帐户金额"}) {
        ctx.Execute(std::string("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (359,'") + field + "')");
    }
}

void Update_181_To_182(StepContext& ctx) {
    ctx.Execute(HiddenColumn(246, "药品剂型", "药品剂型", "S", -1));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do入库汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT B.编号, B.名称, B.规格, B.生产厂商, B.药品剂型, B.药品单位, B.药品类型,
Count(*) AS 入库次数, Sum(A.数量) AS 入库数量, Sum(A.金额) AS 入库金额
FROM dbo.D入库数据 A INNER JOIN dbo.VJ药品卫材 B ON A.编号 = B.编号
INNER JOIN dbo.D入库单 C ON A.单据编号 = C.单据编号
WHERE C.状态 = 'S' AND C.过单日期 BETWEEN @vBegin AND @vEnd AND (C.入库方式 = @vKey OR @vKey = '00')
GROUP BY B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型, B.药品剂型
)
)"));
    ctx.Execute(HiddenColumn(249, "往来单位", "往来单位", "S", -1));
    // Here the key is the store. A line whose drug, batch and store have no
    // stock row is left out.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do出库明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'CK' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
K.名称 AS 存放位置, B.生产批号, B.数量, B.单价, B.金额, B.单项备注, Y.*, G.名称 AS 往来单位, P.零售单价
FROM dbo.D出库单 A INNER JOIN dbo.D出库数据 B ON A.单据编号 = B.单据编号
INNER JOIN dbo.T员工档案 Z ON Z.编号 = A.制单人
INNER JOIN dbo.T员工档案 S ON S.编号 = A.审核人
INNER JOIN dbo.T库房药房 K ON K.编号 = A.存放位置
INNER JOIN dbo.VJ药品卫材 Y ON Y.编号 = B.编号
INNER JOIN dbo.T库存药品 P ON B.编号 = P.药品编号 AND B.生产批号 = P.生产批号 AND A.存放位置 = P.仓库编号
LEFT JOIN dbo.T供货单位 G ON A.客商单位 = G.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (K.编号 = @vKey OR @vKey = '00')
)
)"));
    ctx.Execute(HiddenColumn(249, "零售单价", "零售单价", "E", -1));
}

void Update_182_To_183(StepContext& ctx) {
    ctx.Execute(HiddenColumn(248, "药品剂型", "药品剂型", "S", -1));
    ctx.Execute(StockOutSummary182());
}

void Update_183_To_184(StepContext& ctx) {
    ctx.Execute("ALTER TABLE Z医嘱列表 ADD 上次执行时间 datetime");
    ctx.Execute("UPDATE Z医嘱列表 SET 上次执行时间=执行时间");
}

void Update_184_To_185(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T员工档案 ADD 编码检索 bit DEFAULT 1");
    ctx.Execute("UPDATE T员工档案 SET 编码检索=1");
    ctx.Execute("ALTER TABLE T员工档案 ADD 排序方式 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 排序方式=0");
}

}  // namespace quenvatrix::steps
