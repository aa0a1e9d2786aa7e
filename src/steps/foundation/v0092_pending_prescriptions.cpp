// Versions 92 to 95: the pharmacy's table of pending prescription quantities,
// the outpatient summary per cashier, wider item codes and names, and
// quantities with five decimals.

#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_92_To_93(StepContext& ctx) {
    // One row per line of an open prescription; 门诊 tells outpatient (1) from
    // inpatient (0), since the two are numbered apart.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T待处理处方单] (
    [处方序号] [int] NULL ,
    [药房] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [药品编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [生产批号] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
    [数量] [numeric](9, 0) NULL ,
    [门诊] [bit] NULL
) ON [PRIMARY]
)"));

    ctx.Execute(Lines(R"(
ALTER FUNCTION Do库存已用数量 ()
RETURNS TABLE
AS
RETURN (
Select 药房, 药品编号, 生产批号, Sum(IsNull(数量,0)) As 数量
From T待处理处方单
Group By 药房, 药品编号, 生产批号
)
)"));

    ctx.Execute(Lines(R"(
Insert Into T待处理处方单 (门诊, 处方序号, 药房, 药品编号, 生产批号, 数量)
Select 1, A.序号, 药房, 药品编号, 生产批号, 数量
From D划价单 A Inner Join D划价数据 B On A.序号 = B.序号
Where A.状态 <> 'S' And A.作废 = 0
)"));

    ctx.Execute(Lines(R"(
Insert Into T待处理处方单 (门诊, 处方序号, 药房, 药品编号, 生产批号, 数量)
Select 0, A.序号, 药房, 药品编号, 生产批号, 数量
From D住院划价单 A Inner Join D住院划价数据 B On A.序号 = B.序号
Where A.状态 <> 'S' And A.作废 = 0
)"));
}

void Update_93_To_94(StepContext& ctx) {
    // Takings per cashier net of refunds; fully refunded lines are left out.
    ctx.Execute(Lines(R"(
ALTER FUNCTION Do门诊汇总表_操作员 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select dbo.DoAddZero(Y.编号,4) As 编号, Y.名称, Y.性别, K.名称 As 所属科室,
    Count(*) As 收费次数, Sum(B.项目金额-B.退回金额) As 合计金额
From D门诊收费列表 A, D门诊收费数据 B, T员工档案 Y, T科室档案 K
Where A.序号 = B.序号 And A.收款人 = Y.编号 And Y.所属科室 = K.编号
    And (B.项目编号 = @vKey Or @vKey = '00') And B.状态 = 'N' And B.项目金额 > B.退回金额
    And A.发生时间 Between @vBegin And @vEnd
Group By Y.编号, Y.名称, Y.性别, K.名称
)
)"));

    // Only outpatient rows: an inpatient prescription may bear the same number.
    ctx.Execute("Delete From T待处理处方单 Where 门诊 = 1 And 处方序号 In (Select 序号 From D划价单 Where 状态 = 'S')");
}

void Update_94_To_95(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T门诊项目 ALTER COLUMN 编码 nvarchar(15)");
    ctx.Execute("ALTER TABLE T门诊项目 ALTER COLUMN 名称 nvarchar(30)");
    ctx.Execute("ALTER TABLE T住院项目 ALTER COLUMN 编码 nvarchar(15)");
    ctx.Execute("ALTER TABLE T住院项目 ALTER COLUMN 名称 nvarchar(30)");
}

void Update_95_To_96(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院划价数据 ALTER COLUMN 数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D住院划价数据 ALTER COLUMN 退回数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D住院记帐草稿 ALTER COLUMN 数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D住院退药数据 ALTER COLUMN 数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D住院退药数据 ALTER COLUMN 退回数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D划价数据 ALTER COLUMN 数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D划价数据 ALTER COLUMN 退回数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D门诊退药数据 ALTER COLUMN 数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE D门诊退药数据 ALTER COLUMN 退回数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T库存物资 ALTER COLUMN 库存数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T库存药品 ALTER COLUMN 库存数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T物资变化明细 ALTER COLUMN 入库数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T物资变化明细 ALTER COLUMN 库存余量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T物资材料 ALTER COLUMN 最低存量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T物资材料 ALTER COLUMN 最高存量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T药品变化明细 ALTER COLUMN 入库数量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T药品变化明细 ALTER COLUMN 库存余量 numeric(18, 5)");
    ctx.Execute("ALTER TABLE T待处理处方单 ALTER COLUMN 数量 numeric(18, 5)");
}

}  // namespace quenvatrix::steps
