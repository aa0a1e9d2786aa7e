// Version 124: split payment of outpatient bills, insurance codes of items and
// drugs, the outpatient pricing views, the patient register under its final
// name, and the settlement that closed each inpatient charge and prescription.
#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::StandardColumnRow;

namespace {

void OutpatientItemViews(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ门诊划价列表
AS
SELECT 编号, 名称, 规格说明, 拼音简码, 五笔简码, '项目' AS 项目类型, 打印名称, 医保编码, 计量单位 AS 单位
FROM dbo.T门诊项目
WHERE 有效状态 = '可用'
)"));
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT M.编号, M.名称, M.拼音简码, M.收费方式, M.有效状态, M.计量单位, M.规格说明, M.所属类, M.五笔简码, M.备注,
    M.编码, M.同票项目, M.标准金额, M.优惠金额, M.打印名称, M.会员金额, K.名称 AS 核算科室, H.名称 AS 汇总科目,
    M.核算科室 AS 核算科室编号
FROM dbo.T门诊项目 M
    LEFT OUTER JOIN dbo.T科室档案 K ON M.核算科室 = K.编号
    LEFT OUTER JOIN dbo.T汇总科目 H ON M.汇总科目 = H.编号
)"));
}

void DrugView(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT P.名称 AS 生产厂商, P.联系地址 AS 生产企业地址, 0 AS 销售金额, 0 AS 会员销售金额, Y.编号, Y.所属类,
    Y.生产商编号, Y.名称, Y.拼音简码, Y.规格, Y.药品类型, Y.库存最低数量, Y.药品注册证号, Y.批准文号, Y.适用症状,
    Y.药品剂型, Y.产地, Y.存储条件, Y.药品有效期, Y.备注, Y.编码, Y.药品单位, Y.有效状态, Y.库存最高数量,
    Y.允许欠费, Y.五笔简码, Y.保险类别, Y.零售价格, Y.医保编码, Y.批售单价, Y.辅助单位,
    '1' + Y.辅助单位 + '=' + CAST(Y.换算关系 AS varchar) + Y.药品单位 AS 换算关系, Y.换算关系 AS 换算比例,
    Y.会员售价, Y.军人药品, Y.新农编码
FROM dbo.T药品卫材 Y
    LEFT OUTER JOIN dbo.T生产单位 P ON Y.生产商编号 = P.编号
)"));
}

void SettlementViews(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院记帐列表
AS
SELECT dbo.DoAddZero(A.序号, 10) AS 序号, dbo.DoAddZero(A.住院编号, 10) AS 住院编号, B.名称, B.性别, A.记帐时间,
    C.名称 AS 费用明细名称, A.单价, A.数量, A.金额, dbo.T员工档案.名称 AS 处方医生, dbo.T科室档案.名称 AS 处方科室,
    T科室档案_1.名称 AS 核算科室, T员工档案_1.名称 AS 操作员, A.备注, C.所属类型, C.计量单位, A.记帐方式,
    CASE A.作废 WHEN 1 THEN '是' ELSE '' END AS 作废, A.结算编号, A.处方医生 AS 处方医生编号, C.规格说明
FROM dbo.D住院记帐列表 A
    INNER JOIN dbo.D住院档案 B ON A.住院编号 = B.编号
    INNER JOIN dbo.T住院项目 C ON A.费用明细 = C.编号
    INNER JOIN dbo.T员工档案 ON A.处方医生 = dbo.T员工档案.编号
    INNER JOIN dbo.T科室档案 ON A.处方科室 = dbo.T科室档案.编号
    INNER JOIN dbo.T科室档案 T科室档案_1 ON A.核算科室 = T科室档案_1.编号
    INNER JOIN dbo.T员工档案 T员工档案_1 ON A.操作员 = T员工档案_1.编号
)"));
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ员工档案
AS
SELECT Y.编号, Y.名称, Y.性别, Y.职务, Y.学历, Y.专业, Y.职称, Y.联系电话, Y.联系地址, Y.拼音简码, Y.操作员,
    Y.登录口令, Y.出生日期, Y.备注, Y.所属类, Y.身份证号, Y.编码, Y.有效状态, Y.操作权限, Y.医生,
    Y.所属科室 AS 所属科室编号, K.名称 AS 所属科室, Y.暂存金额, Y.五笔简码, ISNULL(Y.护士, '否') AS 护士
FROM dbo.T员工档案 Y
    LEFT OUTER JOIN dbo.T科室档案 K ON Y.所属科室 = K.编号
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do住院结帐列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(S.序号, 10) AS 序号, dbo.DoAddZero(S.住院编号, 10) AS 住院编号, S.结帐时间,
    P.名称 AS 付款方式, Y.名称 AS 操作员, S.预交金额, S.费用总额,
    CASE WHEN S.预交金额 - S.费用总额 > 0 AND S.正常结帐 = 1 THEN S.预交金额 - S.费用总额 ELSE 0 END AS 出院退款,
    CASE WHEN S.预交金额 - S.费用总额 < 0 AND S.正常结帐 = 1 THEN -(S.预交金额 - S.费用总额) ELSE 0 END AS 出院补款,
    CASE WHEN S.预交金额 - S.费用总额 <> 0 AND S.正常结帐 = 0 THEN -(S.预交金额 - S.费用总额) ELSE 0 END AS 病人欠款,
    '正常' AS 状态, D.名称 AS 姓名, D.性别, S.结算类型
FROM dbo.D住院结帐列表 S
    INNER JOIN dbo.T付款方式 P ON S.付款方式 = P.编号
    INNER JOIN dbo.T员工档案 Y ON S.操作员 = Y.编号
    INNER JOIN dbo.D住院档案 D ON S.住院编号 = D.编号 AND S.状态 = 'N'
WHERE (S.操作员 = @vKey OR @vKey = '00') AND S.结帐时间 BETWEEN @vBegin AND @vEnd
)
)"));
}

}  // namespace

void Update_124_To_125(StepContext& ctx) {
    // 1. Member-card share of a bill.
    ctx.Execute("ALTER TABLE D门诊收费列表 ADD 会员支付 money DEFAULT 0");
    ctx.Execute("UPDATE D门诊收费列表 SET 会员支付=0");

    // 2. Account share of a bill becomes money, without a default.
    ctx.DropColumnDefault("D门诊收费列表", "帐户支付");
    ctx.Execute("ALTER TABLE D门诊收费列表 ALTER COLUMN 帐户支付 money");

    // 3. Insurance code of outpatient items; the pricing list.
    ctx.Execute("ALTER TABLE T门诊项目 ADD 医保编码 nvarchar(20)");
    OutpatientItemViews(ctx);

    // 4. Quantity of an outpatient bill line.
    ctx.Execute("ALTER TABLE D门诊收费数据 ADD 数量 numeric(18,4)");
    ctx.Execute("UPDATE D门诊收费数据 SET 数量=1");

    // 5. The patient register under its final name, with a card balance.
    ctx.Execute("EXEC sp_rename 'D病案资料', 'D病员档案'");
    ctx.Execute("ALTER TABLE D病员档案 ADD 卡上余额 money DEFAULT 0");
    ctx.Execute("UPDATE D病员档案 SET 卡上余额=0");

    // 6. Prescriptions waiting for payment.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ待收款处方列表
AS
SELECT dbo.DoAddZero(D.序号, 8) AS 处方编号, D.合计金额, K.类别, K.名称 AS 取药位置, D.过单时间
FROM dbo.D划价单 D
    INNER JOIN dbo.T库房药房 K ON D.药房 = K.编号
WHERE D.状态 = 'N'
)"));

    // 7. Insurance code and wholesale price of drugs.
    ctx.Execute("ALTER TABLE T药品卫材 ADD 医保编码 nvarchar(20)");
    ctx.Execute("ALTER TABLE T药品卫材 ADD 批售单价 money");
    DrugView(ctx);

    // 8. Inpatient dispensing mode of pharmacies.
    ctx.Execute("ALTER TABLE T库房药房 ADD 住院发药 nvarchar(4)");
    ctx.Execute("UPDATE T库房药房 SET 住院发药='人工发药'");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ库房药房
AS
SELECT K.编号, K.名称, K.类别, K.种类, K.有效状态, K.备注, K.所属类, K.编码, Y.名称 AS 保管员, K.门诊发药,
    K.住院发药
FROM dbo.T库房药房 K
    LEFT OUTER JOIN dbo.T员工档案 Y ON K.保管员 = Y.编号
)"));
    ctx.Execute(StandardColumnRow(24, "住院发药", 20));

    // 9. Member and discount prices become texts, without defaults.
    ctx.DropColumnDefault("T门诊项目", "会员金额");
    ctx.DropColumnDefault("T门诊项目", "优惠金额");
    ctx.Execute("ALTER TABLE T门诊项目 ALTER COLUMN 会员金额 real");
    ctx.Execute("ALTER TABLE T门诊项目 ALTER COLUMN 会员金额 varchar(10)");
    ctx.Execute("ALTER TABLE T门诊项目 ALTER COLUMN 优惠金额 real");
    ctx.Execute("ALTER TABLE T门诊项目 ALTER COLUMN 优惠金额 varchar(10)");
    ctx.Execute("UPDATE F报表格式 SET 数据类型='S',统计结果=-1 WHERE 表编号=28 AND 字段名称='会员金额'");
    ctx.Execute("UPDATE F报表格式 SET 数据类型='S',统计结果=-1 WHERE 表编号=28 AND 字段名称='优惠金额'");

    // 10. Operators print outpatient invoices.
    ctx.Execute("ALTER TABLE T员工档案 ADD 打印门诊发票 tinyint DEFAULT 1");
    ctx.Execute("UPDATE T员工档案 SET 打印门诊发票=1");

    // 11. Bed categories become the list of ward names.
    ctx.Execute("UPDATE T综合选项 SET 类别='病区名称' WHERE 类别='床位类别'");

    // 12. Report 258 shows the time of day.
    ctx.Execute("UPDATE F报表格式 SET 数据类型='T' WHERE 表编号=258 AND 字段名称='发生时间'");

    // 13. Settlement of inpatient charge lines.
    ctx.Execute("ALTER TABLE D住院记帐列表 ADD 结算编号 int DEFAULT 0");
    ctx.Execute("UPDATE D住院记帐列表 SET 结算编号=0");
    ctx.Execute(
        "UPDATE D住院记帐列表 SET 结算编号=D住院结帐列表.序号 FROM D住院记帐列表 INNER JOIN D住院结帐列表 "
        "ON D住院记帐列表.住院编号=D住院结帐列表.住院编号");

    // 14. Kind and shares of a settlement.
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 结算类型 nvarchar(5)");
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 报销金额 money DEFAULT 0");
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 自付金额 money DEFAULT 0");
    ctx.Execute("UPDATE D住院结帐列表 SET 报销金额=0,自付金额=0,结算类型='出院结算'");

    // 15. Settlement of inpatient prescriptions.
    ctx.Execute("ALTER TABLE D住院划价单 ADD 结算编号 int DEFAULT 0");
    ctx.Execute("UPDATE D住院划价单 SET 结算编号=0");
    ctx.Execute(
        "UPDATE D住院划价单 SET 结算编号=D住院结帐列表.序号 FROM D住院划价单 INNER JOIN D住院结帐列表 "
        "ON D住院划价单.住院编号=D住院结帐列表.住院编号");

    // 16. Views and the settlement report that show the new columns.
    SettlementViews(ctx);
    ctx.Execute(StandardColumnRow(221, "结算类型", 20, 1));
}

}  // namespace quenvatrix::steps
