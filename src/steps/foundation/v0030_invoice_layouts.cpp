// Versions 30 to 34: remembered operator preferences, user-defined invoice print
// layouts 305 (outpatient), 306 (registration) and 307 (inpatient), and the
// outpatient doctor in the admission and discharge lists.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_30_To_31(StepContext& ctx) {
    ctx.Execute("ALTER TABLE [dbo].[T员工档案] ADD 阅读金额 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 阅读金额=0");
    ctx.Execute("ALTER TABLE [dbo].[T员工档案] ADD 自动刷新 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 自动刷新=1");
    ctx.AddUpgradeLog(31, "增加了【自动记忆】是否自动刷新，是否电脑阅读金额的功能！", "", "2004-9-4");
}

void Update_31_To_32(StepContext& ctx) {
    ctx.AddUpgradeLog(32, "增加了【发票自定义功能】,能满足全国各省的发票格式", "", "2004-9-13");
    ctx.Execute("ALTER TABLE [dbo].[T门诊项目] ALTER COLUMN 同票项目 nvarchar(10)");
    // The same-invoice item is now shown as its code.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT T门诊项目.编号, T门诊项目.名称, T门诊项目.拼音简码, T门诊项目.收费方式, T门诊项目.有效状态,
    T门诊项目.计量单位, T门诊项目.规格说明, T门诊项目.所属类, T门诊项目.五笔简码, T门诊项目.备注,
    T门诊项目.编码, T科室档案.名称 AS 核算科室, T门诊项目.同票项目, T门诊项目.标准金额
FROM T门诊项目 LEFT OUTER JOIN T科室档案 ON T门诊项目.核算科室 = T科室档案.编号
)"));

    ctx.Execute("Insert Into F报表列表(编号,名称,隶属分类) Values (305,'门诊发票格式',0)");
    ctx.Execute("Insert Into F报表列表(编号,名称,隶属分类) Values (306,'挂号发票格式',0)");
    ctx.Execute("Insert Into F报表列表(编号,名称,隶属分类) Values (307,'住院发票格式',0)");

    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (305,'病人姓名')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (305,'单据编号')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (305,'本次合计')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (305,'本次合计大写')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (305,'收款人')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (305,'过单时间')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'病人姓名')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'挂号流水')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'挂号金额')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'挂号类型')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'挂号医生')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'挂号科室')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'挂号金额大写')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'收款人')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (306,'过单时间')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'字段名称')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'病人姓名')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'病人性别')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'病人年龄')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'当前病区')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'当前床位')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'病历编号')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'入院时间')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'出院时间')");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'住院总额')");

    ctx.Execute("Delete From F报表格式 Where 表编号=273 And 字段名称='左边界'");
    ctx.Execute("Delete From F报表格式 Where 表编号=273 And 字段名称='上边界'");
    ctx.Execute("Delete From F报表格式 Where 表编号=273 And 字段名称='财政项目'");

    // Page properties in the print designer's own units, digits as the designer wrote them.
    ctx.Execute(
        "Insert Into F报表属性(int报表编号,str报表名称,int报表行数,int报表列数,sin报表上边界,sin报表左边界,"
        "sin报表宽度,sin报表高度,int记录行,sin纸张高度,sin纸张宽度,int每页行数,int分组号,str备注,bln记录视图,"
        "bln去掉表线,bln允许空表行) "
        "Values (305,'门诊发票格式',2,3,1.666877,0.26458359,4,1,0,10.2,8.3999996,3,1,'',1,1,0)");
    ctx.Execute(
        "Insert Into F报表属性(int报表编号,str报表名称,int报表行数,int报表列数,sin报表上边界,sin报表左边界,"
        "sin报表宽度,sin报表高度,int记录行,sin纸张高度,sin纸张宽度,int每页行数,int分组号,str备注,bln记录视图,"
        "bln去掉表线,bln允许空表行) "
        "Values (306,'挂号发票格式',1,1,8.9693842,6.0589638,2,1,0,10.2,8.3999996,40,1,'',0,1,0)");
    ctx.Execute(
        "Insert Into F报表属性(int报表编号,str报表名称,int报表行数,int报表列数,sin报表上边界,sin报表左边界,"
        "sin报表宽度,sin报表高度,int记录行,sin纸张高度,sin纸张宽度,int每页行数,int分组号,str备注,bln记录视图,"
        "bln去掉表线,bln允许空表行) "
        "Values (307,'住院发票格式',1,1,7.6552849,13.86418,2,1.0,0,9.1000004,18.5,40,1,'',0,1,0)");
}

void Update_32_To_33(StepContext& ctx) {
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题) Values (305,'项目名称','项目名称')");
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题) Values (305,'项目金额','项目金额')");

    // First cells of the layout grids; 306 and 307 hold placeholder texts.
    ctx.Execute(
        "Insert Into F表格字段(str内容,int报表编号,int列,bye类型,sin宽度,sin高度,bye向右合并,bye向下合并,"
        "bln左上斜线,bln右上斜线,bye对齐方式,bln是否换行,str字体名称,sin字体大小,bln字体加粗,bln字体倾斜,"
        "bln下划线,sin旋转角度,int行,int分组号) "
        "Values ('项目名称',305,0,0,2,1,0,0,0,0,4,0,'宋体',10,1,0,0,0,0,1)");
    ctx.Execute(
        "Insert Into F表格字段(str内容,int报表编号,int列,bye类型,sin宽度,sin高度,bye向右合并,bye向下合并,"
        "bln左上斜线,bln右上斜线,bye对齐方式,bln是否换行,str字体名称,sin字体大小,bln字体加粗,bln字体倾斜,"
        "bln下划线,sin旋转角度,int行,int分组号) "
        "Values ('项目金额',305,1,0,2,1,0,0,0,0,4,0,'宋体',10,1,0,0,0,0,1)");
    ctx.Execute(
        "Insert Into F表格字段(str内容,int报表编号,int列,bye类型,sin宽度,sin高度,bye向右合并,bye向下合并,"
        "bln左上斜线,bln右上斜线,bye对齐方式,bln是否换行,str字体名称,sin字体大小,bln字体加粗,bln字体倾斜,"
        "bln下划线,sin旋转角度,int行,int分组号) "
        "Values ('aaa',306,0,0,2,1,0,0,0,0,4,0,'宋体',10,1,0,0,0,0,1)");
    ctx.Execute(
        "Insert Into F表格字段(str内容,int报表编号,int列,bye类型,sin宽度,sin高度,bye向右合并,bye向下合并,"
        "bln左上斜线,bln右上斜线,bye对齐方式,bln是否换行,str字体名称,sin字体大小,bln字体加粗,bln字体倾斜,"
        "bln下划线,sin旋转角度,int行,int分组号) "
        "Values ('bbb',307,0,0,2,1,0,0,0,0,4,0,'宋体',10,1,0,0,0,0,1)");
}

void Update_33_To_34(StepContext& ctx) {
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题) Values (305,'处方医生','处方医生')");
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题) Values (305,'处方科室','处方科室')");
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题) Values (305,'核算科室','核算科室')");
    ctx.AddUpgradeLog(34, "增加了【报表打印格式】导出以及导入功能", "", "2004-9-16");
}

// Admissions and discharges of the period by the inpatient doctor ('00' for
// all), now with the outpatient doctor.
void Update_34_To_35(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do病人入院列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 入院时间, 名称, 性别, 年龄, 民族, 入院科室, 入院床位, 住院医师, 编号, 入院方式, 入院病情, 门诊医师
FROM VJ住院档案
WHERE 入院时间 BETWEEN @vBegin AND @vEnd AND (住院医师编号 = @vKey OR @vKey = '00')
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do病人出院列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 出院时间, 编号, 名称, 性别, 年龄, 出院科室, 出院床位, 出院备注, 住院总额, 住院医师, 门诊医师, 民族,
    入院时间, 病情诊断, 出院效果, 住院天数
FROM VJ住院档案
WHERE 出院效果 <> '' AND 出院时间 BETWEEN @vBegin AND @vEnd AND (住院医师编号 = @vKey OR @vKey = '00')
)
)"));
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题,序号) Values (224,'门诊医师','门诊医师',90)");
    ctx.Execute("Insert Into F报表格式(表编号,字段名称,显示标题,序号) Values (225,'门诊医师','门诊医师',99)");
    ctx.Execute("Insert Into F扩展字段(表编号,字段名称) Values (307,'金额大写')");
}

}  // namespace quenvatrix::steps
