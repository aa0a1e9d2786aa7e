// Versions 96 to 99: insurance class and accounting department of inpatient
// items, the summary of discharged patients' charges by item type, quantities,
// stores and batches of drug price adjustments, arrears limits per patient
// type, and the settlement, transfer and drug-return payment reports.

#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0087_reissued_objects.h"

namespace quenvatrix::steps {

using rows::ReportColumnValues;
using rows::ReportValues;

namespace {

// VJ住院项目 as versions 98 and 99 issue it: the accounting department's name
// last.
std::string AlterVJ住院项目WithAccountingDepartment() {
    return Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT A.编号, A.名称, A.拼音简码, A.所属类型, A.所属类, A.收费方式, A.标准金额, A.计量单位, A.规格说明,
    A.允许欠费, A.备注, A.有效状态, A.编码, A.五笔简码, A.保险报销, A.会员价格, B.名称 AS 汇总科目, A.保险类别,
    K.名称 AS 核算科室
FROM dbo.T住院项目 A LEFT JOIN
    dbo.T汇总科目 B ON A.汇总科目 = B.编号 LEFT JOIN
    dbo.T科室档案 K ON A.核算科室 = K.编号
)");
}

// The charges of discharged patients summed per item type (report 328).
std::string Do已出院病人项目列表(const char* verb) {
    return std::string(verb) + Lines(R"(
 FUNCTION Do已出院病人项目列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select B.所属类型 As 项目名称, Sum(A.次数) As 次数, Sum(A.数量) As 数量, Sum(A.金额) As 金额
From dbo.Do已出院病人记帐列表(@vKey,@vBegin,@vEnd) A Inner Join T住院项目 B On A.项目编号 = B.编号
Group By B.所属类型
)
)");
}

// Drug price adjustments with their quantity and differences (version 98).
std::string AlterDo调价明细列表() {
    return Lines(R"(
ALTER FUNCTION Do调价明细列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select 'DJ'+dbo.DoAddZero(D销售调价列表.序号,10) As 单据编号,
    D销售调价列表.调价时间,
    D销售调价列表.原定价,
    D销售调价列表.现定价,
    D销售调价列表.备注 As 调价备注,
    T员工档案.名称 As 制单人,
    VJ药品卫材.*,
    IsNull(D销售调价列表.调价数量,0) As 调价数量,
    D销售调价列表.现定价-D销售调价列表.原定价 As 调价差额,
    (D销售调价列表.现定价-D销售调价列表.原定价)*IsNull(D销售调价列表.调价数量,0) As 调价总差额
From D销售调价列表 Inner Join VJ药品卫材 On D销售调价列表.编号 = VJ药品卫材.编号
    Inner Join T员工档案 On D销售调价列表.制单人 = T员工档案.编号
Where D销售调价列表.调价时间 Between @vBegin And @vEnd And (D销售调价列表.制单人 = @vKey Or @vKey = '00')
)
)");
}

// Version 99: the same with the store of the adjusted stock last.
std::string AlterDo调价明细列表WithStore() {
    return Lines(R"(
ALTER FUNCTION Do调价明细列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select 'DJ'+dbo.DoAddZero(D销售调价列表.序号,10) As 单据编号,
    D销售调价列表.调价时间,
    D销售调价列表.原定价,
    D销售调价列表.现定价,
    D销售调价列表.备注 As 调价备注,
    T员工档案.名称 As 制单人,
    VJ药品卫材.*,
    IsNull(D销售调价列表.调价数量,0) As 调价数量,
    D销售调价列表.现定价-D销售调价列表.原定价 As 调价差额,
    (D销售调价列表.现定价-D销售调价列表.原定价)*IsNull(D销售调价列表.调价数量,0) As 调价总差额,
    KK.名称 As 存放位置
From D销售调价列表 Inner Join VJ药品卫材 On D销售调价列表.编号 = VJ药品卫材.编号
    Inner Join T员工档案 On D销售调价列表.制单人 = T员工档案.编号
    Left Join T库房药房 KK On D销售调价列表.存放位置 = KK.编号
Where D销售调价列表.调价时间 Between @vBegin And @vEnd And (D销售调价列表.制单人 = @vKey Or @vKey = '00')
)
)");
}

}  // namespace

void Update_96_To_97(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T住院项目 ADD 保险类别 nvarchar(10)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT A.编号, A.名称, A.拼音简码, A.所属类型, A.所属类, A.收费方式, A.标准金额, A.计量单位, A.规格说明,
    A.允许欠费, A.备注, A.有效状态, A.编码, A.五笔简码, A.保险报销, A.会员价格, B.名称 AS 汇总科目, A.保险类别
FROM dbo.T住院项目 A LEFT JOIN
    dbo.T汇总科目 B ON A.汇总科目 = B.编号
)"));
    ctx.Execute(ReportColumnValues("219,'保险类别','保险类别',100,0,1000,'L',0,'S',-1,'C'"));
}

void Update_97_To_98(StepContext& ctx) {
    ctx.Execute(Do已出院病人项目列表("CREATE"));
    ctx.Execute(ReportValues(
        "328,'已出院病人项目类别汇总表','N',' ',' ','U',12,'','2004-5-10 16:29:00','Do已出院病人项目列表','FUN',"
        "'主治医师：','Select 编号,名称 From T员工档案 Where 医生=''是''',0,'D',' '"));
    ctx.Execute(ReportColumnValues("328,'项目名称','项目名称',2,0,1380,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("328,'次数','次数',3,0,720,'R',1,'N',0,'C'"));
    ctx.Execute(ReportColumnValues("328,'数量','数量',4,0,1065,'R',1,'N',0,'C'"));
    ctx.Execute(ReportColumnValues("328,'金额','金额',5,0,1875,'R',1,'E',0,'C'"));
}

void Update_98_To_99(StepContext& ctx) {
    ctx.Execute(Do已出院病人项目列表("ALTER"));
    ctx.Execute("ALTER TABLE T住院项目 ADD 核算科室 varchar(4)");
    ctx.Execute(AlterVJ住院项目WithAccountingDepartment());
    ctx.Execute(ReportColumnValues("219,'核算科室','核算科室',2,0,1380,'L',1,'S',-1,'C'"));
    ctx.Execute("ALTER TABLE D销售调价列表 ADD 调价数量 numeric(18, 5) DEFAULT 0");
    ctx.Execute(ReportColumnValues("254,'调价差额','调价差额',200,0,1380,'L',1,'E',0,'R'"));
    ctx.Execute(ReportColumnValues("254,'调价数量','调价数量',200,0,1380,'L',1,'N',0,'R'"));
    ctx.Execute(ReportColumnValues("254,'调价总差额','调价总差额',200,0,1380,'L',1,'E',0,'R'"));
    ctx.Execute(AlterDo调价明细列表());

    // The inpatient source now takes the charge line's own accounting
    // department (T住院项目 has a column of the same name from this version).
    ctx.Execute(Lines(R"(
ALTER FUNCTION Do全院收入明细表 (@vMode tinyint, @vBegin smalldatetime, @vEnd smalldatetime, @vGH bit)
RETURNS TABLE
AS
RETURN (
Select D挂号列表.收款人,
    (Select 挂号汇总科目 From T医院资料) As 汇总科目,
    D挂号列表.医生编号 As 处方医生,
    D挂号列表.科室编号 As 处方科室,
    D挂号列表.科室编号 As 核算科室,
    D挂号列表.挂号金额 As 项目金额,
    dbo.DoAddZero(Month(D挂号列表.过单时间),4) As 月份
From D挂号列表
Where D挂号列表.状态 = 'N' And D挂号列表.过单时间 Between @vBegin And @vEnd And (@vMode = 1 Or @vMode = 0) And @vGH = 1
Union All
Select A.收款人,
    IsNull(B.汇总科目,'') As 汇总科目,
    A.处方医生,
    A.处方科室,
    A.核算科室,
    A.金额 As 项目金额,
    dbo.DoAddZero(Month(A.收款时间),4) As 月份
From D住院记帐列表 A Inner Join T住院项目 B On A.费用明细 = B.编号
Where A.作废 = 0 And A.收款时间 Between @vBegin And @vEnd And (@vMode = 2 Or @vMode = 0)
Union All
Select A.收款人,
    IsNull(C.汇总科目,'') As 汇总科目,
    B.处方医生,
    B.处方科室,
    B.核算科室,
    B.项目金额,
    dbo.DoAddZero(Month(A.发生时间),4) As 月份
From D门诊收费列表 A, D门诊收费数据 B, T门诊项目 C
Where B.项目编号 = C.编号 And A.序号 = B.序号 And B.状态 = 'N'
    And A.发生时间 Between @vBegin And @vEnd And (@vMode = 1 Or @vMode = 0)
)
)"));
}

void Update_99_To_100(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T欠费上限表] (
    [病人类型] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [欠费上限] [money] NULL
) ON [PRIMARY]
)"));
    ctx.Execute("ALTER TABLE D住院档案 ALTER COLUMN 费用类型 nvarchar(10)");
    ctx.Execute("ALTER TABLE T医院资料 ADD 欠费上限模式 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 欠费上限模式=0");
    ctx.Execute(AlterVJ住院项目WithAccountingDepartment());

    // Same body as before: its Y.* takes in the drug columns added since.
    ctx.Execute(Lines(R"(
ALTER FUNCTION Do调拨统计表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select 'DP'+dbo.DoAddZero(A.单据编号,10) As 单据编号,
    A.过单日期,
    Z.名称 As 制单人,
    S.名称 As 审核人,
    CK.名称 As 出货仓库,
    SK.名称 As 收货仓库,
    B.生产批号,
    B.有效期至,
    B.数量,
    B.单价,
    B.金额,
    B.单项备注,
    Y.*
From D调拨单 A Inner Join D调拨数据 B On A.单据编号 = B.单据编号
    Inner Join T员工档案 Z On A.制单人 = Z.编号
    Inner Join T员工档案 S On A.审核人 = S.编号
    Inner Join T库房药房 CK On A.出货仓库 = CK.编号
    Inner Join T库房药房 SK On A.收货仓库 = SK.编号
    Inner Join VJ药品卫材 Y On B.编号 = Y.编号
Where A.过单日期 Between @vBegin And @vEnd And (SK.编号 = @vKey Or @vKey = '00')
)
)"));

    ctx.Execute(ReportColumnValues("221,'病人欠款','病人欠款',100,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute(v0087::AlterDo住院结帐列表());
    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (329,'综合报表','N')");
    ctx.Execute("INSERT INTO T综合选项 (编码,名称,类别) VALUES ('01','自费医疗','病人类型')");
    ctx.Execute("INSERT INTO T综合选项 (编码,名称,类别) VALUES ('02','保险医疗','病人类型')");
    ctx.Execute("ALTER TABLE F表格字段 ALTER COLUMN str内容 nvarchar(512)");
    ctx.Execute("ALTER TABLE F表格标签 ALTER COLUMN str内容 nvarchar(512)");

    ctx.Execute(Lines(R"(
ALTER FUNCTION Do门诊退药付款统计表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select dbo.DoAddZero(A.序号,10) As 序号,
    dbo.DoAddZero(A.处方编号,10) As 处方编号,
    F.病人姓名,
    A.退药时间,
    Y.名称 As 退药职员,
    K.名称 As 药房名称,
    Sum(A.退药金额) As 退款金额,
    T.名称 As 付款人,
    S.名称 As 原收款人,
    F.过单时间 As 原收款时间
From D门诊退药单 A Inner Join T员工档案 Y On A.操作员 = Y.编号
    Inner Join D划价单 F On F.序号 = A.处方编号
    Inner Join T库房药房 K On F.药房 = K.编号
    Inner Join T员工档案 T On A.付款员工 = T.编号
    Inner Join T员工档案 S On F.收款人 = S.编号
Where A.已交款 = 1 And A.已付款 = 1 And (A.付款员工 = @vKey Or @vKey = '00')
    And A.付款时间 Between @vBegin And @vEnd
Group By A.序号, A.处方编号, A.退药时间, Y.名称, F.病人姓名, K.名称, T.名称, S.名称, F.过单时间
)
)"));

    ctx.Execute(ReportColumnValues("276,'原收款时间','原收款时间',100,0,1000,'L',0,'D',-1,'C'"));
    ctx.Execute("ALTER TABLE D销售调价列表 ADD 存放位置 varchar(4)");
    ctx.Execute("ALTER TABLE D销售调价列表 ADD 生产批号 varchar(15)");
    ctx.Execute(AlterDo调价明细列表WithStore());
    ctx.Execute(ReportColumnValues("254,'存放位置','存放位置',100,0,1000,'L',0,'S',-1,'C'"));
}

}  // namespace quenvatrix::steps
