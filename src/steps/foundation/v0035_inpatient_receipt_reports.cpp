// Versions 35 to 38: the paid flag of inpatient charge lines and three reports
// that count only paid lines (category 按收款查询), the amount fields of the
// inpatient invoice layout 307, the inpatient invoice offsets of workstations and
// the rows per page of the outpatient invoice layout 305.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_35_To_36(StepContext& ctx) {
    ctx.Execute("Insert Into F报表分类(编号,名称,所属类) Values (16,'按记帐查询',12)");
    ctx.Execute("Insert Into F报表分类(编号,名称,所属类) Values (17,'按收款查询',12)");

    ctx.Execute(
        "Insert Into F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源类型,数据源,主键标题,"
        "主键查询,序号,默认时段,查询条件) Values (308,'住院收款汇总表『处方医生』','N',' ',' ','U',17,'系统管理员',"
        "'2004-1-15','FUN','Do住院收款汇总表_处方医生','项目明细：','Select 编号,名称 From T住院项目',8,'D',' ')");
    ctx.Execute("Insert Into F报表格式 Values (308,'编号','职员编号',1,0,1005,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (308,'名称','名称',2,0,1425,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (308,'性别','性别',3,0,1005,'C',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (308,'所属科室','所属科室',4,0,1110,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (308,'处方次数','处方次数',5,0,1005,'R',0,'N',0,'C')");
    ctx.Execute("Insert Into F报表格式 Values (308,'合计金额','合计金额',6,0,1935,'R',0,'E',0,'C')");

    // Lines written before the upgrade count as paid; later ones start unpaid.
    ctx.Execute("ALTER TABLE [dbo].[D住院记帐列表] ADD 已交款36 bit DEFAULT 0");
    ctx.Execute("UPDATE D住院记帐列表 SET 已交款36=1");

    // Paid lines of the period per prescribing doctor, for one item ('00' for all).
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do住院收款汇总表_处方医生 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(T员工档案.编号, 4) AS 编号, T员工档案.名称, T员工档案.性别, T科室档案.名称 AS 所属科室,
    Count(*) AS 处方次数, Sum(D住院记帐列表.金额) AS 合计金额
FROM D住院记帐列表, T员工档案, T科室档案
WHERE D住院记帐列表.处方医生 = T员工档案.编号 AND T员工档案.所属科室 = T科室档案.编号
    AND D住院记帐列表.作废 = 0 AND D住院记帐列表.记帐时间 BETWEEN @vBegin AND @vEnd
    AND D住院记帐列表.已交款36 = 1
    AND (D住院记帐列表.费用明细 = @vKey OR @vKey = '00')
GROUP BY T员工档案.编号, T员工档案.名称, T员工档案.性别, T科室档案.名称
)
)"));

    ctx.Execute("Update F报表列表 Set 隶属分类=16 Where 隶属分类=12 And 名称 Like '住院记帐%'");

    ctx.Execute(
        "Insert Into F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源类型,数据源,主键标题,"
        "主键查询,序号,默认时段,查询条件) Values (309,'住院收款项目类型汇总表','N',' ',' ','U',17,'系统管理员',"
        "'2004-1-15','FUN','Do住院收款收费项目汇总表','处方医师：','Select 编号,名称 From T员工档案 Where 医生=''是''',"
        "3,'D',' ')");
    ctx.Execute("Insert Into F报表格式 Values (309,'编号','项目编号',1,0,960,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (309,'名称','项目名称',2,0,2565,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (309,'发生次数','发生次数',3,0,1065,'R',0,'N',0,'C')");
    ctx.Execute("Insert Into F报表格式 Values (309,'项目总金额','项目总金额',4,0,1620,'R',0,'E',0,'C')");

    // Paid lines of the period per item category, for one prescribing doctor ('00' for all).
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do住院收款收费项目汇总表 (@vOpt varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT T项目类型.编号, T项目类型.名称, Count(*) AS 发生次数, Sum(D住院记帐列表.金额) AS 项目总金额
FROM D住院记帐列表, T住院项目, T项目类型
WHERE D住院记帐列表.费用明细 = T住院项目.编号 AND T住院项目.所属类型 = T项目类型.名称
    AND D住院记帐列表.作废 = 0 AND D住院记帐列表.记帐时间 BETWEEN @vBegin AND @vEnd
    AND D住院记帐列表.已交款36 = 1
    AND (D住院记帐列表.处方医生 = @vOpt OR @vOpt = '00')
GROUP BY T项目类型.编号, T项目类型.名称
)
)"));

    ctx.Execute(
        "Insert Into F报表列表(编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源类型,数据源,主键标题,"
        "主键查询,序号,默认时段,查询条件) Values (310,'住院收款汇总表『操作员』','N','',' ','U',17,'系统管理员',"
        "'2004-1-15','FUN','Do住院收款汇总表_操作员','项目明细：','Select 编号,名称 From T住院项目',7,'D',' ')");
    ctx.Execute("Insert Into F报表格式 Values (310,'编号','职员编号',1,0,1035,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (310,'名称','名称',2,0,1725,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (310,'性别','性别',3,0,840,'C',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (310,'所属科室','所属科室',4,0,1290,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (310,'记帐次数','记帐次数',5,0,1140,'R',0,'N',0,'C')");
    ctx.Execute("Insert Into F报表格式 Values (310,'合计金额','合计金额',6,0,1740,'R',0,'E',0,'C')");

    // Paid lines of the period per operator who entered them, for one item ('00' for all).
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do住院收款汇总表_操作员 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(T员工档案.编号, 4) AS 编号, T员工档案.名称, T员工档案.性别, T科室档案.名称 AS 所属科室,
    Count(*) AS 记帐次数, Sum(D住院记帐列表.金额) AS 合计金额
FROM D住院记帐列表, T员工档案, T科室档案
WHERE D住院记帐列表.操作员 = T员工档案.编号 AND T员工档案.所属科室 = T科室档案.编号
    AND D住院记帐列表.作废 = 0 AND D住院记帐列表.记帐时间 BETWEEN @vBegin AND @vEnd
    AND D住院记帐列表.已交款36 = 1
    AND (D住院记帐列表.费用明细 = @vKey OR @vKey = '00')
GROUP BY T员工档案.编号, T员工档案.名称, T员工档案.性别, T科室档案.名称
)
)"));
}

void Update_36_To_37(StepContext& ctx) {
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'预交金额')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'出院退款')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'出院补款')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'大写分')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'大写角')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'大写元')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'大写拾元')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'大写佰元')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'大写仟元')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'大写万元')");
}

void Update_37_To_38(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T网络列表] ADD 住院左边界 real DEFAULT 0");
    ctx.Execute("UPDATE T网络列表 SET 住院左边界=0");
    ctx.Execute("ALTER TABLE [dbo].[T网络列表] ADD 住院上边界 real DEFAULT 0");
    ctx.Execute("UPDATE T网络列表 SET 住院上边界=0");
}

void Update_38_To_39(StepContext& ctx) {
    ctx.Execute("Update F报表属性 Set int每页行数=3 Where int报表编号=305 And int每页行数=40");
}

}  // namespace quenvatrix::steps
