// Version 47: the stock of every drug at a chosen point in time (report 315),
// the insurance class and drug-class amounts of report 277, the list of
// inpatient balances, and the release history of database versions 42 to 48.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_47_To_48(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do病人余款列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT B.编号, B.名称, B.性别, B.出生日期, B.年龄, B.身份证号, B.所在单位, B.入院时间,
    B.当前科室, B.当前床位, B.预交金额, B.费用金额, B.预交金额 - B.费用金额 AS 剩余金额,
    C.名称 AS 住院医师,
    (SELECT Count(*) FROM D住院收费列表 WHERE D住院收费列表.住院编号 = B.编号) AS 交款次数,
    B.当前床位编号 AS 当前床位编号47
FROM VJ在院档案 B, T员工档案 C
WHERE B.住院医师编号 = C.编号 AND (B.住院医师编号 = @vKey OR @vKey = '00')
)
)"));

    // K is the stock now per drug and store, Z the stock per drug and store at
    // the last movement strictly before the chosen point.
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do指定时段点库存余量表 (@vKey varchar(10), @v指定时间点 datetime, @CC datetime)
RETURNS TABLE
AS
RETURN (
SELECT VJ.编号, VJ.名称, VJ.生产厂商, VJ.规格, VJ.药品单位, VJ.批准文号, VJ.药品剂型, VJ.产地,
    VJ.药品有效期, VJ.备注, VJ.编码, VJ.药品类型,
    IsNull(Z.指定点库存余量, 0) AS 指定点库存余量, IsNull(Z.指定点库存余额, 0) AS 指定点库存余额,
    IsNull(K.当前库存余量, 0) AS 当前库存余量, IsNull(K.当前库存余额, 0) AS 当前库存余额,
    IsNull(Z.指定点库存余量, 0) - IsNull(K.当前库存余量, 0) AS 时段出库数量,
    IsNull(Z.指定点库存余额, 0) - IsNull(K.当前库存余额, 0) AS 时段出库金额
FROM VJ药品卫材 VJ LEFT OUTER JOIN
    (SELECT 药品编号, 仓库编号, Sum(库存数量) AS 当前库存余量, Sum(库存总额) AS 当前库存余额
     FROM T库存药品
     GROUP BY 药品编号, 仓库编号) K ON VJ.编号 = K.药品编号 LEFT OUTER JOIN
    (SELECT M.药品编号, M.仓库编号, M.库存余量 AS 指定点库存余量, M.库存余额 AS 指定点库存余额
     FROM T药品变化明细 M
     WHERE M.发生时间 = (SELECT Max(N.发生时间) FROM T药品变化明细 N
                         WHERE N.药品编号 = M.药品编号 AND N.仓库编号 = M.仓库编号
                           AND N.发生时间 < @v指定时间点)) Z
    ON K.药品编号 = Z.药品编号 AND K.仓库编号 = Z.仓库编号
WHERE K.仓库编号 = @vKey OR @vKey = '00'
)
)"));

    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (315,'指定时间点库存余量统计表','N',' ',' ','U',14,"
        "'系统管理员','2004-1-15','Do指定时段点库存余量表','FUN','库房名称：','Select 编号,名称 From T库房药房',"
        "20,'D',' ')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'编号','编号',-11,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'名称','名称',0,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'生产厂商','生产厂商',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'规格','规格',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'药品单位','药品单位',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'批准文号','批准文号',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'药品剂型','药品剂型',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'产地','产地',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'药品有效期','药品有效期',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'备注','备注',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'编码','编码',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'药品类型','药品类型',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'指定点库存余量','指定点库存余量',1,0,1000,'R',0,'N',0,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'指定点库存余额','指定点库存余额',1,0,1000,'R',0,'E',0,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'当前库存余量','当前库存余量',1,0,1000,'R',0,'N',0,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'当前库存余额','当前库存余额',1,0,1000,'R',0,'E',0,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'时段出库数量','时段出库数量',1,0,1000,'R',0,'N',0,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (315,'时段出库金额','时段出库金额',1,0,1000,'R',0,'E',0,'C')");

    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号) VALUES (277,'保险类别','保险类别',10)");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (277,'甲类药金额')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (277,'乙类药金额')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (277,'自付类金额')");

    ctx.WriteUpgradeLog("6.6.28", 42, "改进了服务器端界面，使操作更简单，更友好！", "", "2004-10-12");
    ctx.WriteUpgradeLog("6.6.29", 43, "为药品业务单据增加了零售价格以及零售金额字段", "", "2004-10-14");
    ctx.WriteUpgradeLog("6.6.35", 44, "为门诊处方单及住院处方单增加了自动按保险类别分类汇总的功能", "", "2004-10-18");
    ctx.WriteUpgradeLog("6.6.37", 45, "将系统菜单增强为类似XP的平台菜单", "", "2004-10-19");
    ctx.WriteUpgradeLog("6.6.37", 45, "增加了单病种医疗保险自动核算功能", "", "2004-10-19");
    ctx.WriteUpgradeLog("6.6.42", 46, "增加了“统计任意指定时间点库存余量”的报表", "", "2004-10-23");
    ctx.WriteUpgradeLog("6.6.50", 47, "增加了“控制操作员(主要是药房人员)使用指定药房的的权限”的功能", "", "2004-10-25");
    ctx.WriteUpgradeLog("6.6.55", 48, "增加了“控制某些操作员(主要是护土)使用指定病区的权限”的功能", "", "2004-11-1");
}

}  // namespace quenvatrix::steps
