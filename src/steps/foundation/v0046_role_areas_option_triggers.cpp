// Version 46: work areas of roles, the triggers of the option lists, and the
// retail amount on drug documents, drug views and stock reports.
#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/foundation/v0046_reissued_objects.h"

namespace quenvatrix::steps {

namespace {

// Renaming a bed category renames it in every bed. A statement that changes
// one entry is read from its one deleted and inserted row. A statement that
// changes several entries pairs each old row with its new row by list and
// code: reading one row of each set there could pair two different entries and
// give the beds of one category the name of another.
void CreateBedCategoryRenameTrigger(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TRIGGER Do修改床位类别 ON T综合选项
FOR UPDATE
AS
Declare @m类别 nvarchar(10), @m原名称 nvarchar(10), @m新名称 nvarchar(10)
If (Select Count(*) From deleted) = 1
Begin
    Select @m类别 = 类别, @m原名称 = 名称 From deleted
    Select @m新名称 = 名称 From inserted
    If @m类别 = '床位类别'
        Update T床位档案 Set 类别 = @m新名称 Where 类别 = @m原名称
End
Else
    Update T床位档案 Set 类别 = I.名称
    From T床位档案, deleted D, inserted I
    Where D.类别 = '床位类别' And I.类别 = D.类别 And I.编码 = D.编码 And T床位档案.类别 = D.名称
)"));
}

// Deleting an option still in use is refused. Every deleted entry is checked,
// so a statement deleting several entries is refused when any of them is in use.
void ReissueOptionDeleteTrigger(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER TRIGGER NoDelete_综合选项 ON T综合选项
FOR DELETE
AS
If Exists (Select * From deleted D Where D.类别 = '入库类型'
           And Exists (Select * From D入库单 Where D入库单.入库方式 = D.编码))
Begin
    RAISERROR ('该种入库类型已被#入库单使用,不能删除！', 16, 1)
    ROLLBACK TRANSACTION
    RETURN
End
If Exists (Select * From deleted D Where D.类别 = '出库类型'
           And Exists (Select * From D出库单 Where D出库单.出库方式 = D.编码))
Begin
    RAISERROR ('该种出库类型已被#出库单使用,不能删除！', 16, 1)
    ROLLBACK TRANSACTION
    RETURN
End
If Exists (Select * From deleted D Where D.类别 = '床位类别'
           And Exists (Select * From T床位档案 Where T床位档案.类别 = D.名称))
Begin
    RAISERROR ('该项目已被床位档案使用,不能删除！', 16, 1)
    ROLLBACK TRANSACTION
    RETURN
End
)"));
}

void ReissueStockDetailFunctions(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do采购明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'JH' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, G.名称 AS 客商单位,
    Z.名称 AS 制单人, S.名称 AS 审核人, K.名称 AS 存放位置, B.生产批号, B.有效期至,
    B.数量, B.单价, B.金额, B.单项备注, Y.*, B.数量 * Y.销售定价 AS 零售金额
FROM D进货单 A INNER JOIN
    D进货数据 B ON A.单据编号 = B.单据编号 INNER JOIN
    T员工档案 Z ON A.制单人 = Z.编号 INNER JOIN
    T员工档案 S ON A.审核人 = S.编号 INNER JOIN
    T供货单位 G ON A.客商单位 = G.编号 INNER JOIN
    T库房药房 K ON A.存放位置 = K.编号 INNER JOIN
    VJ药品卫材 Y ON Y.编号 = B.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (Y.药品类型 = @vKey OR @vKey = '00')
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do出库明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'CK' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期,
    Z.名称 AS 制单人, S.名称 AS 审核人, K.名称 AS 存放位置, B.生产批号,
    B.数量, B.单价, B.金额, B.单项备注, Y.*, B.数量 * Y.销售定价 AS 零售金额
FROM D出库单 A INNER JOIN
    D出库数据 B ON A.单据编号 = B.单据编号 INNER JOIN
    T员工档案 Z ON A.制单人 = Z.编号 INNER JOIN
    T员工档案 S ON A.审核人 = S.编号 INNER JOIN
    T库房药房 K ON A.存放位置 = K.编号 INNER JOIN
    VJ药品卫材 Y ON Y.编号 = B.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (K.编号 = @vKey OR @vKey = '00')
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do入库明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'RK' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期,
    Z.名称 AS 制单人, S.名称 AS 审核人, K.名称 AS 存放位置, B.生产批号, B.有效期至,
    B.数量, B.单价, B.金额, B.单项备注, Y.*, B.数量 * Y.销售定价 AS 零售金额
FROM D入库单 A INNER JOIN
    D入库数据 B ON A.单据编号 = B.单据编号 INNER JOIN
    T员工档案 Z ON A.制单人 = Z.编号 INNER JOIN
    T员工档案 S ON A.审核人 = S.编号 INNER JOIN
    T库房药房 K ON A.存放位置 = K.编号 INNER JOIN
    VJ药品卫材 Y ON Y.编号 = B.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (K.编号 = @vKey OR @vKey = '00')
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do调拨统计表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'DP' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期,
    Z.名称 AS 制单人, S.名称 AS 审核人, CK.名称 AS 出货仓库, SK.名称 AS 收货仓库,
    B.生产批号, B.有效期至, B.数量, B.单价, B.金额, B.单项备注, Y.*,
    B.数量 * Y.销售定价 AS 零售金额
FROM D调拨单 A INNER JOIN
    D调拨数据 B ON A.单据编号 = B.单据编号 INNER JOIN
    T员工档案 Z ON A.制单人 = Z.编号 INNER JOIN
    T员工档案 S ON A.审核人 = S.编号 INNER JOIN
    T库房药房 CK ON A.出货仓库 = CK.编号 INNER JOIN
    T库房药房 SK ON A.收货仓库 = SK.编号 INNER JOIN
    VJ药品卫材 Y ON Y.编号 = B.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (SK.编号 = @vKey OR @vKey = '00')
)
)"));
}

}  // namespace

void Update_46_To_47(StepContext& ctx) {
    CreateBedCategoryRenameTrigger(ctx);
    ReissueOptionDeleteTrigger(ctx);

    ctx.Execute("ALTER TABLE D角色档案 ADD 全部药房操作 bit");
    ctx.Execute("ALTER TABLE D角色档案 ADD 全部护士站操作 bit");
    ctx.Execute("UPDATE D角色档案 SET 全部药房操作=1,全部护士站操作=1");
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D角色分区] (
	[角色编号] [smallint] NULL ,
	[分区编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[类别] [nchar] (3) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D角色分区] ADD 
	CONSTRAINT [FK_D角色分区_D角色档案] FOREIGN KEY 
	(
		[角色编号]
	) REFERENCES [dbo].[D角色档案] (
		[编号]
	) ON DELETE CASCADE 
)"));

    ctx.Execute("INSERT INTO F报表格式 VALUES (100,'销售金额','销售金额',90,0,1035,'R',1,'E',-1,'R')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (101,'销售金额','销售金额',90,0,1035,'R',1,'E',-1,'R')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (102,'销售金额','销售金额',90,0,1035,'R',1,'E',-1,'R')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (103,'销售金额','销售金额',90,0,1035,'R',1,'E',-1,'R')");
    ctx.Execute("INSERT INTO T单据格式 VALUES (100,'销售金额',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 VALUES (101,'销售金额',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'销售金额',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 VALUES (103,'销售金额',0,0,0,0)");

    ctx.Execute(v0046::AlterVJ药品卫材WithMakerAddress());
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJXS药品卫材
AS
SELECT '' AS 生产批号, '' AS 灭菌日期, '' AS 有效期至, '' AS 生产日期, 0 AS 原单价, 0 AS 调后差额,
    T生产单位.名称 AS 生产厂商, '' AS 成本均价, '' AS 报损金额, T药品卫材.*, 0 AS 销售金额
FROM T药品卫材 LEFT OUTER JOIN
    T生产单位 ON T药品卫材.生产商编号 = T生产单位.编号
)"));

    ReissueStockDetailFunctions(ctx);

    ctx.Execute("INSERT INTO F报表格式 VALUES (267,'零售金额','零售金额',90,0,1035,'R',1,'E',0,'R')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (249,'零售金额','零售金额',90,0,1035,'R',1,'E',0,'R')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (247,'零售金额','零售金额',90,0,1035,'R',1,'E',0,'R')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (251,'零售金额','零售金额',90,0,1035,'R',1,'E',0,'R')");

    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do病人自动记帐列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT A.开始时间, A.住院编号, B.名称 AS 病人姓名, B.当前科室, B.当前床位, C.名称 AS 项目名称,
    A.单价, A.数量, A.单价 * A.数量 AS 金额, D.名称 AS 处方医生, E.名称 AS 处方科室,
    F.名称 AS 核算科室, B.当前床位编号 AS 当前床位编号47
FROM D自动记帐列表 A, VJ住院档案 B, T住院项目 C, T员工档案 D, T科室档案 E, T科室档案 F
WHERE A.住院编号 = B.编号 AND A.费用编号 = C.编号 AND D.编号 = A.处方医生
    AND E.编号 = A.处方科室 AND F.编号 = A.核算科室
    AND A.开始时间 BETWEEN @vBegin AND @vEnd AND (A.费用编号 = @vKey OR @vKey = '00')
)
)"));
}

}  // namespace quenvatrix::steps
