// Versions 5 to 12: early hospital settings, the same-invoice item of outpatient
// charge items, the change-calculation flag of operators, and the store's drug
// list without stock figures.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_5_To_6(StepContext& ctx) {
    ctx.Execute("Delete From F报表格式 Where 表编号=29 And 字段名称='五笔简码'");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 到期报警提前 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 到期报警提前=95");
}

void Update_6_To_7(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 住院部使用门诊科室 bit");
    ctx.Execute("UPDATE T医院资料 SET 住院部使用门诊科室=0");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 门诊部使用住院科室 bit");
    ctx.Execute("UPDATE T医院资料 SET 门诊部使用住院科室=0");
}

void Update_7_To_8(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] DROP COLUMN 单独门诊发票");
    ctx.Execute("ALTER TABLE [dbo].[T门诊项目] ADD 同票项目 varchar(4)");
    ctx.Execute("UPDATE T门诊项目 SET 同票项目='0000'");
    // Outpatient charge items with the names of their accounting department and
    // of their same-invoice item, both looked up with outer joins.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT T门诊项目.编号, T门诊项目.名称, T门诊项目.拼音简码, T门诊项目.收费方式, T门诊项目.有效状态,
    T门诊项目.计量单位, T门诊项目.规格说明, T门诊项目.所属类, T门诊项目.五笔简码, T门诊项目.备注,
    T门诊项目.编码, T科室档案.名称 AS 核算科室, T门诊项目_1.名称 AS 同票项目
FROM T门诊项目
    LEFT OUTER JOIN T科室档案 ON T门诊项目.核算科室 = T科室档案.编号
    LEFT OUTER JOIN T门诊项目 T门诊项目_1 ON T门诊项目.同票项目 = T门诊项目_1.编号
)"));
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题,序号) Values (28,'同票项目','同票项目',100)");
}

void Update_8_To_9(StepContext& ctx) {
    ctx.Execute("Update F报表格式 Set 此列屏蔽=0,此列必选=1 Where 表编号=103 And 字段名称='有效期至'");
}

void Update_9_To_10(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 模块类型 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 模块类型=0");
    ctx.Execute("Delete From T操作权限 Where 编号=22 Or 编号=23");
    // The drug list of a store without stock figures; @vDispOther is taken but not used.
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do无库划价列表 (@v仓库编号 varchar(4), @vDispOther tinyint)
RETURNS TABLE
AS
RETURN (
SELECT 编号, 名称, 规格, 生产厂商, 拼音简码, 五笔简码, 有效状态, 销售定价, 0 AS 库存数量, 0 AS 可用数量
FROM VJ药品卫材
WHERE Left(编号, 1) <> 'C'
    AND 药品类型 = (SELECT 类别 FROM T库房药房 WHERE 编号 = @v仓库编号)
)
)"));
}

void Update_10_To_11(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T员工档案] ADD 电脑找补 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 电脑找补=0");
}

void Update_11_To_12(StepContext& ctx) {
    ctx.Execute("Update F报表列表 Set 隶属分类=2 Where 编号=257");
    ctx.Execute("Update F报表列表 Set 隶属分类=3 Where 编号=258");
}

void Update_12_To_13(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do持款员工列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 编号, 名称, 性别, 联系电话, 联系地址, 身份证号, 医生, 所属科室, 暂存金额
FROM VJ员工档案
WHERE 暂存金额 <> 0 AND (编号 = @vKey OR @vKey = '00')
)
)"));
}

}  // namespace quenvatrix::steps
