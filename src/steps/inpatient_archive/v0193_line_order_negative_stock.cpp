// Versions 193 to 198: a line order on outpatient charge lines, the inpatient
// cashier's receipt sheet, the unit conversion of a drug on the document forms,
// the outpatient diagnosis and the patient photo, the per-store choice whether
// stock may go negative with the trigger that enforces it, and the multi-column
// summary report 380.
#include <cstdint>
#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::BareReportRow;
using rows::PrintFieldRow;
using rows::ReportColumnRow;
using rows::ShortColumnRow;
using rows::StandardColumnRow;

namespace {

// The drug conversion column of a document form's line grid: shown, 900 wide.
std::string ConversionColumnRow(int form, const std::string& field) {
    return ReportColumnRow(form, field, "换算关系", 200, 0, 900, "L", 0, "S", -1, "C");
}

}  // namespace

void Update_193_To_194(StepContext& ctx) {
    ctx.Execute(PrintFieldRow(320, "收款金额大写"));
    ctx.Execute("ALTER TABLE D门诊收费数据 ADD 行序号 tinyint DEFAULT 1");
    ctx.Execute("UPDATE D门诊收费数据 SET 行序号=1");
    ctx.Execute(
        "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,此列必选,数据类型,统计结果) "
        "VALUES (258,'行序号','行序号',2000,1,'S',-1)");
    ctx.Execute("ALTER TABLE T医院资料 ADD 门诊多项目 bit");
    ctx.Execute("UPDATE T医院资料 SET 门诊多项目=0");
}

void Update_194_To_195(StepContext& ctx) {
    ctx.Execute(BareReportRow(379, "住院操作员收款单"));
    ctx.Execute(ShortColumnRow(379, "发生时间", 0, "T", -1));
    ctx.Execute(ShortColumnRow(379, "相关病人", 1, "S", -1));
    ctx.Execute(ShortColumnRow(379, "摘要", 2, "S", -1));
    ctx.Execute(ShortColumnRow(379, "收入金额", 3, "E", 0));
    ctx.Execute(ShortColumnRow(379, "支出金额", 4, "E", 0));
    for (const char* field : {"统计开始时间", "统计结束时间", "收款员", "表头"}) {
        ctx.Execute(PrintFieldRow(379, field));
    }
}

void Update_195_To_196(StepContext& ctx) {
    ctx.Execute("INSERT INTO T单据格式 VALUES (101,'换算关系',0,0,0,0)");
    ctx.Execute(ConversionColumnRow(101, "换算关系"));
    // The drug list of the document lines, with the conversion as a text such
    // as 1盒=10片 (NULL when the unit, the auxiliary unit or the factor is).
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJXS药品卫材
AS
SELECT '' AS 生产批号, '' AS 灭菌日期, '' AS 有效期至, '' AS 生产日期, 0 AS 原单价, 0 AS 调后差额,
dbo.T生产单位.名称 AS 生产厂商, '' AS 成本均价, '' AS 报损金额, dbo.T药品卫材.*, 0 AS 销售金额, 0 AS 会员销售金额,
'1' + dbo.T药品卫材.辅助单位 + '=' + CAST(dbo.T药品卫材.换算关系 AS varchar) + dbo.T药品卫材.药品单位 AS 药品换算关系
FROM dbo.T药品卫材 LEFT OUTER JOIN dbo.T生产单位 ON dbo.T药品卫材.生产商编号 = dbo.T生产单位.编号
)"));
    ctx.Execute("INSERT INTO T单据格式 VALUES (102,'药品换算关系',0,0,0,0)");
    ctx.Execute(ConversionColumnRow(102, "药品换算关系"));
    ctx.Execute("INSERT INTO T单据格式 VALUES (103,'药品换算关系',0,0,0,0)");
    ctx.Execute(ConversionColumnRow(103, "药品换算关系"));
    ctx.Execute(ShortColumnRow(340, "挂帐金额", 400, "E", 0));
    ctx.Execute("ALTER TABLE D病员档案 ADD 病员照片 Image");
}

void Update_196_To_197(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D门诊收费列表 ADD 病情诊断 nvarchar(40)");
    ctx.Execute(PrintFieldRow(305, "病情诊断"));
    ctx.Execute(PrintFieldRow(305, "X会员照片X"));
    ctx.Execute("ALTER TABLE T医院资料 ADD 门诊诊断 Bit");
    ctx.Execute("UPDATE T医院资料 SET 门诊诊断=0");
}

void Update_197_To_198(StepContext& ctx) {
    // 1.-2. Whether a store's stock may go below zero (1 allows it).
    ctx.Execute("ALTER TABLE T库房药房 ADD 负库存 bit DEFAULT 0");
    ctx.Execute("UPDATE T库房药房 SET 负库存=0");
    ctx.Execute(ShortColumnRow(24, "负库存", 100, "S", -1));
    // 3. The store list shows the choice as a word; NULL reads as not allowed.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ库房药房
AS
SELECT K.编号, K.名称, K.类别, K.种类, K.有效状态, K.备注, K.所属类, K.编码, Y.名称 AS 保管员, K.门诊发药,
    K.住院发药, CASE WHEN K.负库存 = 1 THEN '允许' ELSE '不允许' END AS 负库存
FROM dbo.T库房药房 K
    LEFT OUTER JOIN dbo.T员工档案 Y ON K.保管员 = Y.编号
)"));
    // 4.
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=24 AND 字段名称='保管员'");
    // 5.-6. The trigger takes over from the check constraint: an update that
    // leaves a batch below zero in a store that does not allow it is refused
    // and its whole transaction undone. Inserts are not checked.
    ctx.Execute("ALTER TABLE T库存药品 DROP CONSTRAINT CK_T库存药品");
    ctx.Execute(Lines(R"(
CREATE TRIGGER dbo.Do检查库存 ON dbo.T库存药品
FOR UPDATE
AS
IF EXISTS (SELECT * FROM Inserted A INNER JOIN dbo.T库房药房 B ON A.仓库编号 = B.编号
    WHERE B.负库存 = 0 AND A.库存数量 < 0)
BEGIN
    RAISERROR ('库存不能小于零!', 16, 1)
    ROLLBACK TRANSACTION
END
)"));
}

void Update_198_To_199(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 门诊显示合计 bit");
    ctx.Execute("UPDATE T医院资料 SET 门诊显示合计=1");
    ctx.Execute(BareReportRow(380, "多元汇总表"));
    for (const char* field : {"开始时间", "结束时间", "统计时间类型", "汇总方式", "组织结构", "指定处方医生", "指定处方科室",
                              "指定核算科室", "指定操作员", "取表头3", "取表头4", "取表头5", "取表头n"}) {
        ctx.Execute(PrintFieldRow(380, field));
    }
    ctx.Execute(StandardColumnRow(380, "编号", 0));
    ctx.Execute(StandardColumnRow(380, "名称", 1));
    // The numbered amount columns 第3列 to 第100列; there is no 第1列 or 第2列.
    for (std::int16_t i = 3; i <= 100; ++i) {
        const std::string field = "第" + std::to_string(i) + "列";
        ctx.Execute(StandardColumnRow(380, field, i, 0, "E", 0));
    }
}

}  // namespace quenvatrix::steps
