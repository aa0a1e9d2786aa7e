// Versions 40 to 45: insurance fields of drugs, stays, inpatient items and the
// hospital settings; the admitting clerk; the daily automatic charging; the
// retail price on drug documents; the prescription discount permission.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

// The drug insurance class, the log row, then the admitting clerk of a stay.
void Update_40_To_41(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T药品卫材 ADD 保险类别 nvarchar(10) DEFAULT ''");
    ctx.Execute("UPDATE T药品卫材 SET 保险类别=''");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT T生产单位.名称 AS 生产厂商, T生产单位.联系地址 AS 生产企业地址, T药品卫材.*
FROM T药品卫材 LEFT OUTER JOIN
    T生产单位 ON T药品卫材.生产商编号 = T生产单位.编号
)"));
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (21,'保险类别','保险类别',100,NULL)");
    ctx.WriteUpgradeLog("6.6.25", 41, "增加了【全国医疗保险(清单)自动分类】的报表", "", "2004-10-10");
    ctx.Execute("ALTER TABLE D住院档案 ADD 入院经办人 varchar(4) DEFAULT ''");
    ctx.Execute("UPDATE D住院档案 SET 入院经办人=''");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DW.名称 AS 所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位,
    DA.入院方式, DA.入院病情, DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址,
    DA.电话, DA.邮编, DA.关系, DA.联系人, DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注,
    DA.预交金额 - DA.费用金额 AS 病人余款, MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号,
    DK.名称 AS 当前科室, [T床位档案_1].名称 AS 当前床位, T员工档案.名称 AS 住院医师,
    DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号, DA.当前科室 AS 当前科室编号,
    DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, [T床位档案_1].名称 AS 出院床位, DA.头像编号, DA.住院天数,
    DA.已结帐 AS 结帐, ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话
FROM D住院档案 DA LEFT OUTER JOIN
    T病人单位 DW ON DA.所在单位 = DW.编号 INNER JOIN
    T科室档案 KS ON DA.入院科室 = KS.编号 INNER JOIN
    T床位档案 CW ON DA.入院床位 = CW.编号 INNER JOIN
    T员工档案 ON DA.住院医师 = T员工档案.编号 LEFT OUTER JOIN
    T员工档案 MY ON DA.门诊医师 = MY.编号 INNER JOIN
    T科室档案 DK ON DA.当前科室 = DK.编号 INNER JOIN
    T床位档案 [T床位档案_1] ON DA.当前床位 = [T床位档案_1].编号 LEFT OUTER JOIN
    T员工档案 JB ON DA.入院经办人 = JB.编号
)"));
}

// The daily automatic charging, as version 29 wrote it but for the recurring
// charges added to the stays: they are summed per stay into @tab99 first, so a
// stay with several charges due gets all of them. Their total for the day's
// business log is still taken before they are posted: once posted, today's
// lines make every charge look not due, and the log would never count them.
void Update_41_To_42(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER PROCEDURE dbo.QVAutoRun
AS
DECLARE @vToday datetime
DECLARE @dub自动记帐 money

Begin Tran

SET @vToday = Cast(Cast(Year(GetDate()) AS varchar(4)) + '-' + Cast(Month(GetDate()) AS varchar(2)) + '-'
    + Cast(Day(GetDate()) AS varchar(2)) AS datetime)

INSERT INTO D住院记帐列表 (住院编号, 费用明细, 单价, 数量, 处方医生, 处方科室, 核算科室, 操作员, 备注, 记帐方式, 金额)
SELECT A.编号, '0005', B.标准金额, 1, A.住院医师, A.当前科室, A.当前科室, '9999', '', '自动记帐', B.标准金额
FROM T床位档案 B, D住院档案 A
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

UPDATE D经营日志列表 SET 住院记帐金额 = 住院记帐金额 + IsNull((SELECT Sum(标准金额) FROM @tab1), 0)
WHERE 序号 = dbo.GetNow()

DECLARE @tab99 TABLE (住院编号 int, 金额 money)
INSERT INTO @tab99 (住院编号, 金额)
SELECT A1.住院编号, Sum(A1.单价 * A1.数量)
FROM D自动记帐列表 A1, D住院档案 A
WHERE A.编号 = A1.住院编号 AND NOT EXISTS (SELECT * FROM D住院记帐列表 L
    WHERE L.住院编号 = A1.住院编号 AND L.费用明细 = A1.费用编号 AND L.记帐时间 > @vToday)
GROUP BY A1.住院编号

UPDATE D住院档案 SET 费用金额 = D住院档案.费用金额 + T.金额
FROM D住院档案, @tab99 T
WHERE D住院档案.编号 = T.住院编号

SELECT @dub自动记帐 = IsNull(Sum(A1.单价 * A1.数量), 0)
FROM D自动记帐列表 A1
WHERE NOT EXISTS (SELECT * FROM D住院记帐列表 L
    WHERE L.住院编号 = A1.住院编号 AND L.费用明细 = A1.费用编号 AND L.记帐时间 > @vToday)

INSERT INTO D住院记帐列表 (住院编号, 费用明细, 单价, 数量, 处方医生, 处方科室, 核算科室, 操作员, 备注, 记帐方式, 金额)
SELECT A.住院编号, A.费用编号, A.单价, A.数量, A.处方医生, A.处方科室, A.核算科室, '9999', '', '自动记帐', A.单价 * A.数量
FROM D自动记帐列表 A
WHERE NOT EXISTS (SELECT * FROM D住院记帐列表 L
    WHERE L.住院编号 = A.住院编号 AND L.费用明细 = A.费用编号 AND L.记帐时间 > @vToday)

UPDATE D经营日志列表 SET 住院记帐金额 = 住院记帐金额 + @dub自动记帐
WHERE 序号 = dbo.GetNow()

Commit
)"));
}

// The retail price rule of the drug document forms 100 to 104.
void Update_42_To_43(StepContext& ctx) {
    ctx.Execute("INSERT INTO T单据格式 (表编号,字段名称,待输入,直接录入,允许为空,待保存) VALUES (100,'销售定价',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 (表编号,字段名称,待输入,直接录入,允许为空,待保存) VALUES (101,'销售定价',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 (表编号,字段名称,待输入,直接录入,允许为空,待保存) VALUES (102,'销售定价',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 (表编号,字段名称,待输入,直接录入,允许为空,待保存) VALUES (103,'销售定价',0,0,0,0)");
    ctx.Execute("INSERT INTO T单据格式 (表编号,字段名称,待输入,直接录入,允许为空,待保存) VALUES (104,'销售定价',0,0,0,0)");
}

// The purchase price in the drug list, and the prescription discount right.
void Update_43_To_44(StepContext& ctx) {
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (21,'进货价格','进货价格',100,'J')");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (140,'允许处方打折',4,0)");
}

// The charges of one stay summed per item.
void Update_44_To_45(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do病人费用项目汇总表 (@v住院编号 int)
RETURNS TABLE
AS
RETURN (
SELECT A.编号, A.名称, A.收费方式, A.标准金额, A.所属类型,
    Count(*) AS 使用次数, Sum(B.数量) AS 使用数量, Sum(B.金额) AS 合计金额
FROM T住院项目 A, D住院记帐列表 B
WHERE A.编号 = B.费用明细 AND B.住院编号 = @v住院编号 AND B.作废 = 0
GROUP BY A.编号, A.名称, A.收费方式, A.标准金额, A.所属类型
)
)"));
}

// The fee type and reimbursed amount of stays, the insurance reimbursement of
// inpatient items, the lump-sum insurance settings, and the voiding of
// inpatient prescriptions that belong to no stay.
void Update_45_To_46(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院档案 ADD 费用类型 nvarchar(4) DEFAULT '自费医疗'");
    ctx.Execute("ALTER TABLE D住院档案 ADD 报销金额 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE D住院档案 SET 费用类型='自费医疗',报销金额=0");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (32,'费用类型','费用类型',100,NULL)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DW.名称 AS 所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位,
    DA.入院方式, DA.入院病情, DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址,
    DA.电话, DA.邮编, DA.关系, DA.联系人, DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注,
    DA.预交金额 - DA.费用金额 AS 病人余款, MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号,
    DK.名称 AS 当前科室, [T床位档案_1].名称 AS 当前床位, T员工档案.名称 AS 住院医师,
    DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号, DA.当前科室 AS 当前科室编号,
    DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, [T床位档案_1].名称 AS 出院床位, DA.头像编号, DA.住院天数,
    DA.已结帐 AS 结帐, ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话,
    DA.费用类型, DA.报销金额, DA.费用金额 - DA.报销金额 AS 自付金额
FROM D住院档案 DA LEFT OUTER JOIN
    T病人单位 DW ON DA.所在单位 = DW.编号 INNER JOIN
    T科室档案 KS ON DA.入院科室 = KS.编号 INNER JOIN
    T床位档案 CW ON DA.入院床位 = CW.编号 INNER JOIN
    T员工档案 ON DA.住院医师 = T员工档案.编号 LEFT OUTER JOIN
    T员工档案 MY ON DA.门诊医师 = MY.编号 INNER JOIN
    T科室档案 DK ON DA.当前科室 = DK.编号 INNER JOIN
    T床位档案 [T床位档案_1] ON DA.当前床位 = [T床位档案_1].编号 LEFT OUTER JOIN
    T员工档案 JB ON DA.入院经办人 = JB.编号
)"));
    ctx.Execute("ALTER TABLE T住院项目 ADD 保险报销 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE T住院项目 SET 保险报销=0");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (219,'保险报销','保险报销',100,'E')");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT * FROM T住院项目
)"));
    ctx.Execute("ALTER TABLE T医院资料 ADD 包干金额 smallmoney DEFAULT 0");
    ctx.Execute("ALTER TABLE T医院资料 ADD 起付金额 smallmoney DEFAULT 0");
    ctx.Execute("ALTER TABLE T医院资料 ADD 报销比例 real DEFAULT 0");
    ctx.Execute("ALTER TABLE T医院资料 ADD 年龄系数 real DEFAULT 0");
    ctx.Execute("ALTER TABLE T医院资料 ADD 项目报销 bit DEFAULT 0");
    ctx.Execute("UPDATE T医院资料 SET 包干金额=0,起付金额=0,报销比例=0,年龄系数=0,项目报销=0");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (265,'费用类型','费用类型',100,'S')");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (265,'报销金额','报销金额',100,'E')");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (265,'自付金额','自付金额',100,'E')");
    ctx.Execute("UPDATE D住院划价单 SET 作废=1 WHERE 住院编号=0");
}

}  // namespace quenvatrix::steps
