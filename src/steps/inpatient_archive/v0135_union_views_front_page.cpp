// Version 135: the union views that show live and archived stays under one
// name, with the readers of the inpatient data moved onto them; then the
// case-record office's front page and lending list, built-in stock movement
// types, the supplier of a stock receipt and the unit of measure on the lines
// of the stock documents.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "quenvatrix/error.h"
#include "quenvatrix/value.h"
#include "steps/catalogue_rows.h"
#include "steps/inpatient_archive/v0135_texts.h"

namespace quenvatrix::steps {

namespace {

using rows::BareReportRow;
using rows::ShortColumnRow;

void UnionViews(StepContext& ctx) {
    // 1. Stays, live and archived. Created first: the two readers below name it.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.ALL住院档案
AS
SELECT * FROM dbo.D住院档案
UNION ALL
SELECT * FROM dbo.OLD住院档案
)"));

    // 2. Settlements show the patient of an archived stay too.
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
    '正常' AS 状态, DA.名称 AS 姓名, DA.性别, S.结算类型, S.优惠减免, S.报销金额, S.自付金额
FROM dbo.D住院结帐列表 S
    INNER JOIN dbo.T付款方式 P ON S.付款方式 = P.编号
    INNER JOIN dbo.T员工档案 Y ON S.操作员 = Y.编号
    INNER JOIN dbo.ALL住院档案 DA ON S.住院编号 = DA.编号 AND S.状态 = 'N'
WHERE (S.操作员 = @vKey OR @vKey = '00') AND S.结帐时间 BETWEEN @vBegin AND @vEnd
)
)"));

    // 3. The inpatient record as the inpatient screens show it, archived stays included.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DW.名称 AS 所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位, DA.入院方式, DA.入院病情,
    DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址, DA.电话, DA.邮编, DA.关系, DA.联系人,
    DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注, DA.预交金额 - DA.费用金额 AS 病人余款,
    MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号, DK.名称 AS 当前科室, DC.名称 AS 当前床位,
    ZY.名称 AS 住院医师, DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号,
    DA.当前科室 AS 当前科室编号, DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, DC.名称 AS 出院床位, DA.头像编号, DA.住院天数, DA.已结帐 AS 结帐,
    ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话, DA.费用类型, DA.报销金额,
    DA.费用金额 - DA.报销金额 AS 自付金额, ISNULL(DA.病历编号, '') AS 病历编号, DA.家庭帐户, DA.人员编号,
    LS.名称 AS 临时医师, DA.就诊顺序号, DA.起付标准, DA.自付比例, DA.公务员比例, DA.工龄
FROM dbo.ALL住院档案 DA
    LEFT OUTER JOIN dbo.T病人单位 DW ON DA.所在单位 = DW.编号
    INNER JOIN dbo.T科室档案 KS ON DA.入院科室 = KS.编号
    INNER JOIN dbo.T床位档案 CW ON DA.入院床位 = CW.编号
    INNER JOIN dbo.T员工档案 ZY ON DA.住院医师 = ZY.编号
    LEFT OUTER JOIN dbo.T员工档案 MY ON DA.门诊医师 = MY.编号
    INNER JOIN dbo.T科室档案 DK ON DA.当前科室 = DK.编号
    INNER JOIN dbo.T床位档案 DC ON DA.当前床位 = DC.编号
    LEFT OUTER JOIN dbo.T员工档案 JB ON DA.入院经办人 = JB.编号
    LEFT OUTER JOIN dbo.T员工档案 LS ON DA.临时医师 = LS.编号
)"));

    // 4. Charge lines, prescription heads and prescription lines, live and archived.
    ctx.Execute(v0135::ChargeLinesUnionView("CREATE"));
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.ALL住院划价单
AS
SELECT * FROM dbo.D住院划价单
UNION ALL
SELECT * FROM dbo.OLD住院划价单
)"));
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.ALL住院划价数据
AS
SELECT * FROM dbo.D住院划价数据
UNION ALL
SELECT * FROM dbo.OLD住院划价数据
)"));

    // 5. Inpatient prescription statistics over live and archived prescriptions.
    ctx.Execute(v0135::InpatientPrescriptionStatistics());
}

// The number a text starts with, read as the platform's Val reads it: blanks,
// tabs and line feeds are passed over wherever they stand; a sign, digits, a
// decimal point and an exponent are taken; reading stops at the first other
// character. A text that does not start with a number reads 0.
double LeadingNumber(std::string_view text) {
    std::string kept;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') kept += c;
    }
    std::string number;
    std::size_t i = 0;
    if (i < kept.size() && (kept[i] == '+' || kept[i] == '-')) number += kept[i++];
    bool anyDigit = false;
    while (i < kept.size() && kept[i] >= '0' && kept[i] <= '9') {
        number += kept[i++];
        anyDigit = true;
    }
    if (i < kept.size() && kept[i] == '.') {
        number += kept[i++];
        while (i < kept.size() && kept[i] >= '0' && kept[i] <= '9') {
            number += kept[i++];
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0;
    if (i < kept.size() && (kept[i] == 'e' || kept[i] == 'E' || kept[i] == 'd' || kept[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < kept.size() && (kept[j] == '+' || kept[j] == '-')) exponent += kept[j++];
        bool expDigit = false;
        while (j < kept.size() && kept[j] >= '0' && kept[j] <= '9') {
            exponent += kept[j++];
            expDigit = true;
        }
        if (expDigit) number += exponent;
    }
    const double value = std::strtod(number.c_str(), nullptr);
    if (!std::isfinite(value)) throw Error(error_number::kOverflow, "溢出");
    return value;
}

// The serial after the highest code of a list, kept as a 16-bit number
// (rounded half to even, as the platform stores a number into one).
std::int16_t NextSerial(const Value& highest) {
    const double next = std::nearbyint(LeadingNumber(highest.ToText()) + 1);
    if (!(next >= -32768.0 && next <= 32767.0)) throw Error(error_number::kOverflow, "溢出");
    return static_cast<std::int16_t>(next);
}

// A built-in stock movement type is added to its list when the list lacks it,
// with the code after the list's highest one.
void AddStockTypeUnlessListed(StepContext& ctx, const std::string& category, const std::string& name) {
    if (ctx.RecordExists("SELECT * FROM T综合选项 WHERE 类别='" + category + "' AND 名称='" + name + "'")) return;
    const Value highest = ctx.GetScalarText("SELECT Max(编码) FROM T综合选项 WHERE 类别='" + category + "'");
    const std::string code = ctx.PadZeroLeft(Value(static_cast<int>(NextSerial(highest))), Value(2));
    ctx.Execute("INSERT INTO T综合选项 (编码,类别,名称) VALUES ('" + code + "','" + category + "','" + name + "')");
}

void OptionListsAndStockDocuments(StepContext& ctx) {
    // 1. Option names grow to 50 characters; entries may be marked built-in.
    ctx.Execute("ALTER TABLE T综合选项 ALTER COLUMN 名称 nvarchar(50)");
    ctx.Execute("ALTER TABLE T综合选项 ADD 内置 bit DEFAULT 0");
    ctx.Execute("UPDATE T综合选项 SET 内置=0");

    // 2. The five stock movement types every database must have; the highest
    // code is read again for each, so two missing types get consecutive codes.
    AddStockTypeUnlessListed(ctx, "入库类型", "期初入库");
    AddStockTypeUnlessListed(ctx, "入库类型", "采购入库");
    AddStockTypeUnlessListed(ctx, "入库类型", "盘盈入库");
    AddStockTypeUnlessListed(ctx, "出库类型", "销售出库");
    AddStockTypeUnlessListed(ctx, "出库类型", "盘亏出库");

    // 3.
    ctx.Execute(
        "UPDATE T综合选项 SET 内置=1 WHERE (类别='入库类型' AND 名称 IN ('期初入库','采购入库','盘盈入库')) OR "
        "(类别='出库类型' AND 名称 IN ('销售出库','盘亏出库')) OR (类别='病人类型' AND 编码 IN ('01','02'))");

    // 4. The partner unit of a stock receipt.
    ctx.Execute(
        "INSERT INTO T单据头格式 (表编号,控件索引,项目名称,项目标题,录入方式,数据类型,允许为空,改变更新) VALUES "
        "(101,3,'客商单位','往来单位[&3]：','C','S',1,0)");
    ctx.Execute("ALTER TABLE D入库单 ADD 客商单位 varchar(5)");

    // 5. Document lines carry their unit of measure: receipt, issue, transfer.
    struct Form {
        const char* number;
        const char* lines;
    };
    for (const Form form : {Form{"101", "D入库数据"}, Form{"102", "D出库数据"}, Form{"103", "D调拨数据"}}) {
        const std::string number = form.number;
        const std::string lines = form.lines;
        ctx.Execute("UPDATE F报表格式 SET 字段名称='计量单位',显示标题='计量单位',此列必选=1,显示长度=850 WHERE 表编号=" +
                    number + " AND 字段名称='药品单位'");
        ctx.Execute("UPDATE T单据格式 SET 字段名称='计量单位',待输入=1,直接录入=0,允许为空=0,待保存=1 WHERE 表编号=" +
                    number + " AND 字段名称='药品单位'");
        ctx.Execute("ALTER TABLE " + lines + " ADD 计量单位 nvarchar(3)");
        ctx.Execute("UPDATE " + lines + " SET 计量单位=T药品卫材.药品单位 FROM " + lines + " INNER JOIN T药品卫材 ON " +
                    lines + ".编号=T药品卫材.编号");
    }
}

// 6. The medical-record front page: patient, stay, diagnoses with their ICD-10
// codes, operations, nursing, transfusions, costs and quality control.
void CreateFrontPage(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D病案首页] (
    [病案编号] [varchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [付款方式] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院当次] [smallint] NULL ,
    [门诊编号] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [姓名] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [性别] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [出生日期] [datetime] NULL ,
    [婚姻状态] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [职业] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [出生地址] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [民族] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [国籍] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [身份证号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [工作单位] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [工作单位电话] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [工作单位邮编] [varchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
    [户口地址] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [户口邮编] [varchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人关系] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人地址] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人电话] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院日期] [datetime] NULL ,
    [入院科别] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院病室] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [转科科别] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [出院日期] [datetime] NULL ,
    [出院科别] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [出院病室] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [实际天数] [smallint] NULL ,
    [门诊诊断] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院时情况] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院诊断] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院后确诊日期] [datetime] NULL ,
    [药物过敏] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
    [HBSAG] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [HCVAB] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [HIVAB] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [门诊与出院] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院与出院] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [术前与术后] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [临床与病理] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [放射与病理] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [抢救次数] [smallint] NULL ,
    [抢救成功次数] [smallint] NULL ,
    [科主任] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [主任医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [主治医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [住院医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [进修医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [研究生实习医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [实习医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [编码员] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [病案质量] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [质控医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [质控护士] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [质控日期] [datetime] NULL ,
    [特级护理天数] [smallint] NULL ,
    [一级护理天数] [smallint] NULL ,
    [二级护理天数] [smallint] NULL ,
    [三级护理天数] [smallint] NULL ,
    [ICU天数] [smallint] NULL ,
    [CCU天数] [smallint] NULL ,
    [尸检否] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [死亡日期] [datetime] NULL ,
    [在本院第一例] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [是否随诊] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [随诊期限周] [smallint] NULL ,
    [随诊期限月] [smallint] NULL ,
    [随诊期限年] [smallint] NULL ,
    [截止日期] [datetime] NULL ,
    [示教病例] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [血型] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [RH] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [输血次数] [smallint] NULL ,
    [输血反应] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [输液次数] [smallint] NULL ,
    [输液反应] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [输血红细胞] [real] NULL ,
    [输血血小板] [real] NULL ,
    [输血血桨] [real] NULL ,
    [输血全血] [real] NULL ,
    [输血其它] [real] NULL ,
    [主要诊断ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要诊断出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要诊断手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断一ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断一出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断一手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断二ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断二出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断二手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断三ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断三出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断三手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断四ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断四出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断四手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断五ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断五出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断五手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断六ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断六出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断六手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断七ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断七出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它诊断七手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [院内感染ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [院内感染出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [院内感染手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [损伤中毒ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [损伤中毒出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [损伤中毒手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [病理诊断ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [病理诊断出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [病理诊断手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [术后并发ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [术后并发出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [术后并发手术] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院诊断ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院诊断出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院诊断手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [门急诊断ICD10] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [门急诊断出院情况] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [门急诊断手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术编码] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术日期] [datetime] NULL ,
    [主要手术术者] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术I助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术II助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术切口等级] [nvarchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术切口愈合] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术麻醉方式] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [主要手术麻醉医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一编码] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一日期] [datetime] NULL ,
    [其它手术一术者] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一I助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一II助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一切口等级] [nvarchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一切口愈合] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一麻醉方式] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术一麻醉医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二编码] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二日期] [datetime] NULL ,
    [其它手术二术者] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二I助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二II助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二切口等级] [nvarchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二切口愈合] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二麻醉方式] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术二麻醉医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三编码] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三日期] [datetime] NULL ,
    [其它手术三术者] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三I助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三II助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三切口等级] [nvarchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三切口愈合] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三麻醉方式] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术三麻醉医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四编码] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四日期] [datetime] NULL ,
    [其它手术四术者] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四I助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四II助] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四切口等级] [nvarchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四切口愈合] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四麻醉方式] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [其它手术四麻醉医师] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [费用总计] [money] NULL ,
    [床位费] [money] NULL ,
    [护理费] [money] NULL ,
    [西药费] [money] NULL ,
    [中成药费] [money] NULL ,
    [中草药费] [money] NULL ,
    [放射费] [money] NULL ,
    [化验费] [money] NULL ,
    [输氧费] [money] NULL ,
    [输血费] [money] NULL ,
    [诊疗费] [money] NULL ,
    [手术费] [money] NULL ,
    [接生费] [money] NULL ,
    [检查费] [money] NULL ,
    [麻醉费] [money] NULL ,
    [婴儿费] [money] NULL ,
    [陪床费] [money] NULL ,
    [其它费] [money] NULL ,
    [备注] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
    [建档日期] [datetime] NULL ,
    [病案位置] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [病案类型] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [病案状态] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病案首页] WITH NOCHECK ADD
    CONSTRAINT [DF_D病案首页_建档日期] DEFAULT (getdate()) FOR [建档日期]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病案首页] WITH NOCHECK ADD
    CONSTRAINT [PK_D病案首页] PRIMARY KEY CLUSTERED
    (
        [病案编号]
    ) ON [PRIMARY]
)"));
}

void FrontPageReportsAndLendingList(StepContext& ctx) {
    // 7. Unguarded: a database without this key fails the step here.
    ctx.Execute("ALTER TABLE T药品卫材 DROP CONSTRAINT FK_T药品卫材_T生产单位");

    // 8.
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=281 AND 字段名称='名称'");

    // 9. The front page as a report; archived records are flagged.
    ctx.Execute(BareReportRow(343, "病案首页"));
    ctx.Execute("ALTER TABLE D病案首页 ADD 已归档 bit DEFAULT 0");
    ctx.Execute("UPDATE D病案首页 SET 已归档=0");

    // 10.
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=342 AND 字段名称='编码'");
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=342 AND 字段名称='名称'");

    // 11. The lending list and the lists of records lent out and returned.
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,"
        "主键查询,序号,默认时段,查询条件) VALUES (344,'病案流通列表','N',' ',' ','U',6,'系统管理员','2004-1-15','','',"
        "'查询范围：','Select ''借出已还'' As 名称 Union Select ''借出待还'' As 名称 Union Select ''借出已损'' As 名称',8,"
        "'D',' ')");
    ctx.Execute(BareReportRow(345, "病案借出列表"));
    ctx.Execute(BareReportRow(346, "病案还回列表"));
    struct Column {
        const char* field;
        int order;
    };
    const Column kLending[] = {
        {"流水序号", -5}, {"病案编号", -1}, {"姓名", 1},       {"借出时间", 1},   {"借出备注", 1},
        {"还回时间", 1},  {"还回科室", 1},  {"还回人员", 1},   {"还回备注", 1},   {"借出经手人", 1},
        {"还回经手人", 1}, {"状态", 1},     {"性别", 1},       {"借出科室", 1},   {"借出人员", 1},
    };
    for (const Column& column : kLending) ctx.Execute(ShortColumnRow(344, column.field, column.order, "S", -1));
    const Column kLent[] = {
        {"流水序号", -5}, {"病案编号", -2}, {"姓名", -1},     {"性别", -1},       {"借出备注", -1},
        {"借出科室", -1}, {"借出人员", -1}, {"借出时间", -1}, {"借出经手人", -1},
    };
    for (const Column& column : kLent) ctx.Execute(ShortColumnRow(345, column.field, column.order, "S", -1));
    const Column kReturned[] = {
        {"流水序号", -22}, {"病案编号", -3}, {"还回时间", -1}, {"还回人员", -1},
        {"还回经手人", -1}, {"姓名", -1},     {"还回备注", -1}, {"还回科室", -1},
    };
    for (const Column& column : kReturned) ctx.Execute(ShortColumnRow(346, column.field, column.order, "S", -1));

    // 12. One row per lending of a record.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D病案流通列表] (
    [流水序号] [int] IDENTITY (1, 1) NOT NULL ,
    [病案编号] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [借出时间] [datetime] NULL ,
    [借出科室] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [借出人员] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [借出备注] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [还回时间] [datetime] NULL ,
    [还回科室] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [还回人员] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [还回备注] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [状态] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [借出经手人] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [还回经手人] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病案流通列表] WITH NOCHECK ADD
    CONSTRAINT [DF_D病案流通列表_状态] DEFAULT (N'待还') FOR [状态],
    CONSTRAINT [PK_D病案流通列表] PRIMARY KEY CLUSTERED
    (
        [流水序号]
    ) ON [PRIMARY]
)"));
}

}  // namespace

void Update_135_To_136(StepContext& ctx) {
    UnionViews(ctx);
    OptionListsAndStockDocuments(ctx);
    CreateFrontPage(ctx);
    FrontPageReportsAndLendingList(ctx);
}

}  // namespace quenvatrix::steps
