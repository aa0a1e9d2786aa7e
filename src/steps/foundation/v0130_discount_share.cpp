// Versions 130-133: the discount share of outpatient bills, the patient view,
// the last insurance columns of a stay, the hospital's social-insurance modes,
// the option-list triggers following the ward list, the outpatient receipts
// report 340, and the statistics of outpatient prescriptions.
#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::PrintFieldRow;
using rows::StandardColumnRow;

void Update_130_To_131(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D门诊收费列表 ADD 优惠金额 money DEFAULT 0");
    ctx.Execute("UPDATE D门诊收费列表 SET 优惠金额=0");
    for (const char* field : {"现金支付", "帐户支付", "会员支付", "帐户支付前金额", "帐户支付后金额", "会员支付前金额",
                              "会员支付后金额", "优惠支付金额"}) {
        ctx.Execute(PrintFieldRow(305, field));
    }
    ctx.Execute("ALTER TABLE D住院档案 ADD 工龄 real");
    ctx.Execute("UPDATE D住院档案 SET 工龄=0");
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
    LS.名称 AS 临时医师, DA.就诊顺序号, DA.起付标准, DA.自付比例, DA.公务员比例, DA.工龄
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
}

void Update_131_To_132(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ病员档案
AS
SELECT dbo.D病员档案.*
FROM dbo.D病员档案
)"));
}

void Update_132_To_133(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 门诊社保模式 tinyint");
    ctx.Execute("ALTER TABLE T医院资料 ADD 住院社保模式 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 门诊社保模式=0,住院社保模式=0");

    // Renaming a ward renames the category of its beds.
    ctx.Execute(Lines(R"(
ALTER TRIGGER Do修改床位类别 ON dbo.T综合选项
FOR UPDATE
AS
DECLARE @m类别 nvarchar(10), @m原名称 nvarchar(10), @m新名称 nvarchar(10)
SELECT @m类别 = 类别, @m原名称 = 名称 FROM deleted
SELECT @m新名称 = 名称 FROM inserted
IF @m类别 = '病区名称'
    UPDATE T床位档案 SET 类别 = @m新名称 WHERE 类别 = @m原名称
)"));

    // Options still in use are not deleted. Every deleted entry is checked, so
    // a statement deleting several entries is refused when any of them is in use.
    ctx.Execute(Lines(R"(
ALTER TRIGGER NoDelete_综合选项 ON dbo.T综合选项
FOR DELETE
AS
IF EXISTS (SELECT * FROM deleted D WHERE D.类别 = '入库类型'
           AND EXISTS (SELECT * FROM D入库单 WHERE D入库单.入库方式 = D.编码))
BEGIN
    RAISERROR ('该种入库类型已被#入库单使用,不能删除！', 16, 1)
    ROLLBACK TRANSACTION
    RETURN
END
IF EXISTS (SELECT * FROM deleted D WHERE D.类别 = '出库类型'
           AND EXISTS (SELECT * FROM D出库单 WHERE D出库单.出库方式 = D.编码))
BEGIN
    RAISERROR ('该种出库类型已被#出库单使用,不能删除！', 16, 1)
    ROLLBACK TRANSACTION
    RETURN
END
IF EXISTS (SELECT * FROM deleted D WHERE D.类别 = '病区名称'
           AND EXISTS (SELECT * FROM T床位档案 WHERE T床位档案.类别 = D.名称))
BEGIN
    RAISERROR ('该项目已被床位档案使用,不能删除！', 16, 1)
    ROLLBACK TRANSACTION
    RETURN
END
)"));

    ctx.Execute("ALTER TABLE D住院档案 ADD 社保资料1 nvarchar(256)");
    ctx.Execute("ALTER TABLE D住院档案 ADD 社保资料2 nvarchar(256)");
    ctx.Execute(StandardColumnRow(220, "结算编号", 222));
    ctx.Execute("ALTER TABLE D住院记帐列表 ADD 退回数量 numeric(18,4) DEFAULT 0");
    ctx.Execute("UPDATE D住院记帐列表 SET 退回数量=0");

    // The insurance feed stops; a database without these triggers fails here.
    ctx.Execute("DROP TRIGGER Do新建费用修改");
    ctx.Execute("DROP TRIGGER Do新建费用");

    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,"
        "主键查询,序号,默认时段,查询条件) VALUES (340,'门诊收费列表','N',' ',' ','U',3,'系统管理员','2005-10-15',"
        "'Do门诊收费列表','FUN','操作员：','Select 编号,名称 From T员工档案 Where 操作员=''是''',0,'D',' ')");
    ctx.Execute(StandardColumnRow(340, "序号", -1, 1));
    ctx.Execute(StandardColumnRow(340, "发生时间", 1, 0, "T"));
    ctx.Execute(StandardColumnRow(340, "病人姓名", 1));
    ctx.Execute(StandardColumnRow(340, "收款人", 1));
    ctx.Execute(StandardColumnRow(340, "帐户支付", 1, 0, "E", 0));
    ctx.Execute(StandardColumnRow(340, "会员支付", 1, 0, "E", 0));
    ctx.Execute(StandardColumnRow(340, "优惠金额", 1, 0, "E", 0));
    ctx.Execute(StandardColumnRow(340, "现金支付", 1, 0, "E", 0));
    ctx.Execute(StandardColumnRow(340, "合计金额", 1, 0, "E", 0));
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do门诊收费列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 100 PERCENT A.序号, A.发生时间, A.病人姓名, B.名称 AS 收款人, A.帐户支付, A.会员支付, A.优惠金额,
    A.实收金额 AS 合计金额, A.实收金额 - A.帐户支付 - A.会员支付 - A.优惠金额 AS 现金支付
FROM dbo.D门诊收费列表 A
    INNER JOIN dbo.T员工档案 B ON A.收款人 = B.编号
WHERE (B.编号 = @vKey OR @vKey = '00') AND A.发生时间 BETWEEN @vBegin AND @vEnd
ORDER BY A.序号
)
)"));
}

void Update_133_To_134(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D划价单 ADD 已退药 bit DEFAULT 0");
    ctx.Execute("UPDATE D划价单 SET 已退药=0");
    ctx.Execute("UPDATE D划价单 SET 已退药=1 WHERE 退回金额<>0");
    ctx.Execute("ALTER TABLE D门诊退药单 ADD 新处方编号 int");
    ctx.Execute("UPDATE D门诊退药单 SET 新处方编号=0");
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do划价单统计表 (@v范围 nvarchar(2), @vState char(1), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(D.序号, 10) AS 处方编号, D.过单时间, K.类别 AS 处方类型, D.病人姓名, YS.名称 AS 处方医生,
    KS.名称 AS 处方科室, D.合计金额 - D.退回金额 AS 合计金额, ZD.名称 AS 制单人, SK.名称 AS 收款人,
    FY.名称 AS 发药人,
    CASE WHEN D.状态 = 'N' OR ISNULL(SK.名称, '') = '' THEN '否' ELSE '是' END AS 已收款,
    CASE WHEN D.状态 = 'S' THEN '是' ELSE '否' END AS 已发药
FROM dbo.D划价单 D
    INNER JOIN dbo.T库房药房 K ON D.药房 = K.编号
    LEFT OUTER JOIN dbo.T员工档案 YS ON D.处方医生 = YS.编号
    LEFT OUTER JOIN dbo.T科室档案 KS ON D.处方科室 = KS.编号
    INNER JOIN dbo.T员工档案 ZD ON D.制单人 = ZD.编号
    LEFT OUTER JOIN dbo.T员工档案 SK ON D.收款人 = SK.编号
    LEFT OUTER JOIN dbo.T员工档案 FY ON D.发药人 = FY.编号
WHERE (K.类别 = @v范围 OR @v范围 = '全部')
    AND (((D.状态 = @vState OR @vState = '0') AND D.作废 = 0)
        OR (D.作废 = 1 AND @vState = 'D')
        OR (D.退回金额 <> 0 AND @vState = 'T')
        OR @vState = 'A')
    AND D.过单时间 BETWEEN @vBegin AND @vEnd
)
)"));
}

}  // namespace quenvatrix::steps
