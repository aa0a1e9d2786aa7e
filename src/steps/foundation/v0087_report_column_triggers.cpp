// Versions 87 to 89: triggers that keep the member columns of the cross-tab
// income reports in step with staff, departments and summary subjects; the
// daily automatic charging leaves audited stays alone; the daily income summary
// also lists days without outpatient charges; registration fees as income.

#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_87_To_88(StepContext& ctx) {
    // A member column is "F" followed by the member's code, one per report.
    // Each trigger reads one row of inserted/deleted, so a multi-row statement
    // writes the columns of one of its rows only; codes beginning with C are
    // never reported.
    ctx.Execute(Lines(R"(
ALTER TRIGGER Do_新建员工档案 ON [dbo].[T员工档案]
FOR INSERT
AS
Declare @v字段名称 varchar(5)
Declare @v显示标题 nvarchar(20)
Declare @v医生 nvarchar(2)
Declare @v操作员 nvarchar(2)
Select @v字段名称=编号,@v显示标题=名称,@v医生=医生,@v操作员=操作员 From inserted
If Left(@v字段名称,1)<>'C'
Begin
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21012,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21032,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21042,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21052,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21062,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21015,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21025,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21035,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21045,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21065,'F'+@v字段名称,@v显示标题,20,'E',0)
End
If Left(@v字段名称,1)<>'C' And @v医生='是'
Begin
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20002,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20012,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20032,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20042,'F'+@v字段名称,@v显示标题,20,'E',0)
End
If Left(@v字段名称,1)<>'C' And @v操作员='是'
Begin
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20010,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20020,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20030,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20040,'F'+@v字段名称,@v显示标题,20,'E',0)
End
)"));

    ctx.Execute(Lines(R"(
ALTER TRIGGER Do_删除员工档案 ON [dbo].[T员工档案]
FOR DELETE
AS
Declare @v字段名称 varchar(5)
Declare @v医生 nvarchar(2)
Declare @v操作员 nvarchar(2)
Select @v字段名称=编号,@v医生=医生,@v操作员=操作员 From deleted
If Left(@v字段名称,1)<>'C'
Begin
    Delete From F报表格式 Where 表编号=21012 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21032 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21042 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21052 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21062 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21015 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21025 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21035 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21045 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21065 And 字段名称='F'+@v字段名称
End
If Left(@v字段名称,1)<>'C' And @v医生='是'
Begin
    Delete From F报表格式 Where 表编号=20002 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20012 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20032 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20042 And 字段名称='F'+@v字段名称
End
If Left(@v字段名称,1)<>'C' And @v操作员='是'
Begin
    Delete From F报表格式 Where 表编号=20010 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20020 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20030 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20040 And 字段名称='F'+@v字段名称
End
)"));

    ctx.Execute(Lines(R"(
ALTER TRIGGER Do新建科室档案 ON [dbo].[T科室档案]
FOR INSERT
AS
Declare @v字段名称 varchar(5)
Declare @v显示标题 nvarchar(20)
Declare @v科室类别 nvarchar(10)
Select @v字段名称=编号,@v显示标题=名称,@v科室类别=科室类别 From inserted
If Left(@v字段名称,1)<>'C'
Begin
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21013,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21023,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21043,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21053,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21063,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21014,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21024,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21034,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21054,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21064,'F'+@v字段名称,@v显示标题,20,'E',0)
End
If Left(@v字段名称,1)<>'C' And (@v科室类别='门诊' Or @v科室类别='住院')
Begin
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20003,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20013,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20023,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20043,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20004,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20014,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20024,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (20034,'F'+@v字段名称,@v显示标题,20,'E',0)
End
)"));

    ctx.Execute(Lines(R"(
ALTER TRIGGER Do删除科室档案 ON [dbo].[T科室档案]
FOR DELETE
AS
Declare @v字段名称 varchar(5)
Declare @v科室类别 nvarchar(10)
Select @v字段名称=编号,@v科室类别=科室类别 From deleted
If Left(@v字段名称,1)<>'C'
Begin
    Delete From F报表格式 Where 表编号=21013 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21023 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21043 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21053 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21063 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21014 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21024 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21034 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21054 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21064 And 字段名称='F'+@v字段名称
End
If Left(@v字段名称,1)<>'C' And (@v科室类别='门诊' Or @v科室类别='住院')
Begin
    Delete From F报表格式 Where 表编号=20003 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20013 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20023 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20043 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20004 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20014 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20024 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=20034 And 字段名称='F'+@v字段名称
End
)"));

    ctx.Execute(Lines(R"(
CREATE TRIGGER Do删除汇总科目 ON [dbo].[T汇总科目]
FOR DELETE
AS
Declare @v字段名称 varchar(5)
Select @v字段名称=编号 From deleted
If Left(@v字段名称,1)<>'C'
Begin
    Delete From F报表格式 Where 表编号=21021 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21031 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21041 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21051 And 字段名称='F'+@v字段名称
    Delete From F报表格式 Where 表编号=21061 And 字段名称='F'+@v字段名称
End
)"));

    ctx.Execute(Lines(R"(
CREATE TRIGGER Do_新建汇总科目 ON [dbo].[T汇总科目]
FOR INSERT
AS
Declare @v字段名称 varchar(5)
Declare @v显示标题 nvarchar(20)
Select @v字段名称=编号,@v显示标题=名称 From inserted
If Left(@v字段名称,1)<>'C'
Begin
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21021,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21031,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21041,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21051,'F'+@v字段名称,@v显示标题,20,'E',0)
    Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) Values (21061,'F'+@v字段名称,@v显示标题,20,'E',0)
End
)"));
}

void Update_88_To_89(StepContext& ctx) {
    // The daily automatic charging leaves audited stays (已审核 other than 0,
    // NULL included) alone in every statement. The recurring charges' total for
    // today's business log is taken before statement 6 posts them: afterwards
    // they are no longer due and the log would receive nothing.
    ctx.Execute(Lines(R"(
ALTER PROCEDURE QVAutoRun
AS
Begin Tran
Declare @今天 datetime
Set @今天=Cast(Cast(Year(GetDate()) As varchar(4))+'-'+Cast(Month(GetDate()) As varchar(2))+'-'+Cast(Day(GetDate()) As varchar(2)) As datetime)

Insert Into D住院记帐列表(住院编号,费用明细,单价,数量,处方医生,处方科室,核算科室,操作员,备注,记帐方式,金额)
Select A.编号,'0005',B.标准金额,1,A.住院医师,A.当前科室,A.当前科室,'9999','','自动记帐',B.标准金额
From T床位档案 B Inner Join D住院档案 A On A.编号=Abs(B.当前住院号)
Where B.标准金额>0 And A.出院效果='' And A.入院时间<@今天 And A.已审核=0

Declare @tab1 Table (当前住院号 int,标准金额 smallmoney,入院时间 datetime)
Insert Into @tab1(当前住院号,标准金额,入院时间)
Select Abs(B.当前住院号),Sum(B.标准金额),A.入院时间
From T床位档案 B Inner Join D住院档案 A On A.编号=Abs(B.当前住院号)
Where B.当前住院号<>0 And A.入院时间<@今天 And A.已审核=0
Group By Abs(B.当前住院号),A.入院时间

Update D住院档案 Set 费用金额=D住院档案.费用金额+T.标准金额,住院天数=D住院档案.住院天数+1
From D住院档案 Inner Join @tab1 T On D住院档案.编号=T.当前住院号
Where D住院档案.已审核=0

Update D经营日志列表 Set 住院记帐金额=住院记帐金额+IsNull((Select Sum(标准金额) From @tab1),0)
Where 序号=dbo.GetNow()

Declare @tab99 Table (住院编号 int,金额 money)
Insert Into @tab99(住院编号,金额)
Select A.住院编号,Sum(A.单价*A.数量)
From D自动记帐列表 A Inner Join D住院档案 B On A.住院编号=B.编号
Where Not Exists (Select * From D住院记帐列表 L Where L.住院编号=A.住院编号 And L.费用明细=A.费用编号 And L.记帐时间>@今天)
Group By A.住院编号
Update D住院档案 Set 费用金额=D住院档案.费用金额+T.金额
From D住院档案 Inner Join @tab99 T On D住院档案.编号=T.住院编号
Where D住院档案.已审核=0

Declare @自动记帐金额 money
Select @自动记帐金额=Sum(A.单价*A.数量)
From D自动记帐列表 A Inner Join D住院档案 B On A.住院编号=B.编号
Where B.已审核=0
And Not Exists (Select * From D住院记帐列表 L Where L.住院编号=A.住院编号 And L.费用明细=A.费用编号 And L.记帐时间>@今天)

Insert Into D住院记帐列表(住院编号,费用明细,单价,数量,处方医生,处方科室,核算科室,操作员,备注,记帐方式,金额)
Select A.住院编号,A.费用编号,A.单价,A.数量,A.处方医生,A.处方科室,A.核算科室,'9999','','自动记帐',A.单价*A.数量
From D自动记帐列表 A Inner Join D住院档案 B On A.住院编号=B.编号
Where B.已审核=0
And Not Exists (Select * From D住院记帐列表 L Where L.住院编号=A.住院编号 And L.费用明细=A.费用编号 And L.记帐时间>@今天)

Update D经营日志列表 Set 住院记帐金额=住院记帐金额+IsNull(@自动记帐金额,0)
Where 序号=dbo.GetNow()
Commit
)"));

    // Days with settlements or registrations but no outpatient charges are
    // listed too (full joins).
    ctx.Execute(Lines(R"(
ALTER FUNCTION Do医院收入汇总_月报表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select Top 1000
    IsNull(M.年号,Z.年号) As 年号,
    IsNull(M.月份,Z.月份) As 月份,
    IsNull(M.日号,Z.日号) As 日号,
    IsNull(G.挂号次数,0) As 挂号次数,
    IsNull(G.合计金额,0) As 挂号金额,
    IsNull(M.收费次数,0) As 收费次数,
    IsNull(M.合计金额,0) As 收费金额,
    IsNull(Z.结帐次数,0) As 结帐次数,
    IsNull(Z.结帐金额,0) As 结帐金额,
    IsNull(G.合计金额,0)+IsNull(M.合计金额,0)+IsNull(Z.结帐金额,0) As 当天总金额
From dbo.Do门诊收费汇总_月报表(@vKey,@vBegin,@vEnd) M
Full Join dbo.Do挂号汇总表_月报表(@vKey,@vBegin,@vEnd) G On M.年号=G.年号 And M.月份=G.月份 And M.日号=G.日号
Full Join dbo.Do住院结帐汇总_月报表(@vKey,@vBegin,@vEnd) Z On Z.年号=M.年号 And Z.月份=M.月份 And Z.日号=M.日号
Order By G.年号,G.月份,G.日号
)
)"));
}

void Update_89_To_90(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 挂号汇总科目 varchar(4)");
    ctx.Execute("UPDATE T医院资料 SET 挂号汇总科目=''");
    // Registrations first, counted with the outpatient side and only when
    // @vGH is 1; then the inpatient and outpatient sources as before.
    ctx.Execute(Lines(R"(
ALTER FUNCTION Do全院收入明细表 (@vMode tinyint, @vBegin smalldatetime, @vEnd smalldatetime, @vGH bit)
RETURNS TABLE
AS
RETURN (
Select G.收款人,
    (Select 挂号汇总科目 From T医院资料) As 汇总科目,
    G.医生编号 As 处方医生,
    G.科室编号 As 处方科室,
    G.科室编号 As 核算科室,
    G.挂号金额 As 项目金额,
    dbo.DoAddZero(Month(G.过单时间),4) As 月份
From D挂号列表 G
Where G.状态='N' And G.过单时间 Between @vBegin And @vEnd And (@vMode=1 Or @vMode=0) And @vGH=1
Union All
Select A.收款人,
    IsNull(B.汇总科目,'') As 汇总科目,
    A.处方医生,
    A.处方科室,
    A.核算科室,
    A.金额 As 项目金额,
    dbo.DoAddZero(Month(A.收款时间),4) As 月份
From D住院记帐列表 A Inner Join T住院项目 B On A.费用明细=B.编号
Where A.作废=0 And A.收款时间 Between @vBegin And @vEnd And (@vMode=2 Or @vMode=0)
Union All
Select A.收款人,
    IsNull(C.汇总科目,'') As 汇总科目,
    B.处方医生,
    B.处方科室,
    B.核算科室,
    B.项目金额,
    dbo.DoAddZero(Month(A.发生时间),4) As 月份
From D门诊收费列表 A Inner Join D门诊收费数据 B On A.序号=B.序号
    Inner Join T门诊项目 C On B.项目编号=C.编号
Where B.状态='N' And A.发生时间 Between @vBegin And @vEnd And (@vMode=1 Or @vMode=0)
)
)"));
}

}  // namespace quenvatrix::steps
