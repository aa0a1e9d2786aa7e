// Versions 188 to 192: seventeen summary reports of the drug store (stock-in,
// stock-out and transfer totals by drug, partner, mode, store, drug type and
// dosage form), whose columns come from the columns of the master view or
// table of the group where there is one; the work unit of an inpatient stay
// held by name; the print paper size of a workstation.

#include <memory>
#include <string>
#include <string_view>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::BareColumnRow;
using rows::BareReportRow;
using rows::ShortColumnRow;

namespace {

// One column per column of the source, in the source's order, then the total
// amount; the code and the name, where the source has them, lead.
void ColumnsFromSource(StepContext& ctx, int report, const char* source) {
    std::unique_ptr<Recordset> fields = ctx.Open(std::string("Select * From ") + source + " Where 1=2");
    for (std::size_t i = 0; i < fields->FieldCount(); ++i) {
        ctx.Execute(BareColumnRow(report, fields->FieldName(i), 500));
    }
    fields->Close();
    ctx.Execute(ShortColumnRow(report, "合计金额", 501, "E", 0));
    ctx.Execute("UPDATE F报表格式 SET 序号=0 WHERE 表编号=" + std::to_string(report) + " AND 字段名称='编号'");
    ctx.Execute("UPDATE F报表格式 SET 序号=1 WHERE 表编号=" + std::to_string(report) + " AND 字段名称='名称'");
}

// A report by stock-in or stock-out mode: its code and name, then the total.
void ModeColumns(StepContext& ctx, int report) {
    ctx.Execute(BareColumnRow(report, "编码", 1));
    ctx.Execute(BareColumnRow(report, "名称", 2));
    ctx.Execute(ShortColumnRow(report, "合计金额", 3, "E", 0));
}

// A report by drug type or dosage form: the group, then the total.
void GroupColumns(StepContext& ctx, int report, const char* group) {
    ctx.Execute(BareColumnRow(report, group, 2));
    ctx.Execute(ShortColumnRow(report, "合计金额", 3, "E", 0));
}

}  // namespace

void Update_188_To_189(StepContext& ctx) {
    ctx.Execute(BareReportRow(362, "入库汇总表_药品名称"));
    ctx.Execute(BareReportRow(363, "入库汇总表_往来单位"));
    ctx.Execute(BareReportRow(364, "入库汇总表_入库方式"));
    ctx.Execute(BareReportRow(365, "入库汇总表_存放位置"));
    ctx.Execute(BareReportRow(366, "入库汇总表_药品类型"));
    ColumnsFromSource(ctx, 362, "VJ药品卫材");
    ColumnsFromSource(ctx, 363, "T供货单位");
    ModeColumns(ctx, 364);
    ColumnsFromSource(ctx, 365, "VJ库房药房");
    GroupColumns(ctx, 366, "药品类型");

    ctx.Execute(BareReportRow(367, "出库汇总表_药品名称"));
    ctx.Execute(BareReportRow(368, "出库汇总表_往来单位"));
    ctx.Execute(BareReportRow(369, "出库汇总表_出库方式"));
    ctx.Execute(BareReportRow(370, "出库汇总表_存放位置"));
    ctx.Execute(BareReportRow(371, "出库汇总表_药品类型"));
    ColumnsFromSource(ctx, 367, "VJ药品卫材");
    ColumnsFromSource(ctx, 368, "T供货单位");
    ModeColumns(ctx, 369);
    ColumnsFromSource(ctx, 370, "VJ库房药房");
    GroupColumns(ctx, 371, "药品类型");

    ctx.Execute(
        "UPDATE F报表格式 SET 此列必选=1 WHERE 表编号>=362 AND 表编号<=371 AND (字段名称='编号' OR 字段名称='名称' OR "
        "字段名称='编码')");
}

void Update_189_To_190(StepContext& ctx) {
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (102,'客商单位')");
    ctx.Execute(BareReportRow(372, "入库汇总表_药品剂型"));
    ctx.Execute(BareReportRow(373, "出库汇总表_药品剂型"));
    GroupColumns(ctx, 372, "药品剂型");
    GroupColumns(ctx, 373, "药品剂型");
}

void Update_190_To_191(StepContext& ctx) {
    ctx.Execute(ShortColumnRow(362, "合计数量", 2000, "S", -1));
    ctx.Execute(ShortColumnRow(367, "合计数量", 2000, "S", -1));
}

void Update_191_To_192(StepContext& ctx) {
    // 1. The work unit of a stay becomes free text.
    ctx.Execute("ALTER TABLE D住院档案 ALTER COLUMN 所在单位 nvarchar(50)");
    ctx.Execute("ALTER TABLE OLD住院档案 ALTER COLUMN 所在单位 nvarchar(50)");

    // 2. A stay that names a known unit by its code holds the unit's name from now on.
    ctx.Execute(
        "UPDATE D住院档案 SET 所在单位=Left(T病人单位.名称,50) FROM D住院档案 INNER JOIN T病人单位 ON "
        "D住院档案.所在单位=T病人单位.编号 WHERE D住院档案.所在单位 IS NOT NULL AND D住院档案.所在单位<>''");
    ctx.Execute(
        "UPDATE OLD住院档案 SET 所在单位=Left(T病人单位.名称,50) FROM OLD住院档案 INNER JOIN T病人单位 ON "
        "OLD住院档案.所在单位=T病人单位.编号 WHERE OLD住院档案.所在单位 IS NOT NULL AND OLD住院档案.所在单位<>''");

    // 3. The unit is shown as stored; its telephone is found by its name.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DA.所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位, DA.入院方式, DA.入院病情,
    DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址, DA.电话, DA.邮编, DA.关系, DA.联系人,
    DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注, DA.预交金额 - DA.费用金额 AS 病人余款,
    MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号, DK.名称 AS 当前科室, T床位档案_1.名称 AS 当前床位,
    dbo.T员工档案.名称 AS 住院医师, DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号,
    DA.当前科室 AS 当前科室编号, DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, T床位档案_1.名称 AS 出院床位, DA.头像编号, DA.住院天数, DA.已结帐 AS 结帐,
    ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话, DA.费用类型, DA.报销金额,
    DA.费用金额 - DA.报销金额 AS 自付金额, ISNULL(DA.病历编号, '') AS 病历编号, DA.家庭帐户, DA.人员编号,
    LS.名称 AS 临时医师, DA.就诊顺序号, DA.起付标准, DA.自付比例, DA.公务员比例, DA.工龄
FROM dbo.ALL住院档案 DA
    LEFT OUTER JOIN dbo.T病人单位 DW ON DA.所在单位 = DW.名称
    INNER JOIN dbo.T科室档案 KS ON DA.入院科室 = KS.编号
    INNER JOIN dbo.T床位档案 CW ON DA.入院床位 = CW.编号
    INNER JOIN dbo.T员工档案 ON DA.住院医师 = dbo.T员工档案.编号
    LEFT OUTER JOIN dbo.T员工档案 MY ON DA.门诊医师 = MY.编号
    INNER JOIN dbo.T科室档案 DK ON DA.当前科室 = DK.编号
    INNER JOIN dbo.T床位档案 T床位档案_1 ON DA.当前床位 = T床位档案_1.编号
    LEFT OUTER JOIN dbo.T员工档案 JB ON DA.入院经办人 = JB.编号
    LEFT JOIN dbo.T员工档案 LS ON DA.临时医师 = LS.编号
)"));

    // 4. The print paper size of each workstation.
    ctx.Execute("ALTER TABLE T网络列表 ADD 打印纸张尺寸 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T网络列表 SET 打印纸张尺寸=0");

    // 5. The transfer summaries.
    ctx.Execute(BareReportRow(374, "调拨汇总表_药品名称"));
    ctx.Execute(BareReportRow(375, "调拨汇总表_出货仓库"));
    ctx.Execute(BareReportRow(376, "调拨汇总表_收货仓库"));
    ctx.Execute(BareReportRow(377, "调拨汇总表_药品类型"));
    ctx.Execute(BareReportRow(378, "调拨汇总表_药品剂型"));
    ColumnsFromSource(ctx, 374, "VJ药品卫材");
    ColumnsFromSource(ctx, 375, "VJ库房药房");
    ColumnsFromSource(ctx, 376, "VJ库房药房");
    GroupColumns(ctx, 377, "药品类型");
    GroupColumns(ctx, 378, "药品剂型");
}

void Update_192_To_193(StepContext& ctx) {
    ctx.Execute(ShortColumnRow(374, "合计数量", 2000, "S", -1));
}

}  // namespace quenvatrix::steps
