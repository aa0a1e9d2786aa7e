// Versions 13 to 20: the stored line position of stock and materials documents,
// the daily income summary, the store picker of report 267, the standard amount
// of outpatient items and the retail stock total of two stock reports.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_13_To_14(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[D进货数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D进货数据 SET 行序=0");
    ctx.Execute("ALTER TABLE [dbo].[D入库数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D入库数据 SET 行序=0");
    ctx.Execute("ALTER TABLE [dbo].[D出库数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D出库数据 SET 行序=0");
    ctx.Execute("ALTER TABLE [dbo].[D调拨数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D调拨数据 SET 行序=0");
    ctx.Execute("ALTER TABLE [dbo].[D物资入库数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D物资入库数据 SET 行序=0");
    ctx.Execute("ALTER TABLE [dbo].[D物资出库数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D物资出库数据 SET 行序=0");
    ctx.Execute("ALTER TABLE [dbo].[D物资调拨数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D物资调拨数据 SET 行序=0");
    ctx.Execute("ALTER TABLE [dbo].[D物资领用数据] ADD 行序 smallint DEFAULT 0");
    ctx.Execute("UPDATE D物资领用数据 SET 行序=0");
}

void Update_14_To_15(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 中卫效期报警 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 中卫效期报警=0");
}

// One row per day of outpatient charging, with that day's registrations and
// inpatient settlements beside it. The rows are ordered by the registration
// day, so days without registrations come first.
void Update_15_To_16(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do医院收入汇总_月报表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 1000 M.年号, M.月份, M.日号,
    IsNull(G.挂号次数, 0) AS 挂号次数, IsNull(G.合计金额, 0) AS 挂号金额,
    IsNull(M.收费次数, 0) AS 收费次数, IsNull(M.合计金额, 0) AS 收费金额,
    IsNull(Z.结帐次数, 0) AS 结帐次数, IsNull(Z.结帐金额, 0) AS 结帐金额,
    IsNull(G.合计金额, 0) + IsNull(M.合计金额, 0) + IsNull(Z.结帐金额, 0) AS 当天总金额
FROM dbo.Do门诊收费汇总_月报表(@vKey, @vBegin, @vEnd) M
    LEFT JOIN dbo.Do挂号汇总表_月报表(@vKey, @vBegin, @vEnd) G
        ON M.年号 = G.年号 AND M.月份 = G.月份 AND M.日号 = G.日号
    LEFT JOIN dbo.Do住院结帐汇总_月报表(@vKey, @vBegin, @vEnd) Z
        ON M.年号 = Z.年号 AND M.月份 = Z.月份 AND M.日号 = Z.日号
ORDER BY G.年号, G.月份, G.日号
)
)"));
}

void Update_16_To_17(StepContext& ctx) {
    ctx.Execute("Update F报表列表 Set 主键标题='库房名称：',主键查询='Select 编号,名称 From T库房药房' Where 编号=267");
}

void Update_17_To_18(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T门诊项目] ADD 标准金额 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE T门诊项目 SET 标准金额=0");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT T门诊项目.编号, T门诊项目.名称, T门诊项目.拼音简码, T门诊项目.收费方式, T门诊项目.有效状态,
    T门诊项目.计量单位, T门诊项目.规格说明, T门诊项目.所属类, T门诊项目.五笔简码, T门诊项目.备注,
    T门诊项目.编码, T科室档案.名称 AS 核算科室, T门诊项目_1.名称 AS 同票项目, T门诊项目.标准金额
FROM T门诊项目
    LEFT OUTER JOIN T科室档案 ON T门诊项目.核算科室 = T科室档案.编号
    LEFT OUTER JOIN T门诊项目 T门诊项目_1 ON T门诊项目.同票项目 = T门诊项目_1.编号
)"));
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题,序号) Values (28,'标准金额','标准金额',100)");
}

void Update_18_To_19(StepContext& ctx) {
    ctx.Execute(
        "Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型) Values (200,'库存零售总额','库存零售总额',100,'E')");
    ctx.Execute(
        "Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型) Values (211,'库存零售总额','库存零售总额',100,'E')");
}

void Update_19_To_20(StepContext& ctx) {
    ctx.Execute("Update F报表格式 Set 数据类型='E',统计结果=0 Where 表编号=200 And 字段名称='库存零售总额'");
}

void Update_20_To_21(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] DROP COLUMN 住院部使用门诊科室");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] DROP COLUMN 门诊部使用住院科室");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 自动出院 bit");
    ctx.Execute("UPDATE T医院资料 SET 自动出院=0");
}

}  // namespace quenvatrix::steps
