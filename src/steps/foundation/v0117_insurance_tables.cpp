// Versions 117-123: the first medical-insurance tables, the retail markup
// setting, the insurer's codes, and the queue of insured inpatients' charge
// lines awaiting upload, filled by two triggers.
#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::StandardColumnRow;

void Update_117_To_118(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 零售加价 bit");
    ctx.Execute("ALTER TABLE T医院资料 ADD 零售加价比率 real");
    ctx.Execute("UPDATE T医院资料 SET 零售加价=0,零售加价比率=0");
}

void Update_118_To_119(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[Y医保费用明细表CD] (
    [就诊顺序号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [结算编号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [退单编号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [个人编码] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [分中心编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [医院编码] [varchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
    [分院编码] [varchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
    [医保项目编码] [varchar] (12) COLLATE Chinese_PRC_CI_AS NULL ,
    [收费大类名称] [varchar] (56) COLLATE Chinese_PRC_CI_AS NULL ,
    [数量] [numeric](18, 2) NULL ,
    [费用总额] [money] NULL ,
    [自付比例] [real] NULL ,
    [全自费部分] [money] NULL ,
    [挂钩自费部分] [money] NULL ,
    [允许报销部分] [money] NULL ,
    [特项标志] [varchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [支付类别] [varchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [开单科室名称] [varchar] (56) COLLATE Chinese_PRC_CI_AS NULL ,
    [开单科室医生] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [受单科室名称] [varchar] (56) COLLATE Chinese_PRC_CI_AS NULL ,
    [受单科室医生] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [经办人] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [经办时间] [datetime] NULL ,
    [收费项目名称] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [规格] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [产地] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [单位] [varchar] (30) COLLATE Chinese_PRC_CI_AS NULL ,
    [英文名] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [化学名] [varchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [序号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [发生时间] [datetime] NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[Y医保费用明细表CD] WITH NOCHECK ADD
    CONSTRAINT [DF_Y医保费用明细表CD_发生时间] DEFAULT (getdate()) FOR [发生时间]
)"));
}

void Update_119_To_120(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院档案 ADD 就诊顺序号 varchar(20)");
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[Y医保住院列表CD] (
    [住院编号] [int] NULL ,
    [卡号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [个人编码] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [密码] [varchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
    [就诊顺序号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [审批号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [缴费年限] [numeric](18, 0) NULL ,
    [实足年龄] [numeric](18, 0) NULL ,
    [起付标准] [money] NULL ,
    [本次真实起付线] [money] NULL ,
    [基本统筹支付限额] [money] NULL ,
    [本次大额统筹限额] [money] NULL ,
    [基本统筹累计金额] [money] NULL ,
    [大额统筹累计金额] [money] NULL ,
    [封锁信息] [varchar] (2000) COLLATE Chinese_PRC_CI_AS NULL ,
    [统筹报销比例] [numeric](18, 4) NULL ,
    [出生日期] [datetime] NULL ,
    [医疗人员类型] [varchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [所在单位编码] [varchar] (12) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
}

void Update_120_To_121(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T住院项目 ADD 医保编码 varchar(20)");
    ctx.Execute(StandardColumnRow(219, "医保编码", 120));
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT A.编号, A.名称, A.拼音简码, A.所属类型, A.所属类, A.收费方式, A.标准金额, A.计量单位, A.规格说明,
    A.允许欠费, A.备注, A.有效状态, A.编码, A.五笔简码, A.保险报销, A.会员价格, B.名称 AS 汇总科目,
    A.保险类别, K.名称 AS 核算科室, A.新农编码, A.新农分类, A.医保编码
FROM dbo.T住院项目 A
    LEFT OUTER JOIN dbo.T汇总科目 B ON A.汇总科目 = B.编号
    LEFT OUTER JOIN dbo.T科室档案 K ON A.核算科室 = K.编号
)"));
}

void Update_121_To_122(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ医技表单列表
AS
SELECT V.当前科室 AS 病人科室, V.当前床位 AS 病人床位, D.住院编号, V.名称 AS 病人姓名, V.性别,
    B.名称 AS 表单名称, K.名称 AS 申请人, D.申请时间, V.入院时间, V.病情诊断, V.住院医师, D.表单序号,
    D.流水序号, ISNULL(Y.名称, '') AS 填写人, V.出院效果, B.使用权
FROM dbo.D住院附件 D
    INNER JOIN dbo.T表单列表 B ON D.表单序号 = B.表单序号
    INNER JOIN dbo.VJ住院档案 V ON D.住院编号 = V.编号
    LEFT OUTER JOIN dbo.T员工档案 Y ON D.填写人 = Y.编号
    LEFT OUTER JOIN dbo.T员工档案 K ON D.申请人 = K.编号
WHERE B.使用权 > 0
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do门诊收费明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 10000 dbo.DoAddZero(A.序号, 10) AS 序号, 发生时间, 病人姓名, T.名称 AS 收费项目,
    项目金额 - B.退回金额 AS 项目金额, Y.名称 AS 处方医生, F.名称 AS 处方科室, H.名称 AS 核算科室,
    Y2.名称 AS 收款人, 项目编号, 处方编号,
    CASE B.状态 WHEN 'N' THEN '正常' ELSE '作废' END AS 状态
FROM dbo.T科室档案 H, dbo.T科室档案 F, dbo.T员工档案 Y, dbo.D门诊收费列表 A, dbo.D门诊收费数据 B,
    dbo.T门诊项目 T, dbo.T员工档案 Y2
WHERE A.序号 = B.序号 AND B.项目编号 = T.编号 AND Y.编号 = B.处方医生 AND F.编号 = B.处方科室
    AND H.编号 = B.核算科室 AND Y2.编号 = A.收款人
    AND (Y2.编号 = @vKey OR @vKey = '00')
    AND 项目金额 > B.退回金额
    AND 发生时间 BETWEEN @vBegin AND @vEnd
    AND B.状态 = 'N'
ORDER BY A.序号
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do门诊票据列表与管理 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 10000 dbo.DoAddZero(A.序号, 10) AS 序号, 发生时间, 病人姓名, T.名称 AS 收费项目, 项目金额,
    Y.名称 AS 处方医生, F.名称 AS 处方科室, H.名称 AS 核算科室, Y2.名称 AS 收款人, 项目编号, 处方编号,
    B.折前金额, CASE B.状态 WHEN 'N' THEN '正常' ELSE '作废' END AS 状态
FROM dbo.T科室档案 H, dbo.T科室档案 F, dbo.T员工档案 Y, dbo.D门诊收费列表 A, dbo.D门诊收费数据 B,
    dbo.T门诊项目 T, dbo.T员工档案 Y2
WHERE A.序号 = B.序号 AND B.项目编号 = T.编号 AND Y.编号 = B.处方医生 AND F.编号 = B.处方科室
    AND H.编号 = B.核算科室 AND Y2.编号 = A.收款人
    AND (Y2.编号 = @vKey OR @vKey = '00')
    AND 发生时间 BETWEEN @vBegin AND @vEnd
    AND B.状态 = 'N'
ORDER BY A.序号
)
)"));
}

void Update_122_To_123(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 医保帐户人员 varchar(4)");
    ctx.Execute("UPDATE T医院资料 SET 医保帐户人员='9999'");
}

void Update_123_To_124(StepContext& ctx) {
    // 1. The inpatient view, with the insurer's visit number at the end.
    ctx.Execute(Lines(R"(
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
    LS.名称 AS 临时医师, DA.就诊顺序号
FROM dbo.D住院档案 DA
    LEFT OUTER JOIN dbo.T病人单位 DW ON DA.所在单位 = DW.编号
    INNER JOIN dbo.T科室档案 KS ON DA.入院科室 = KS.编号
    INNER JOIN dbo.T床位档案 CW ON DA.入院床位 = CW.编号
    INNER JOIN dbo.T员工档案 ON DA.住院医师 = dbo.T员工档案.编号
    LEFT OUTER JOIN dbo.T员工档案 MY ON DA.门诊医师 = MY.编号
    INNER JOIN dbo.T科室档案 DK ON DA.当前科室 = DK.编号
    INNER JOIN dbo.T床位档案 T床位档案_1 ON DA.当前床位 = T床位档案_1.编号
    LEFT OUTER JOIN dbo.T员工档案 JB ON DA.入院经办人 = JB.编号
    LEFT OUTER JOIN dbo.T员工档案 LS ON DA.临时医师 = LS.编号
)"));

    // 2. Stays not yet discharged.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ在院档案
AS
SELECT dbo.VJ住院档案.*
FROM dbo.VJ住院档案
WHERE 出院效果 = ''
)"));

    // 3. The upload queue.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[Y医保住院费用明细CD] (
    [业务流水] [int] IDENTITY (1, 1) NOT NULL ,
    [就诊顺序号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [医保项目编码] [varchar] (12) COLLATE Chinese_PRC_CI_AS NULL ,
    [收费大类名称] [varchar] (59) COLLATE Chinese_PRC_CI_AS NULL ,
    [数量] [numeric](18, 2) NULL ,
    [实际价格] [numeric](18, 2) NULL ,
    [费用总额] [numeric](18, 2) NULL ,
    [已上传] [bit] NULL ,
    [经办人] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [经办时间] [datetime] NULL ,
    [开单科室] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [开单医生] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [受单科室] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [项目名称] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[Y医保住院费用明细CD] WITH NOCHECK ADD
    CONSTRAINT [DF_Y医保住院费用明细CD_已上传] DEFAULT (0) FOR [已上传],
    CONSTRAINT [DF_Y医保住院费用明细CD_经办时间] DEFAULT (getdate()) FOR [经办时间],
    CONSTRAINT [PK_Y医保住院费用明细CD] PRIMARY KEY CLUSTERED
    (
        [业务流水]
    ) ON [PRIMARY]
)"));

    // 4. New charge lines of insured stays join the queue.
    ctx.Execute(Lines(R"(
CREATE TRIGGER Do新建费用 ON dbo.D住院记帐列表
FOR INSERT
AS
INSERT INTO Y医保住院费用明细CD (就诊顺序号, 医保项目编码, 收费大类名称, 数量, 实际价格, 费用总额, 经办人,
    开单科室, 开单医生, 受单科室, 项目名称)
SELECT B.就诊顺序号, C.医保编码, C.所属类型, A.数量, A.单价, A.金额, A.操作员, A.处方科室, A.处方医生,
    A.核算科室, C.名称
FROM inserted A
    INNER JOIN D住院档案 B ON A.住院编号 = B.编号
    INNER JOIN T住院项目 C ON A.费用明细 = C.编号
WHERE ISNULL(B.就诊顺序号, '') <> '' AND A.数量 > 0
)"));

    // 5. A quantity correction queues the change, negative for a reduction.
    ctx.Execute(Lines(R"(
CREATE TRIGGER Do新建费用修改 ON dbo.D住院记帐修改列表
FOR INSERT
AS
INSERT INTO Y医保住院费用明细CD (就诊顺序号, 医保项目编码, 收费大类名称, 数量, 实际价格, 费用总额, 经办人,
    开单科室, 开单医生, 受单科室, 项目名称)
SELECT B.就诊顺序号, C.医保编码, C.所属类型, -(CC.原数量 - CC.现数量), DD.单价,
    -(CC.原数量 - CC.现数量) * DD.单价, DD.操作员, DD.处方科室, DD.处方医生, DD.核算科室, C.名称
FROM inserted CC
    INNER JOIN D住院记帐列表 DD ON DD.序号 = CC.记帐序号
    INNER JOIN D住院档案 B ON DD.住院编号 = B.编号
    INNER JOIN T住院项目 C ON DD.费用明细 = C.编号
WHERE ISNULL(B.就诊顺序号, '') <> '' AND DD.数量 > 0
)"));
}

}  // namespace quenvatrix::steps
