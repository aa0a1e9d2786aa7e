// Versions 199 to 204: the serious-illness ratio and the inpatient charges
// carried over from before on live and archived stays, the insurance prompt of
// an operator, the rural scheme code in the pricing list, the attachments of an
// outpatient visit, fixed cost and retail columns in the store summary
// reports, and the permission to export outpatient case records.
#include <string>
#include <string_view>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::BareColumnRow;
using rows::PrintFieldRow;

namespace {

// The union of live and archived stays, issued again so that its * takes in
// the columns added to both tables.
std::string AllStaysView() {
    return Lines(R"(
ALTER VIEW dbo.ALL住院档案
AS
SELECT * FROM dbo.D住院档案
UNION ALL
SELECT * FROM dbo.OLD住院档案
)");
}

// The inpatient record as the inpatient screens show it, over live and
// archived stays: the sixty columns the view had, then `tail` (the stay
// columns added since, each led by ", ").
std::string StayView(std::string_view tail) {
    return Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DA.所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位, DA.入院方式, DA.入院病情,
    DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址, DA.电话, DA.邮编, DA.关系, DA.联系人,
    DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注, DA.预交金额 - DA.费用金额 AS 病人余款,
    MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号, DK.名称 AS 当前科室, T床位档案_1.名称 AS 当前床位,
    dbo.T员工档案.名称 AS 住院医师, DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号,
    DA.当前科室 AS 当前科室编号, DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, T床位档案_1.名称 AS 出院床位, DA.头像编号, DA.住院天数, DA.已结帐 AS 结帐,
    ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话, DA.费用类型, DA.报销金额,
    DA.费用金额 - DA.报销金额 AS 自付金额, ISNULL(DA.病历编号, '') AS 病历编号, DA.家庭帐户, DA.人员编号,
    LS.名称 AS 临时医师, DA.就诊顺序号, DA.起付标准, DA.自付比例, DA.公务员比例, DA.工龄)") +
           std::string(tail) + Lines(R"(

FROM dbo.ALL住院档案 DA
    LEFT OUTER JOIN dbo.T病人单位 DW ON DA.所在单位 = DW.名称
    INNER JOIN dbo.T科室档案 KS ON DA.入院科室 = KS.编号
    INNER JOIN dbo.T床位档案 CW ON DA.入院床位 = CW.编号
    INNER JOIN dbo.T员工档案 ON DA.住院医师 = dbo.T员工档案.编号
    LEFT OUTER JOIN dbo.T员工档案 MY ON DA.门诊医师 = MY.编号
    INNER JOIN dbo.T科室档案 DK ON DA.当前科室 = DK.编号
    INNER JOIN dbo.T床位档案 T床位档案_1 ON DA.当前床位 = T床位档案_1.编号
    LEFT OUTER JOIN dbo.T员工档案 JB ON DA.入院经办人 = JB.编号
    LEFT JOIN dbo.T员工档案 LS ON DA.临时医师 = LS.编号
)");
}

}  // namespace

void Update_199_To_200(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 住院项目重复 bit");
    ctx.Execute("UPDATE T医院资料 SET 住院项目重复=0");
    ctx.Execute("ALTER TABLE D住院档案 ADD 重病比例 real DEFAULT 0");
    ctx.Execute("ALTER TABLE OLD住院档案 ADD 重病比例 real DEFAULT 0");
    ctx.Execute("UPDATE D住院档案 SET 重病比例=0");
    ctx.Execute("UPDATE OLD住院档案 SET 重病比例=0");
    ctx.Execute(AllStaysView());
    ctx.Execute(StayView(", DA.重病比例"));
}

void Update_200_To_201(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院档案 ADD 上次累计住院费 money DEFAULT 0");
    ctx.Execute("UPDATE D住院档案 SET 上次累计住院费=0");
    ctx.Execute("ALTER TABLE OLD住院档案 ADD 上次累计住院费 money DEFAULT 0");
    ctx.Execute("UPDATE OLD住院档案 SET 上次累计住院费=0");
    ctx.Execute(AllStaysView());
    ctx.Execute(StayView(", DA.重病比例, DA.上次累计住院费"));
}

void Update_201_To_202(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T员工档案 ADD 保险提示类型 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 保险提示类型=0");
    // The batches a store can price onto a bill, now with the drug's rural
    // scheme code.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do划价列表 (@v仓库编号 varchar(4), @vDispOther tinyint)
RETURNS TABLE
AS
RETURN (
SELECT Y.编码, T.药品编号 AS 编号, Y.名称, T.生产批号, Y.规格, Y.生产厂商, Y.拼音简码, Y.五笔简码, Y.有效状态,
IsNull(T.零售单价, 0) AS 销售定价, T.库存数量,
T.库存数量 - IsNull((SELECT Sum(U.数量) FROM dbo.Do库存已用数量() U
WHERE U.药房 = @v仓库编号 AND U.药品编号 = T.药品编号 AND U.生产批号 = T.生产批号), 0) AS 可用数量,
Y.会员售价, Y.保险类别, Y.新农编码
FROM dbo.T库存药品 T INNER JOIN dbo.VJ药品卫材 Y ON T.药品编号 = Y.编号
WHERE T.仓库编号 = @v仓库编号 AND (T.库存数量 > 0 OR @vDispOther = 1)
)
)"));
}

void Update_202_To_203(StepContext& ctx) {
    ctx.Execute(PrintFieldRow(305, "病员性别"));
    ctx.Execute(PrintFieldRow(305, "出生日期"));
    ctx.Execute(PrintFieldRow(305, "病员年龄"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D门诊病员附件] (
    [序号] [int] IDENTITY (1, 1) NOT NULL ,
    [门诊流水] [int] NULL ,
    [附件] [image] NULL ,
    [名称] [nvarchar] (128) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D门诊病员附件] WITH NOCHECK ADD
    CONSTRAINT [PK_D门诊病员附件] PRIMARY KEY  CLUSTERED
    (
        [序号]
    )  ON [PRIMARY]
)"));
}

void Update_203_To_204(StepContext& ctx) {
    // The price and cost columns copied from the drug view give way to fixed
    // cost and retail columns.
    ctx.Execute(
        "DELETE FROM F报表格式 WHERE 表编号 IN (362,367,374) AND (字段名称 like '%价%' OR 字段名称 like '%成本%')");
    ctx.Execute(BareColumnRow(367, "成本均价", 2000));
    ctx.Execute(BareColumnRow(367, "成本金额", 2001));
    ctx.Execute(BareColumnRow(367, "零售均价", 2002));
    ctx.Execute(BareColumnRow(367, "零售金额", 2003));
    for (int report : {368, 369, 370, 371, 373}) {
        ctx.Execute(BareColumnRow(report, "成本金额", 2001));
        ctx.Execute(BareColumnRow(report, "零售金额", 2003));
    }
    ctx.Execute(BareColumnRow(374, "成本金额", 2001));
    ctx.Execute(BareColumnRow(374, "零售金额", 2003));
    ctx.Execute(BareColumnRow(374, "成本均价", 2000));
    ctx.Execute(BareColumnRow(374, "零售均价", 2002));
    for (int report : {375, 376, 377, 378}) {
        ctx.Execute(BareColumnRow(report, "成本金额", 2001));
        ctx.Execute(BareColumnRow(report, "零售金额", 2003));
    }
}

void Update_204_To_205(StepContext& ctx) {
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (276,'允许导出门诊病历',2,0)");
}

}  // namespace quenvatrix::steps
