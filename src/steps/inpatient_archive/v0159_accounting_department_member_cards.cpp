// Versions 159 to 168: the accounting department of inpatient prescriptions,
// the supplier in the stock-in detail report, real price changes only in the
// price-change report, member card numbers on payments, the permission to see
// cost prices, the community-card payment type, the card balance in the
// case-record list, stock-take lines of materials, the part of a discharge
// shortfall put on account, and the stock movement summary.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::PrintFieldRowNoSpace;
using rows::ReportColumnValuesNoSpace;
using rows::ShortColumnValuesNoSpace;

void Update_159_To_160(StepContext& ctx) {
    // Live and archived prescriptions alike; ALL住院划价单 keeps its columns
    // until it is issued again.
    ctx.Execute("ALTER TABLE D住院划价单 ADD 核算科室 varchar(4)");
    ctx.Execute("UPDATE D住院划价单 SET 核算科室=处方科室");
    ctx.Execute("ALTER TABLE OLD住院划价单 ADD 核算科室 varchar(4)");
    ctx.Execute("UPDATE OLD住院划价单 SET 核算科室=处方科室");
    ctx.Execute("ALTER TABLE T医院资料 ADD 默认核算科室 bit");
    ctx.Execute("UPDATE T医院资料 SET 默认核算科室=1");
}

void Update_160_To_161(StepContext& ctx) {
    ctx.Execute(PrintFieldRowNoSpace(277, "处方医生"));
    ctx.Execute(PrintFieldRowNoSpace(277, "性别"));
    ctx.Execute(PrintFieldRowNoSpace(277, "年龄"));
    ctx.Execute(PrintFieldRowNoSpace(277, "处方金额"));
    ctx.Execute(PrintFieldRowNoSpace(277, "收款金额"));

    // The document's supplier joins as the last column; a document without a
    // known supplier is not listed.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do入库明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'RK' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
    K.名称 AS 存放位置, B.生产批号, B.有效期至, B.数量, B.单价, B.金额, B.单项备注, Y.*, G.名称 AS 客商单位
FROM dbo.D入库单 A
    INNER JOIN dbo.D入库数据 B ON A.单据编号 = B.单据编号
    INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
    INNER JOIN dbo.T员工档案 S ON A.审核人 = S.编号
    INNER JOIN dbo.T库房药房 K ON A.存放位置 = K.编号
    INNER JOIN dbo.VJ药品卫材 Y ON B.编号 = Y.编号
    INNER JOIN dbo.T供货单位 G ON A.客商单位 = G.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (K.编号 = @vKey OR @vKey = '00')
)
)"));

    ctx.Execute(ShortColumnValuesNoSpace("247,'客商单位','往来单位',100,'S',-1"));
}

void Update_161_To_162(StepContext& ctx) {
    // Only real changes: a change to the same price is not listed.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do调价明细列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'DJ' + dbo.DoAddZero(A.序号, 10) AS 单据编号, A.调价时间, A.原定价, A.现定价, A.备注 AS 调价备注,
    Z.名称 AS 制单人, Y.*, IsNull(A.调价数量, 0) AS 调价数量, A.现定价 - A.原定价 AS 调价差额,
    (A.现定价 - A.原定价) * IsNull(A.调价数量, 0) AS 调价总差额, KK.名称 AS 存放位置
FROM dbo.D销售调价列表 A
    INNER JOIN dbo.VJ药品卫材 Y ON A.编号 = Y.编号
    INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
    LEFT JOIN dbo.T库房药房 KK ON A.存放位置 = KK.编号
WHERE A.调价时间 BETWEEN @vBegin AND @vEnd AND (A.制单人 = @vKey OR @vKey = '00') AND A.现定价 <> A.原定价
)
)"));
}

void Update_162_To_163(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D门诊收费列表 ADD 会员卡号 int DEFAULT 0");
    ctx.Execute("UPDATE D门诊收费列表 SET 会员卡号=0");
    ctx.Execute("ALTER TABLE D住院收费列表 ADD 会员卡号 int DEFAULT 0");
    ctx.Execute("UPDATE D住院收费列表 SET 会员卡号=0");
    ctx.Execute(ReportColumnValuesNoSpace("340,'会员名称','会员名称',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("258,'会员名称','会员名称',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("35,'会员名称','会员名称',100,0,1000,'L',0,'S',-1,'C'"));
}

void Update_163_To_164(StepContext& ctx) {
    // Granted to every role there is now, without testing for a grant.
    ctx.Execute("INSERT INTO T操作权限(编号,名称,所属分类,序号) VALUES (274,'允许查看成本价格',70,50)");
    ctx.Execute("INSERT INTO D角色权限(角色编号,权限编号) SELECT 编号,274 FROM D角色档案");
}

void Update_164_To_165(StepContext& ctx) {
    // 所属类 holds the four letters NULL as text, not an SQL NULL.
    ctx.Execute("INSERT INTO T付款方式(编号,名称,类别,所属类,编码,备注) VALUES ('08','社区卡','现金','NULL','08','')");
}

void Update_165_To_166(StepContext& ctx) {
    ctx.Execute(ReportColumnValuesNoSpace("317,'卡上余额','卡上余额',200,0,1000,'L',0,'E',0,'C'"));
}

void Update_166_To_167(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D物资盘点明细表] (
	[盘点序号] [int] NULL ,
	[仓库编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[物资编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[备注] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[盈亏数量] [numeric](18, 4) NULL 
) ON [PRIMARY]
)"));
}

void Update_167_To_168(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 补款挂帐 money DEFAULT 0");
    ctx.Execute("UPDATE D住院结帐列表 SET 补款挂帐=0");
    // Only these three values are given; the caption and the other columns stay NULL.
    ctx.Execute("INSERT INTO F报表格式(表编号,字段名称,序号,数据类型,统计结果) VALUES (221,'补款挂帐',500,'E',0)");

    // With d = 预交金额 - 费用总额: a normal settlement refunds d + 补款挂帐 when
    // d > 0 and collects -(d + 补款挂帐) when d < 0, so the part put on account
    // is not collected; one that is not normal leaves -d as the patient's debt.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do住院结帐列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(S.序号, 10) AS 序号, dbo.DoAddZero(S.住院编号, 10) AS 住院编号, S.结帐时间,
    P.名称 AS 付款方式, E.名称 AS 操作员, S.预交金额, S.费用总额,
    CASE WHEN S.预交金额 - S.费用总额 > 0 AND S.正常结帐 = 1
        THEN S.预交金额 - S.费用总额 + S.补款挂帐 ELSE 0 END AS 出院退款,
    CASE WHEN S.预交金额 - S.费用总额 < 0 AND S.正常结帐 = 1
        THEN -(S.预交金额 - S.费用总额 + S.补款挂帐) ELSE 0 END AS 出院补款,
    CASE WHEN S.预交金额 - S.费用总额 <> 0 AND S.正常结帐 = 0
        THEN -(S.预交金额 - S.费用总额) ELSE 0 END AS 病人欠款,
    '正常' AS 状态, Z.名称 AS 姓名, Z.性别, S.结算类型, S.优惠减免, S.报销金额, S.自付金额, S.补款挂帐
FROM dbo.D住院结帐列表 S
    INNER JOIN dbo.T付款方式 P ON S.付款方式 = P.编号
    INNER JOIN dbo.T员工档案 E ON S.操作员 = E.编号
    INNER JOIN dbo.ALL住院档案 Z ON S.住院编号 = Z.编号 AND S.状态 = 'N'
WHERE (S.操作员 = @vKey OR @vKey = '00') AND S.结帐时间 BETWEEN @vBegin AND @vEnd
)
)"));

    // The inpatient invoice layout.
    ctx.Execute(PrintFieldRowNoSpace(307, "挂帐金额"));
    ctx.Execute(PrintFieldRowNoSpace(307, "非挂帐金额"));
}

void Update_168_To_169(StepContext& ctx) {
    // Quantities are shown without a total, amounts are summed.
    ctx.Execute(rows::BareReportRowNoSpace(355, "进销存汇总表"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'药品编号','药品编号',-1,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'药品编码','药品编码',-1,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'名称','名称',-1,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'规格','规格',-1,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'期初数量','期初数量',-1,'N',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'期初金额','期初金额',-1,'E',0"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'入库数量','入库数量',-1,'N',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'入库金额','入库金额',-1,'E',0"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'出库数量','出库数量',-1,'N',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'出库金额','出库金额',-1,'E',0"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'结余数量','结余数量',-1,'N',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("355,'结余金额','结余金额',-1,'E',0"));
}

}  // namespace quenvatrix::steps
