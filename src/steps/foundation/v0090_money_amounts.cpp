// Versions 90 and 91: drugs dispensed for military use, and the system's
// prices, amounts and balances converted to money.

#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/foundation/v0087_reissued_objects.h"

namespace quenvatrix::steps {

namespace {

// Converts a column through the frame's AlterColumnToMoney, which drops the
// default it is given by name before it changes the type. Where the server
// named the column's default otherwise, that drop would miss, the type change
// would fail on the bound default and the column would silently stay as it
// was. So the default actually bound to the column is looked up first and,
// when it bears another name, dropped; the helper then converts the column and
// adds the default 0 under the intended name. Errors are ignored throughout, as
// the helper ignores its own; the helper clears them at its end.
void ConvertToMoney(StepContext& ctx, const std::string& table, const std::string& column,
                    const std::string& constraintName) {
    const std::string intended = constraintName.empty() ? "DF_" + table + "_" + column : constraintName;
    std::string bound;
    // A failing lookup is recorded in the error state; the conversion goes on as before.
    if (auto rs = ctx.OpenIgnoringErrors(
            "Select object_name(stuff(','+convert(varchar,cdefault),1,1,'')) from syscolumns where id=object_id('" +
            table + "') and cdefault<>0 and name='" + column + "'")) {
        if (!rs->IsEOF()) bound = rs->Field(0).ToText();
        rs->Close();
    }
    if (!bound.empty() && bound != intended) {
        ctx.ExecuteIgnoringErrors(" Alter Table " + table + " Drop CONSTRAINT [" + bound + "]");
    }
    ctx.AlterColumnToMoney(table, column, constraintName);
}

// The conversions, in the order they are sent: a plain type change, or the
// conversion that also gives the column a default 0 under a known name
// (DF_<table>_<column> when no name is passed).
void ConvertAmountsToMoney(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院记帐列表 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D住院记帐列表 ALTER COLUMN 金额 money");
    ctx.Execute("ALTER TABLE D入库数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D入库数据 ALTER COLUMN 零售定价 money");
    ConvertToMoney(ctx, "D门诊收费列表", "实收金额", "");
    ConvertToMoney(ctx, "D门诊收费列表", "退回金额", "");
    ConvertToMoney(ctx, "T药品卫材", "销售定价", "");
    ctx.Execute("ALTER TABLE T药品卫材 ALTER COLUMN 零售价格 money");
    ctx.Execute("ALTER TABLE D销售调价列表 ALTER COLUMN 原定价 money");
    ctx.Execute("ALTER TABLE D销售调价列表 ALTER COLUMN 现定价 money");
    ctx.Execute("ALTER TABLE D自动记帐列表 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D调价数据 ALTER COLUMN 原单价 money");
    ctx.Execute("ALTER TABLE D调价数据 ALTER COLUMN 现单价 money");
    ConvertToMoney(ctx, "D经营日志列表", "挂号金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "门诊收费金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "住院记帐金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "住院用药金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "挂号作废金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "门诊作废金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "门诊退药金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "门诊退药付款", "DF_D经营日志列表_退药付款金额");
    ConvertToMoney(ctx, "D经营日志列表", "住院退药金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "门诊用药金额", "");
    ConvertToMoney(ctx, "D经营日志列表", "住院结帐补款", "");
    ConvertToMoney(ctx, "D经营日志列表", "住院结帐退款", "");
    ConvertToMoney(ctx, "D经营日志列表", "住院结帐金额", "DF_D经营日志列表_当前结帐金额");
    ctx.Execute("ALTER TABLE D调拨数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE T科室档案 ALTER COLUMN 挂号金额 money");
    ctx.Execute("ALTER TABLE D出库数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D住院收费列表 ALTER COLUMN 收款金额 money");
    ctx.Execute("ALTER TABLE D现金流水列表 ALTER COLUMN 持款增加 money");
    ctx.Execute("ALTER TABLE D现金流水列表 ALTER COLUMN 持款余额 money");
    ctx.Execute("ALTER TABLE D住院退费列表 ALTER COLUMN 退款金额 money");
    ctx.Execute("ALTER TABLE D门诊收费数据 ALTER COLUMN 项目金额 money");
    ConvertToMoney(ctx, "D门诊收费数据", "退回金额", "");
    ConvertToMoney(ctx, "D门诊收费数据", "折前金额", "DF__D门诊收费数据__折前金额__7B0717E7");
    ctx.Execute("ALTER TABLE D门诊退药数据 ALTER COLUMN 单价 money");
    ConvertToMoney(ctx, "D门诊退药单", "退药金额", "");
    ctx.Execute("ALTER TABLE D划价单 ALTER COLUMN 合计金额 money");
    ConvertToMoney(ctx, "D划价单", "退回金额", "");
    ctx.Execute("ALTER TABLE D划价数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D划价数据 ALTER COLUMN 入库均价 money");
    ConvertToMoney(ctx, "D住院档案", "预交金额", "DF_D住院档案_病人余款");
    ConvertToMoney(ctx, "D住院档案", "费用金额", "");
    ConvertToMoney(ctx, "D住院档案", "住院总额", "");
    ConvertToMoney(ctx, "D住院档案", "报销金额", "DF__D住院档案__报销金额__53ED4AC6");
    ctx.Execute("ALTER TABLE D住院退药数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D住院记帐草稿 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D物资入库数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D物资出库数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D进货数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D进货数据 ALTER COLUMN 零售定价 money");
    ConvertToMoney(ctx, "T门诊项目", "标准金额", "DF__T门诊项目__标准金额__3939548A");
    ConvertToMoney(ctx, "T门诊项目", "会员金额", "DF__T门诊项目__会员金额__614745E4");
    ConvertToMoney(ctx, "T门诊项目", "优惠金额", "DF__T门诊项目__优惠金额__782AAB3C");
    ctx.Execute("ALTER TABLE D物资领用数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE T库存物资 ALTER COLUMN 库存均价 money");
    ConvertToMoney(ctx, "D病案资料", "应收款", "DF__D病案资料__应收款__198B9F07");
    ConvertToMoney(ctx, "D病案资料", "信誉上限", "DF__D病案资料__信誉上限__1A7FC340");
    ctx.Execute("ALTER TABLE D住院划价单 ALTER COLUMN 合计金额 money");
    ConvertToMoney(ctx, "D住院划价单", "退回金额", "");
    ctx.Execute("ALTER TABLE D住院划价数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D住院划价数据 ALTER COLUMN 入库均价 money");
    ctx.Execute("ALTER TABLE T医院资料 ALTER COLUMN 欠费上限 money");
    ConvertToMoney(ctx, "T医院资料", "包干金额", "DF__T医院资料__包干金额__55D59338");
    ConvertToMoney(ctx, "T医院资料", "起付金额", "DF__T医院资料__起付金额__56C9B771");
    ctx.Execute("ALTER TABLE D住院结帐列表 ALTER COLUMN 预交金额 money");
    ctx.Execute("ALTER TABLE D住院结帐列表 ALTER COLUMN 费用总额 money");
    ctx.Execute("ALTER TABLE D住院结帐列表 ALTER COLUMN 出院退款 money");
    ConvertToMoney(ctx, "T住院项目", "标准金额", "DF_T收费明细_标准金额");
    ConvertToMoney(ctx, "T住院项目", "保险报销", "DF__T住院项目__保险报销__54E16EFF");
    ctx.Execute("ALTER TABLE D票据作废列表 ALTER COLUMN 作废金额 money");
    ConvertToMoney(ctx, "T床位档案", "标准金额", "");
    ctx.Execute("ALTER TABLE T库存药品 ALTER COLUMN 零售单价 money");
    ctx.Execute("ALTER TABLE T挂号类别 ALTER COLUMN 金额 money");
    ConvertToMoney(ctx, "T员工档案", "挂号合计金额", "");
    ConvertToMoney(ctx, "T员工档案", "门诊合计金额", "");
    ConvertToMoney(ctx, "T员工档案", "作废金额", "");
    ctx.Execute("ALTER TABLE D员工交款列表 ALTER COLUMN 持款总额 money");
    ctx.Execute("ALTER TABLE D员工交款列表 ALTER COLUMN 收款金额 money");
    ctx.Execute("ALTER TABLE D物资调拨数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D住院记帐草稿单 ALTER COLUMN 金额 money");
    ctx.Execute("ALTER TABLE D挂号列表 ALTER COLUMN 挂号金额 money");
}

}  // namespace

void Update_90_To_91(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 军人用药 bit");
    ctx.Execute("UPDATE T医院资料 SET 军人用药=0");
    ctx.Execute("ALTER TABLE T药品卫材 ADD 军人药品 nvarchar(1) DEFAULT '否'");
    ctx.Execute("UPDATE T药品卫材 SET 军人药品='否'");

    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT dbo.T生产单位.名称 AS 生产厂商, dbo.T生产单位.联系地址 AS 生产企业地址, 0 AS 销售金额, 0 AS 会员销售金额,
    Y.编号, Y.所属类, Y.生产商编号, Y.名称, Y.拼音简码, Y.规格, Y.药品类型, Y.库存最低数量, Y.药品注册证号,
    Y.批准文号, Y.适用症状, Y.药品剂型, Y.产地, Y.存储条件, Y.药品有效期, Y.备注, Y.编码, Y.药品单位, Y.有效状态,
    Y.库存最高数量, Y.允许欠费, Y.五笔简码, Y.保险类别, Y.零售价格, Y.辅助单位,
    '1' + Y.辅助单位 + '=' + CAST(Y.换算关系 AS varchar) + Y.药品单位 AS 换算关系, Y.换算关系 AS 换算比例,
    Y.会员售价, Y.军人药品
FROM dbo.T药品卫材 Y LEFT OUTER JOIN
    dbo.T生产单位 ON Y.生产商编号 = dbo.T生产单位.编号
)"));

    // Same text as before: its T药品卫材.* now takes in 军人药品.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJXS药品卫材
AS
SELECT '' AS 生产批号, '' AS 灭菌日期, '' AS 有效期至, '' AS 生产日期, 0 AS 原单价, 0 AS 调后差额,
    dbo.T生产单位.名称 AS 生产厂商, '' AS 成本均价, '' AS 报损金额, dbo.T药品卫材.*, 0 AS 销售金额, 0 AS 会员销售金额
FROM dbo.T药品卫材 LEFT OUTER JOIN
    dbo.T生产单位 ON dbo.T药品卫材.生产商编号 = dbo.T生产单位.编号
)"));

    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号) VALUES (21,'军人药品','军人药品',100)");

    ConvertAmountsToMoney(ctx);
}

void Update_91_To_92(StepContext& ctx) { ctx.Execute(v0087::AlterDo库存缺货统计()); }

}  // namespace quenvatrix::steps
