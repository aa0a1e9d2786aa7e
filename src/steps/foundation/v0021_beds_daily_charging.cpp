// Versions 21 to 28: settlement and prescription options, manual price increase
// and electronic prescription rights, bed codes and the family-bed delete guard,
// the daily automatic inpatient charging, the 0001 columns of two statistics
// reports and the quantities held by prescriptions not yet dispensed.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_21_To_22(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 使用门诊科室 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 使用门诊科室=0");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 出院结帐须审核 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 出院结帐须审核=1");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 显示处方明细 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 显示处方明细=1");
}

void Update_22_To_23(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 结帐时间 char(5)");
    ctx.Execute("UPDATE T医院资料 SET 结帐时间='23:59'");
}

void Update_23_To_24(StepContext& ctx) {
    ctx.Execute("Insert Into T操作权限(编号,名称,所属分类,序号) Values (137,'允许手工加价',4,0)");
    ctx.Execute("Insert Into D角色权限 Select 编号,137 As 权限编号 from D角色档案");
    ctx.Execute("UPDATE T床位档案 SET 编码=编号");
    ctx.Execute("Update F报表格式 Set 显示标题='床位编号',此列屏蔽=0 Where 表编号=29 And 字段名称='编码'");
    // A bed held by a family member (its number in D家属占床列表) cannot be
    // deleted. Beds whose number begins with C are never tested; the CASE keeps
    // their number from being taken as a number at all.
    ctx.Execute(Lines(R"(
ALTER TRIGGER dbo.No_删除床位资料 ON dbo.T床位档案
FOR DELETE
AS
IF EXISTS (SELECT * FROM deleted D, D家属占床列表 J
    WHERE Left(D.编号, 1) <> 'C'
        AND J.床位编号 = CASE WHEN Left(D.编号, 1) <> 'C' THEN Abs(D.编号) END)
BEGIN
    RAISERROR ('该床位已占用,不能删除！', 16, 1)
    ROLLBACK TRANSACTION
    RETURN
END
)"));
}

void Update_24_To_25(StepContext& ctx) {
    ctx.Execute("Update T操作权限 Set 名称='数据中心' Where 编号=1");
}

// The daily automatic charging of inpatients: one day of bed fees for every
// stay admitted before today, then the recurring charges not yet charged today.
void Update_25_To_26(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER PROCEDURE dbo.QVRunSystem
AS
DECLARE @vToday datetime
SET @vToday = Cast(Cast(Year(GetDate()) AS varchar(4)) + '-' + Cast(Month(GetDate()) AS varchar(2)) + '-'
    + Cast(Day(GetDate()) AS varchar(2)) AS datetime)

BEGIN TRAN

INSERT INTO D住院记帐列表 (住院编号, 费用明细, 单价, 数量, 处方医生, 处方科室, 核算科室, 操作员, 备注, 记帐方式, 金额)
SELECT A.编号, '0005', B.标准金额, 1, A.住院医师, A.当前科室, A.当前科室, '9999', '', '自动记帐', B.标准金额
FROM D住院档案 A, T床位档案 B
WHERE A.编号 = Abs(B.当前住院号) AND B.标准金额 > 0 AND A.出院效果 = '' AND A.入院时间 < @vToday

DECLARE @tab1 TABLE (当前住院号 int, 标准金额 smallmoney, 入院时间 datetime)
INSERT INTO @tab1 (当前住院号, 标准金额, 入院时间)
SELECT Abs(B.当前住院号), Sum(B.标准金额), A.入院时间
FROM T床位档案 B, D住院档案 A
WHERE B.当前住院号 <> 0 AND A.编号 = Abs(B.当前住院号) AND A.入院时间 < @vToday
GROUP BY Abs(B.当前住院号), A.入院时间

UPDATE D住院档案 SET 费用金额 = D住院档案.费用金额 + T.标准金额, 住院天数 = D住院档案.住院天数 + 1
FROM D住院档案, @tab1 T
WHERE D住院档案.编号 = T.当前住院号

UPDATE D住院档案 SET 费用金额 = D住院档案.费用金额 + S.合计金额
FROM D住院档案,
    (SELECT A1.住院编号, Sum(A1.单价 * A1.数量) AS 合计金额
     FROM D自动记帐列表 A1
     WHERE NOT EXISTS (SELECT * FROM D住院记帐列表 L
         WHERE L.住院编号 = A1.住院编号 AND L.费用明细 = A1.费用编号 AND L.记帐时间 > @vToday)
     GROUP BY A1.住院编号) S
WHERE D住院档案.编号 = S.住院编号

INSERT INTO D住院记帐列表 (住院编号, 费用明细, 单价, 数量, 处方医生, 处方科室, 核算科室, 操作员, 备注, 记帐方式, 金额)
SELECT A.住院编号, A.费用编号, A.单价, A.数量, A.处方医生, A.处方科室, A.核算科室, '9999', '', '自动记帐', A.单价 * A.数量
FROM D自动记帐列表 A
WHERE NOT EXISTS (SELECT * FROM D住院记帐列表 L
    WHERE L.住院编号 = A.住院编号 AND L.费用明细 = A.费用编号 AND L.记帐时间 > @vToday)

COMMIT TRAN
)"));
    // The running total of every stay still in hospital that has charge lines.
    // A stay whose lines are all voided gets 0, not NULL.
    ctx.Execute(Lines(R"(
UPDATE D住院档案 SET 费用金额 = L.合计金额
FROM D住院档案,
    (SELECT 住院编号, IsNull(Sum(CASE WHEN 作废 = 0 THEN 金额 ELSE 0 END), 0) AS 合计金额
     FROM D住院记帐列表
     GROUP BY 住院编号) L
WHERE D住院档案.编号 = L.住院编号 AND D住院档案.出院效果 = ''
)"));
}

// Report 20024 has a column per department and report 20042 one per employee,
// named F and the code; the column of department or employee 0001 is added
// where it is missing.
void Update_26_To_27(StepContext& ctx) {
    auto departments = ctx.Open("Select 表编号 From F报表格式 Where 表编号=20024 And 字段名称='F0001'");
    if (departments->IsBOF()) {
        ctx.Execute(
            "Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) "
            "Select 20024,'F0001',名称,100,'E',0 From T科室档案 Where 编号='0001'");
    }
    departments->Close();

    auto employees = ctx.Open("Select 表编号 From F报表格式 Where 表编号=20042 And 字段名称='F0001'");
    if (employees->IsBOF()) {
        ctx.Execute(
            "Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) "
            "Select 20042,'F0001',名称,100,'E',0 From T员工档案 Where 编号='0001'");
    }
    employees->Close();
}

void Update_27_To_28(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 电子处方金额 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 电子处方金额=0");
    ctx.Execute("Insert Into T操作权限(编号,名称,所属分类,序号) Values (138,'允许使用电子处方',2,110)");
}

// Per pharmacy and drug, the quantity held by outpatient and inpatient
// prescription lines that are neither dispensed nor voided. The pharmacy is a
// column of the prescription head, not of its lines.
void Update_28_To_29(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do库存已用数量 ()
RETURNS @tabResult TABLE (药房 varchar(4), 药品编号 varchar(5), 数量 numeric(9, 2))
AS
BEGIN
    DECLARE @tabLines TABLE (药房 varchar(4), 药品编号 varchar(5), 数量 numeric(9, 2))

    INSERT INTO @tabLines (药房, 药品编号, 数量)
    SELECT D划价单.药房, D划价数据.药品编号, IsNull(D划价数据.数量, 0)
    FROM D划价数据 INNER JOIN D划价单 ON D划价数据.序号 = D划价单.序号
    WHERE D划价单.状态 <> 'S' AND D划价单.作废 = 0
    UNION ALL
    SELECT D住院划价单.药房, D住院划价数据.药品编号, IsNull(D住院划价数据.数量, 0)
    FROM D住院划价数据 INNER JOIN D住院划价单 ON D住院划价数据.序号 = D住院划价单.序号
    WHERE D住院划价单.状态 <> 'S' AND D住院划价单.作废 = 0

    INSERT INTO @tabResult (药房, 药品编号, 数量)
    SELECT 药房, 药品编号, Sum(数量)
    FROM @tabLines
    GROUP BY 药房, 药品编号

    RETURN
END
)"));
}

}  // namespace quenvatrix::steps
