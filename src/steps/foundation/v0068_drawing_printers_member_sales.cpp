// Versions 68 to 71: lines and text boxes of report print layouts, voided
// advance receipts removed, printer settings per workstation, member sales
// columns in the drug views and forms, the trading partner of outbound stock.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0064_texts.h"

namespace quenvatrix::steps {

using rows::ReportColumnValuesNoSpace;

namespace {

// Version 67's drug view with the member sales amount after the sales amount
// and the member price at the end.
std::string DrugView71() {
    return Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT dbo.T生产单位.名称 AS 生产厂商, dbo.T生产单位.联系地址 AS 生产企业地址, 0 AS 销售金额, 0 AS 会员销售金额,
Y.编号, Y.所属类, Y.生产商编号, Y.名称, Y.拼音简码, Y.规格, Y.药品类型, Y.库存最低数量, Y.药品注册证号,
Y.批准文号, Y.适用症状, Y.药品剂型, Y.产地, Y.存储条件, Y.药品有效期, Y.备注, Y.编码, Y.药品单位, Y.有效状态,
Y.库存最高数量, Y.允许欠费, Y.五笔简码, Y.保险类别, Y.零售价格, Y.辅助单位,
'1' + Y.辅助单位 + '=' + CAST(Y.换算关系 AS varchar) + Y.药品单位 AS 换算关系, Y.换算关系 AS 换算比例,
Y.会员售价
FROM dbo.T药品卫材 Y LEFT OUTER JOIN dbo.T生产单位 ON Y.生产商编号 = dbo.T生产单位.编号
)");
}

std::string DrugDocumentView71() {
    return Lines(R"(
ALTER VIEW dbo.VJXS药品卫材
AS
SELECT '' AS 生产批号, '' AS 灭菌日期, '' AS 有效期至, '' AS 生产日期, 0 AS 原单价, 0 AS 调后差额,
dbo.T生产单位.名称 AS 生产厂商, '' AS 成本均价, '' AS 报损金额, dbo.T药品卫材.*, 0 AS 销售金额, 0 AS 会员销售金额
FROM dbo.T药品卫材 LEFT OUTER JOIN dbo.T生产单位 ON dbo.T药品卫材.生产商编号 = dbo.T生产单位.编号
)");
}

std::string StockOutSummary() {
    return Lines(R"(
ALTER FUNCTION dbo.Do出库汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型,
Count(*) AS 出库次数, Sum(A.数量) AS 出库数量, Sum(A.金额) AS 出库金额
FROM dbo.D出库数据 A INNER JOIN dbo.VJ药品卫材 B ON A.编号 = B.编号
INNER JOIN dbo.D出库单 C ON A.单据编号 = C.单据编号
WHERE C.状态 = 'S' AND C.过单日期 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR C.出库方式 = @vKey)
GROUP BY B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型
)
)");
}

std::string StockInSummary() {
    return Lines(R"(
ALTER FUNCTION dbo.Do入库汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型,
Count(*) AS 入库次数, Sum(A.数量) AS 入库数量, Sum(A.金额) AS 入库金额
FROM dbo.D入库数据 A INNER JOIN dbo.VJ药品卫材 B ON A.编号 = B.编号
INNER JOIN dbo.D入库单 C ON A.单据编号 = C.单据编号
WHERE C.状态 = 'S' AND C.过单日期 BETWEEN @vBegin AND @vEnd AND (@vKey = '00' OR C.入库方式 = @vKey)
GROUP BY B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型
)
)");
}

}  // namespace

void Update_68_To_69(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[F表格直线] (
	[sin左边界] [real] NULL ,
	[sin上边界] [real] NULL ,
	[sin宽度] [real] NULL ,
	[sin高度] [real] NULL ,
	[int直线类型] [tinyint] ,
	[int直线宽度] [tinyint] ,
	[int报表编号] [smallint] NULL ,
	[int分组号] [smallint] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[F表格文本] (
	[sin左边界] [real] NULL ,
	[sin上边界] [real] NULL ,
	[sin宽度] [real] NULL ,
	[sin高度] [real] NULL ,
	[int报表编号] [smallint] NULL ,
	[int分组号] [smallint] NULL ,
	[str内容] [ntext] COLLATE Chinese_PRC_CI_AS NULL ,
	[sin行间距] [real] NULL ,
	[bln带外框] [bit] NULL ,
	[bln下划线] [bit] NULL ,
	[str字体名称] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[bln字体加粗] [bit] NULL ,
	[bln字体倾斜] [bit] NULL ,
	[bln字体下线] [bit] NULL ,
	[sin字体大小] [real] NULL 
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
)"));
}

void Update_69_To_70(StepContext& ctx) { ctx.Execute("DELETE FROM D预收列表 WHERE 作废=1"); }

void Update_70_To_71(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T网络列表 ADD 挂号打印机 nvarchar(50) DEFAULT '999999'");
    ctx.Execute("ALTER TABLE T网络列表 ADD 门诊打印机 nvarchar(50) DEFAULT '999999'");
    ctx.Execute("ALTER TABLE T网络列表 ADD 住院打印机 nvarchar(50) DEFAULT '999999'");
    ctx.Execute("ALTER TABLE T网络列表 ADD 保险打印机 nvarchar(50) DEFAULT '999999'");
    ctx.Execute("UPDATE T网络列表 SET 挂号打印机='999999',门诊打印机='999999',住院打印机='999999',保险打印机='999999'");
}

void Update_71_To_72(StepContext& ctx) {
    // 1.
    ctx.Execute(DrugView71());
    ctx.Execute(DrugDocumentView71());

    // 2. Member price and member sales amount in list 21 and form 102; the
    //    trading partner in form 102's header.
    ctx.Execute(ReportColumnValuesNoSpace("21,'会员售价','会员售价',112,0,1000,'L',0,'J',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("102,'会员售价','会员售价',112,0,1000,'L',0,'J',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("102,'会员销售金额','会员销售金额',112,0,1000,'L',0,'E',-1,'C'"));
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'会员售价',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'会员销售金额',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据头格式 VALUES (102,3,'客商单位','往来单位[&3]：','C','S',1,0)");

    // 3.
    ctx.Execute("ALTER TABLE D出库单 ADD 客商单位 varchar(5)");

    // 4. Stock-in and stock-out types as the keys of reports 246 and 248.
    ctx.Execute(
        "UPDATE F报表列表 SET 主键标题='入库类型：',主键查询='Select 编码 As 编号,名称 From T综合选项 Where "
        "类别=''入库类型''' WHERE 编号=246");
    ctx.Execute(
        "UPDATE F报表列表 SET 主键标题='出库类型：',主键查询='Select 编码 As 编号,名称 From T综合选项 Where "
        "类别=''出库类型''' WHERE 编号=248");

    // 5. to 9. The report functions over the view, in this order.
    ctx.Execute(v0064::ShortageReport());
    ctx.Execute(v0064::StockOutDetailReport());
    ctx.Execute(StockOutSummary());
    ctx.Execute(v0064::StockInDetailReport());
    ctx.Execute(StockInSummary());
    ctx.Execute(v0064::CostAdjustDetailReport());
    ctx.Execute(v0064::PurchaseDetailReport());
    ctx.Execute(v0064::SaleAdjustListReport());
}

}  // namespace quenvatrix::steps
