// Versions 100 to 106: rural cooperative scheme codes, integration switches,
// inpatient diagnoses with the disease catalogue, the drug transfer summary and
// the admissions per outpatient doctor, the repair of NULL fee totals, and the
// temporary physician of a stay.

#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0087_reissued_objects.h"

namespace quenvatrix::steps {

using rows::ReportColumnValues;
using rows::ReportValues;

namespace {

// Inpatient stays with the names behind their codes. A stay without its
// admission or current department or bed, or without its physician, is not
// listed; unit, outpatient doctor and admitting clerk may be missing.
std::string AlterVJ住院档案() {
    return Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DW.名称 AS 所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位, DA.入院方式, DA.入院病情,
    DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址, DA.电话, DA.邮编, DA.关系, DA.联系人,
    DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注, DA.预交金额 - DA.费用金额 AS 病人余款,
    MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号, DK.名称 AS 当前科室, T床位档案_1.名称 AS 当前床位,
    dbo.T员工档案.名称 AS 住院医师, DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号,
    DA.当前科室 AS 当前科室编号, DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, T床位档案_1.名称 AS 出院床位, DA.头像编号, DA.住院天数, DA.已结帐 AS 结帐,
    ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话, DA.费用类型, DA.报销金额,
    DA.费用金额 - DA.报销金额 AS 自付金额, ISNULL(DA.病历编号, '') AS 病历编号, DA.家庭帐户, DA.人员编号
FROM dbo.D住院档案 DA LEFT OUTER JOIN
    dbo.T病人单位 DW ON DA.所在单位 = DW.编号 INNER JOIN
    dbo.T科室档案 KS ON DA.入院科室 = KS.编号 INNER JOIN
    dbo.T床位档案 CW ON DA.入院床位 = CW.编号 INNER JOIN
    dbo.T员工档案 ON DA.住院医师 = dbo.T员工档案.编号 LEFT OUTER JOIN
    dbo.T员工档案 MY ON DA.门诊医师 = MY.编号 INNER JOIN
    dbo.T科室档案 DK ON DA.当前科室 = DK.编号 INNER JOIN
    dbo.T床位档案 T床位档案_1 ON DA.当前床位 = T床位档案_1.编号 LEFT OUTER JOIN
    dbo.T员工档案 JB ON DA.入院经办人 = JB.编号
)");
}

// Version 105: the same with the temporary physician (may be missing) last.
std::string AlterVJ住院档案WithTemporaryPhysician() {
    return Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DW.名称 AS 所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位, DA.入院方式, DA.入院病情,
    DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址, DA.电话, DA.邮编, DA.关系, DA.联系人,
    DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注, DA.预交金额 - DA.费用金额 AS 病人余款,
    MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号, DK.名称 AS 当前科室, T床位档案_1.名称 AS 当前床位,
    dbo.T员工档案.名称 AS 住院医师, DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号,
    DA.当前科室 AS 当前科室编号, DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, T床位档案_1.名称 AS 出院床位, DA.头像编号, DA.住院天数, DA.已结帐 AS 结帐,
    ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话, DA.费用类型, DA.报销金额,
    DA.费用金额 - DA.报销金额 AS 自付金额, ISNULL(DA.病历编号, '') AS 病历编号, DA.家庭帐户, DA.人员编号,
    LS.名称 AS 临时医师
FROM dbo.D住院档案 DA LEFT OUTER JOIN
    dbo.T病人单位 DW ON DA.所在单位 = DW.编号 INNER JOIN
    dbo.T科室档案 KS ON DA.入院科室 = KS.编号 INNER JOIN
    dbo.T床位档案 CW ON DA.入院床位 = CW.编号 INNER JOIN
    dbo.T员工档案 ON DA.住院医师 = dbo.T员工档案.编号 LEFT OUTER JOIN
    dbo.T员工档案 MY ON DA.门诊医师 = MY.编号 INNER JOIN
    dbo.T科室档案 DK ON DA.当前科室 = DK.编号 INNER JOIN
    dbo.T床位档案 T床位档案_1 ON DA.当前床位 = T床位档案_1.编号 LEFT OUTER JOIN
    dbo.T员工档案 JB ON DA.入院经办人 = JB.编号 LEFT OUTER JOIN
    dbo.T员工档案 LS ON DA.临时医师 = LS.编号
)");
}

}  // namespace

void Update_100_To_101(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T住院项目 ADD 新农编码 nvarchar(20)");
    ctx.Execute("ALTER TABLE T住院项目 ADD 新农分类 nvarchar(5)");
    ctx.Execute("ALTER TABLE T药品卫材 ADD 新农编码 nvarchar(20)");
    ctx.Execute("ALTER TABLE D住院档案 ADD 家庭帐户 varchar(15)");
    ctx.Execute("ALTER TABLE D住院档案 ADD 人员编号 smallint");

    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT A.编号, A.名称, A.拼音简码, A.所属类型, A.所属类, A.收费方式, A.标准金额, A.计量单位, A.规格说明,
    A.允许欠费, A.备注, A.有效状态, A.编码, A.五笔简码, A.保险报销, A.会员价格, B.名称 AS 汇总科目, A.保险类别,
    K.名称 AS 核算科室, A.新农编码, A.新农分类
FROM dbo.T住院项目 A LEFT JOIN
    dbo.T汇总科目 B ON A.汇总科目 = B.编号 LEFT JOIN
    dbo.T科室档案 K ON A.核算科室 = K.编号
)"));

    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT dbo.T生产单位.名称 AS 生产厂商, dbo.T生产单位.联系地址 AS 生产企业地址, 0 AS 销售金额, 0 AS 会员销售金额,
    Y.编号, Y.所属类, Y.生产商编号, Y.名称, Y.拼音简码, Y.规格, Y.药品类型, Y.库存最低数量, Y.药品注册证号,
    Y.批准文号, Y.适用症状, Y.药品剂型, Y.产地, Y.存储条件, Y.药品有效期, Y.备注, Y.编码, Y.药品单位, Y.有效状态,
    Y.库存最高数量, Y.允许欠费, Y.五笔简码, Y.保险类别, Y.零售价格, Y.辅助单位,
    '1' + Y.辅助单位 + '=' + CAST(Y.换算关系 AS varchar) + Y.药品单位 AS 换算关系, Y.换算关系 AS 换算比例,
    Y.会员售价, Y.军人药品, Y.新农编码
FROM dbo.T药品卫材 Y LEFT OUTER JOIN
    dbo.T生产单位 ON Y.生产商编号 = dbo.T生产单位.编号
)"));

    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (219,'新农编码','新农编码',100,'S')");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (219,'新农分类','新农分类',100,'S')");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (21,'新农编码','新农编码',100,'S')");

    ctx.Execute(AlterVJ住院档案());
}

void Update_101_To_102(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 门诊一体化 bit");
    ctx.Execute("ALTER TABLE T医院资料 ADD 住院一体化 bit");
    ctx.Execute("UPDATE T医院资料 SET 门诊一体化=0,住院一体化=0");
}

void Update_102_To_103(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D病情列表] (
    [住院编号] [int] NULL ,
    [ICD序号] [int] NULL ,
    [登记时间] [datetime] NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病情列表] WITH NOCHECK ADD
    CONSTRAINT [DF_D病情列表_登记时间] DEFAULT (getdate()) FOR [登记时间]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[ICD] (
    [DISEASEID] [int] NULL ,
    [DISEASECODE] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [DISEASENAME] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [PARENTID] [int] NULL ,
    [REMARK] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [ISCHILD] [char] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [PYCODE] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [WBCODE] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [LEVELID] [int] NULL ,
    [INTERNALID] [char] (21) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
}

void Update_103_To_104(StepContext& ctx) {
    // Transfers per drug and sending store; only transfers in 状态 S count.
    ctx.Execute(Lines(R"(
CREATE FUNCTION Do调拨汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select D.名称 As 出货仓库, B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型,
    Count(*) As 调拨次数, Sum(A.数量) As 调拨数量, Sum(A.金额) As 调拨金额
From D调拨数据 A, VJ药品卫材 B, D调拨单 C, T库房药房 D
Where C.出货仓库 = D.编号 And A.编号 = B.编号 And A.单据编号 = C.单据编号
    And C.状态 = 'S' And C.过单日期 Between @vBegin And @vEnd And (C.收货仓库 = @vKey Or @vKey = '00')
Group By B.编号, B.名称, B.规格, B.生产厂商, B.药品单位, B.药品类型, C.出货仓库, D.名称
)
)"));

    // Voided outpatient invoices with the takings time of the voided bill.
    ctx.Execute(Lines(R"(
ALTER FUNCTION Do门诊票据作废列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select dbo.DoAddZero(D票据作废列表.序号,10) As 序号,
    dbo.DoAddZero(D票据作废列表.单据流水,10) As 门诊流水,
    D票据作废列表.发票号码,
    D票据作废列表.作废原因,
    D门诊收费列表.病人姓名,
    T员工档案.名称 As 收款人,
    Y2.名称 As 操作员,
    D票据作废列表.作废时间,
    D票据作废列表.作废金额,
    D门诊收费列表.发生时间 As 原收款时间
From D票据作废列表 Inner Join D门诊收费列表 On D票据作废列表.单据流水 = D门诊收费列表.序号
    Inner Join T员工档案 On D门诊收费列表.收款人 = T员工档案.编号
    Inner Join T员工档案 Y2 On D票据作废列表.操作员 = Y2.编号 And D票据作废列表.业务类型 = '门诊'
        And (Y2.编号 = @vKey Or @vKey = '00') And D票据作废列表.作废时间 Between @vBegin And @vEnd
)
)"));

    // Admissions per referring outpatient doctor.
    ctx.Execute(Lines(R"(
CREATE FUNCTION Do门诊转入汇总表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select B.编号, B.名称, Count(*) As 人数, Sum(A.费用金额) As 费用总额
From D住院档案 A, T员工档案 B
Where A.门诊医师 = B.编号 And A.入院时间 Between @vBegin And @vEnd And (@vKey = A.门诊医师 Or @vKey = '00')
Group By B.编号, B.名称
)
)"));

    ctx.Execute(ReportValues(
        "330,'药品调拨汇总表','N','',' ','U',14,'系统管理员','2004-1-17','Do调拨汇总表','FUN',"
        "'收货仓库：','Select 编号,名称 From T库房药房',0,'D',' '"));
    ctx.Execute(ReportValues(
        "331,'门诊转入汇总表','N',' ',' ','U',15,'系统管理员','2004-4-27 9:22:00','Do门诊转入汇总表','FUN',"
        "'门诊医生：','Select 编号,名称 From T员工档案 Where 医生=''是''',0,'M',' '"));

    ctx.Execute(ReportColumnValues("330,'编号','编号',1,0,702.72,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("330,'规格','规格',3,0,1036.8,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("330,'药品单位','药品单位',5,0,852.48,'C',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("330,'药品类型','药品类型',6,0,852.48,'R',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("330,'名称','名称',2,0,2263.68,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("330,'生产厂商','生产厂商',4,0,1486.08,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("330,'调拨次数','调拨次数',7,0,915.84,'R',0,'N',0,'C'"));
    ctx.Execute(ReportColumnValues("330,'调拨数量','调拨数量',8,0,990.72,'R',0,'N',0,'C'"));
    ctx.Execute(ReportColumnValues("330,'调拨金额','调拨金额',9,0,1198.08,'R',0,'E',0,'C'"));
    ctx.Execute(ReportColumnValues("330,'出货仓库','出货仓库',10,0,1000,'L',0,'S',-1,'C'"));

    // The first column's caption is 编辑, and 费用总额's caption ends in a blank.
    ctx.Execute(ReportColumnValues("331,'编号','编辑',1,0,1020,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("331,'名称','名称',2,0,1005,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValues("331,'人数','总人数',3,0,1005,'L',0,'N',0,'C'"));
    ctx.Execute(ReportColumnValues("331,'费用总额','费用总额 ',4,0,2085,'L',0,'E',0,'C'"));

    ctx.Execute(ReportColumnValues("256,'原收款时间','原收款时间',111,0,1020,'L',0,'S',-1,'C'"));

    ctx.Execute(v0087::AlterDo住院结帐列表());
}

void Update_104_To_105(StepContext& ctx) {
    ctx.Execute("UPDATE D住院档案 SET 费用金额=0 WHERE IsNull(费用金额, -123.456) = -123.456");
}

void Update_105_To_106(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院档案 ADD 临时医师 varchar(4)");
    ctx.Execute(AlterVJ住院档案WithTemporaryPhysician());
}

void Update_106_To_107(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 新农编码 varchar(10)");
    ctx.Execute("UPDATE T医院资料 SET 新农编码='000'");
}

}  // namespace quenvatrix::steps
