// Versions 140 and 141: archived charge lines in the charge reports, the
// insurance charge details keyed by stay (fed by a trigger for one version),
// the joined-in flags of charge lines and inpatient prescriptions, the upload
// flags of settlements, a generic summary report, registration invoice print
// fields and further permission edits.

#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/inpatient_archive/v0135_texts.h"

namespace quenvatrix::steps {

using rows::PermissionRow;
using rows::PrintFieldRow;
using rows::RenamePermission;

void Update_140_To_141(StepContext& ctx) {
    // 1. The archived charge lines, shown as VJ住院记帐列表 shows the live ones.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJOLD住院记帐列表
AS
SELECT dbo.DoAddZero(JZ.序号, 10) AS 序号, dbo.DoAddZero(JZ.住院编号, 10) AS 住院编号, DA.名称, DA.性别,
    JZ.记帐时间, XM.名称 AS 费用明细名称, JZ.单价, JZ.数量, JZ.金额, YS.名称 AS 处方医生, KS.名称 AS 处方科室,
    HK.名称 AS 核算科室, CZ.名称 AS 操作员, JZ.备注, XM.所属类型, XM.计量单位, JZ.记帐方式,
    CASE WHEN JZ.作废 = 1 THEN '是' ELSE '' END AS 作废, JZ.结算编号, JZ.处方医生 AS 处方医生编号, XM.规格说明
FROM dbo.OLD住院记帐列表 JZ
    INNER JOIN dbo.OLD住院档案 DA ON JZ.住院编号 = DA.编号
    INNER JOIN dbo.T住院项目 XM ON JZ.费用明细 = XM.编号
    INNER JOIN dbo.T员工档案 YS ON JZ.处方医生 = YS.编号
    INNER JOIN dbo.T科室档案 KS ON JZ.处方科室 = KS.编号
    INNER JOIN dbo.T科室档案 HK ON JZ.核算科室 = HK.编号
    INNER JOIN dbo.T员工档案 CZ ON JZ.操作员 = CZ.编号
)"));

    // 2. Charge detail lines of a prescribing doctor, live and archived.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do住院记帐明细报表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT * FROM dbo.VJ住院记帐列表
WHERE 作废 <> '是' AND (处方医生编号 = @vKey OR @vKey = '00') AND 记帐时间 BETWEEN @vBegin AND @vEnd
UNION ALL
SELECT * FROM dbo.VJOLD住院记帐列表
WHERE 作废 <> '是' AND (处方医生编号 = @vKey OR @vKey = '00') AND 记帐时间 BETWEEN @vBegin AND @vEnd
)
)"));

    // 3.
    ctx.Execute(v0135::InpatientPrescriptionStatistics());

    // 4. Insurance charge details belong to a stay, no longer to a visit number.
    ctx.Execute("ALTER TABLE Y医保住院费用明细CD ADD 住院编号 int");
    ctx.Execute(
        "UPDATE Y医保住院费用明细CD SET 住院编号=ALL住院档案.编号 FROM Y医保住院费用明细CD INNER JOIN ALL住院档案 ON "
        "Y医保住院费用明细CD.就诊顺序号=ALL住院档案.就诊顺序号");
    ctx.Execute("ALTER TABLE Y医保住院费用明细CD DROP COLUMN 就诊顺序号");

    // 5. Every charge line posted to a stay in hospital is copied into the
    // details, negative quantities included.
    ctx.Execute(Lines(R"(
CREATE TRIGGER Do新建费用 ON dbo.D住院记帐列表
FOR INSERT
AS
INSERT INTO Y医保住院费用明细CD (住院编号, 医保项目编码, 收费大类名称, 数量, 实际价格, 费用总额, 经办人, 开单科室,
    开单医生, 受单科室, 项目名称)
SELECT A.住院编号, C.医保编码, C.所属类型, A.数量, A.单价, A.金额, A.操作员, A.处方科室, A.处方医生, A.核算科室, C.名称
FROM inserted A
    INNER JOIN D住院档案 B ON A.住院编号 = B.编号
    INNER JOIN T住院项目 C ON A.费用明细 = C.编号
WHERE A.数量 <> 0
)"));

    // 6. The generic summary report; registration invoice print fields.
    ctx.Execute(rows::BareReportRow(348, "汇总报表"));
    ctx.Execute("INSERT INTO F报表格式 VALUES (348,'编码','编码',0,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (348,'名称','名称',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (348,'发生次数','发生次数',2,0,1000,'L',0,'N',0,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (348,'合计金额','合计金额',3,0,1000,'L',0,'E',0,'C')");
    for (const char* field : {"开始日期", "结束日期", "开始时间", "结束时间", "汇总方式"}) {
        ctx.Execute(PrintFieldRow(348, field));
    }
    ctx.Execute(PrintFieldRow(306, "挂号医生备注"));
    ctx.Execute(PrintFieldRow(306, "挂号科室备注"));

    // 7. Permissions; the electronic case record keeps 142 (view) and 160 (manage).
    ctx.Execute(RenamePermission(8, "查看常用字典"));
    ctx.Execute(RenamePermission(9, "管理常用字典"));
    ctx.Execute(RenamePermission(20, "查看挂号类别"));
    ctx.Execute("UPDATE T操作权限 SET 所属分类=1,序号=111 WHERE 编号=142");
    ctx.Execute("DELETE FROM T操作权限 WHERE 编号 IN (143,144,145)");
    ctx.Execute(RenamePermission(160, "管理电子病历"));
    ctx.Execute(PermissionRow(270, "查看社区档案", 1, 100));
    ctx.Execute(PermissionRow(271, "管理社区档案", 1, 100));
    ctx.Execute(RenamePermission(21, "管理挂号类别"));
    ctx.Execute("DELETE FROM T操作权限 WHERE 编号 IN (264,265)");
    ctx.Execute(RenamePermission(86, "病人结算"));
    ctx.Execute(RenamePermission(114, "结算审核"));
    ctx.Execute("UPDATE T操作权限 SET 名称='已出院病人档案',所属分类=5,序号=100 WHERE 编号=60");
    ctx.Execute("DELETE FROM T操作权限 WHERE 编号 IN (103,104)");
}

void Update_141_To_142(StepContext& ctx) {
    // 1. Whether a charge line or prescription was joined in, live and archived.
    for (const char* table : {"D住院记帐列表", "OLD住院记帐列表", "D住院划价单", "OLD住院划价单"}) {
        ctx.Execute(std::string("ALTER TABLE ") + table + " ADD 已加入 bit DEFAULT 0");
        ctx.Execute(std::string("UPDATE ") + table + " SET 已加入=0");
    }

    // 2. The union of charge lines takes the new column; ALL住院划价单 keeps its
    // column list until a later re-issue.
    ctx.Execute(v0135::ChargeLinesUnionView("ALTER"));

    // 3. From here on no trigger feeds the insurance charge details.
    ctx.Execute("DROP TRIGGER Do新建费用");

    // 4.
    ctx.Execute("ALTER TABLE Y医保住院费用明细CD ADD 上传时间 datetime");

    // 5.
    ctx.Execute(PermissionRow(272, "修改病人费用类型", 5, 0));

    // 6. Upload flags of settlements.
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 结算已上传 nchar(1) DEFAULT N'否'");
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 出院已上传 nchar(1) DEFAULT N'否'");
    ctx.Execute("UPDATE D住院结帐列表 SET 结算已上传=N'否',出院已上传=N'否'");
}

}  // namespace quenvatrix::steps
