// Versions 125-129: operator switches for charge posting and printing, the
// self-pay coefficient of inpatient items, the insurance deductible and ratios
// of a stay, the settlement discount, batch printing of inpatient prescriptions,
// and the reports 337 to 339.
#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::BareReportRow;
using rows::PrintFieldRow;
using rows::StandardColumnRow;

void Update_125_To_126(StepContext& ctx) {
    ctx.Execute(BareReportRow(337, "费用记帐列表"));
    ctx.Execute(StandardColumnRow(337, "编号", -2));
    ctx.Execute(StandardColumnRow(337, "费用名称", -1));
    ctx.Execute(StandardColumnRow(337, "规格", 2));
    ctx.Execute(StandardColumnRow(337, "单价", 3));
    ctx.Execute(StandardColumnRow(337, "数量", 4));
    ctx.Execute(StandardColumnRow(337, "金额", 5));
    ctx.Execute(StandardColumnRow(337, "计价方式", 6));
    ctx.Execute(StandardColumnRow(337, "核算科室", 7));
    ctx.Execute("ALTER TABLE T员工档案 ADD 记费待交款 tinyint DEFAULT 0");
    ctx.Execute("ALTER TABLE T员工档案 ADD 记费待打印 tinyint DEFAULT 0");
    ctx.Execute("ALTER TABLE T员工档案 ADD 交款待打印 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 记费待交款=0,记费待打印=0,交款待打印=0");
}

void Update_126_To_127(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T住院项目 ADD 自付系数 real DEFAULT 0");
    ctx.Execute("UPDATE T住院项目 SET 自付系数=0");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT A.编号, A.名称, A.拼音简码, A.所属类型, A.所属类, A.收费方式, A.标准金额, A.计量单位, A.规格说明,
    A.允许欠费, A.备注, A.有效状态, A.编码, A.五笔简码, A.保险报销, A.会员价格, B.名称 AS 汇总科目,
    A.保险类别, K.名称 AS 核算科室, A.新农编码, A.新农分类, A.医保编码, A.自付系数
FROM dbo.T住院项目 A
    LEFT OUTER JOIN dbo.T汇总科目 B ON A.汇总科目 = B.编号
    LEFT OUTER JOIN dbo.T科室档案 K ON A.核算科室 = K.编号
)"));
    ctx.Execute("ALTER TABLE D住院档案 ADD 起付标准 money DEFAULT 0");
    ctx.Execute("ALTER TABLE D住院档案 ADD 自付比例 real DEFAULT 0");
    ctx.Execute("ALTER TABLE D住院档案 ADD 公务员比例 real DEFAULT 0");
    ctx.Execute("UPDATE D住院档案 SET 起付标准=0,自付比例=0,公务员比例=0");
    ctx.Execute(BareReportRow(338, "社保结算表"));
    ctx.Execute("ALTER TABLE T医院资料 ADD 医保政策位置 smallint DEFAULT 0");
    ctx.Execute("UPDATE T医院资料 SET 医保政策位置=0");
}

void Update_127_To_128(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院记帐草稿 ADD 核算科室 varchar(4)");
    ctx.Execute("ALTER TABLE T员工档案 ADD 门诊处方打印 tinyint DEFAULT 0");
    ctx.Execute("ALTER TABLE T员工档案 ADD 住院处方打印 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 门诊处方打印=0,住院处方打印=0");
}

void Update_128_To_129(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ待收款处方列表
AS
SELECT dbo.DoAddZero(D.序号, 8) AS 处方编号, D.合计金额, K.类别, K.名称 AS 取药位置, D.过单时间
FROM dbo.D划价单 D
    INNER JOIN dbo.T库房药房 K ON D.药房 = K.编号
WHERE D.状态 = 'N' AND D.作废 = 0
)"));
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊划价列表
AS
SELECT 编号, 名称, 规格说明, 拼音简码, 五笔简码, '项目' AS 项目类型, 打印名称, 医保编码, 计量单位 AS 单位, 同票项目
FROM dbo.T门诊项目
WHERE 有效状态 = '可用'
)"));
}

void Update_129_To_130(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T表单列表 ADD 备注 nvarchar(200)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ表单列表
AS
SELECT D.编号, D.名称, D.所属类, D.纸张宽度, D.纸张高度, D.编码, D.表单序号, D.背景颜色, D.显示颜色,
    CASE WHEN D.使用权 = -1 THEN '【住院医生使用】'
         WHEN D.使用权 = -2 THEN '【门诊医生使用】'
         ELSE '『' + J.名称 + '』' END AS 使用权,
    D.备注
FROM dbo.T表单列表 D
    LEFT OUTER JOIN dbo.D角色档案 J ON D.使用权 = J.编号
)"));
    ctx.Execute(StandardColumnRow(219, "自付系数", 44));
    for (const char* field : {"病人姓名", "所在床位", "开单医生", "开单科室", "本次总额"}) {
        ctx.Execute(PrintFieldRow(337, field));
    }
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 优惠减免 money DEFAULT 0");
    ctx.Execute("UPDATE D住院结帐列表 SET 优惠减免=0");
    ctx.Execute(StandardColumnRow(221, "优惠减免", 100));
    ctx.Execute(StandardColumnRow(221, "报销金额", 101));
    ctx.Execute(StandardColumnRow(221, "自付金额", 102));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do住院结帐列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(S.序号, 10) AS 序号, dbo.DoAddZero(S.住院编号, 10) AS 住院编号, S.结帐时间,
    P.名称 AS 付款方式, Y.名称 AS 操作员, S.预交金额, S.费用总额,
    CASE WHEN S.预交金额 - S.费用总额 > 0 AND S.正常结帐 = 1 THEN S.预交金额 - S.费用总额 ELSE 0 END AS 出院退款,
    CASE WHEN S.预交金额 - S.费用总额 < 0 AND S.正常结帐 = 1 THEN -(S.预交金额 - S.费用总额) ELSE 0 END AS 出院补款,
    CASE WHEN S.预交金额 - S.费用总额 <> 0 AND S.正常结帐 = 0 THEN -(S.预交金额 - S.费用总额) ELSE 0 END AS 病人欠款,
    '正常' AS 状态, D.名称 AS 姓名, D.性别, S.结算类型, S.优惠减免, S.报销金额, S.自付金额
FROM dbo.D住院结帐列表 S
    INNER JOIN dbo.T付款方式 P ON S.付款方式 = P.编号
    INNER JOIN dbo.T员工档案 Y ON S.操作员 = Y.编号
    INNER JOIN dbo.D住院档案 D ON S.住院编号 = D.编号 AND S.状态 = 'N'
WHERE (S.操作员 = @vKey OR @vKey = '00') AND S.结帐时间 BETWEEN @vBegin AND @vEnd
)
)"));
    ctx.Execute(BareReportRow(339, "病区领药汇总清单"));
    for (const char* field : {"编号", "药品名称", "规格", "单位", "生产批号", "合计数量"}) {
        ctx.Execute(StandardColumnRow(339, field, 100));
    }
    ctx.Execute(PrintFieldRow(339, "处方笔数"));
    ctx.Execute(PrintFieldRow(339, "处方列表"));
    ctx.Execute("ALTER TABLE D住院划价单 ADD 批打否 bit DEFAULT 0");
    ctx.Execute("UPDATE D住院划价单 SET 批打否=0");
}

}  // namespace quenvatrix::steps
