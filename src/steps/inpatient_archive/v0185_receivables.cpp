// Versions 185 to 187: the receivables ledger and its list, amounts put on
// account on outpatient bills and inpatient settlements, the journal of
// community-card spending, print fields for the amount in capital numerals and
// for the stock-at-a-point report, the insurance class in the drug-pricing
// list, and two switches.

#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::PrintFieldRow;
using rows::StandardColumnRow;

namespace {

// The stock a store can price onto a bill, per batch, with the drug's
// insurance class.
std::string DispenseList186() {
    return Lines(R"(
ALTER FUNCTION dbo.Do划价列表 (@v仓库编号 varchar(4), @vDispOther tinyint)
RETURNS TABLE
AS
RETURN (
SELECT Y.编码, T.药品编号 AS 编号, Y.名称, T.生产批号, Y.规格, Y.生产厂商, Y.拼音简码, Y.五笔简码, Y.有效状态,
IsNull(T.零售单价, 0) AS 销售定价, T.库存数量,
T.库存数量 - IsNull((SELECT Sum(U.数量) FROM dbo.Do库存已用数量() U
WHERE U.药房 = @v仓库编号 AND U.药品编号 = T.药品编号 AND U.生产批号 = T.生产批号), 0) AS 可用数量,
Y.会员售价, Y.保险类别
FROM dbo.T库存药品 T INNER JOIN dbo.VJ药品卫材 Y ON T.药品编号 = Y.编号
WHERE T.仓库编号 = @v仓库编号 AND (T.库存数量 > 0 OR @vDispOther = 1)
)
)");
}

}  // namespace

void Update_185_To_186(StepContext& ctx) {
    // The amount in capital numerals, digit by digit, on the outpatient invoice.
    for (const char* field : {"大写分", "大写角", "大写元", "大写拾元", "大写佰元", "大写仟元", "大写万元"}) {
        ctx.Execute(PrintFieldRow(305, field));
    }

    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (360,'社卡消费流水表','N')");
    struct Column {
        const char* field;
        const char* type;
        int total;
    };
    const Column columns360[] = {
        {"发生时间", "T", -1}, {"备注", "S", -1},     {"余额增加", "E", -1},
        {"余额减少", "E", -1}, {"卡上余额", "E", -1}, {"操作员", "S", -1},
    };
    int order = 0;
    for (const Column& c : columns360) ctx.Execute(StandardColumnRow(360, c.field, order++, 0, c.type, c.total));

    // The picker offers "not cleared" and "cleared", both under the key 0.
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,主键标题,主键查询) VALUES (361,'应收帐款列表','列表范围:',"
        "'Select 0 As 编号,''未清帐'' As 名称 Union All Select 0 As 编号,''已清帐'' As 名称')");
    const Column columns361[] = {
        {"序号", "N", -1},     {"发生时间", "T", -1}, {"类型", "S", -1},     {"业务序号", "N", -1},
        {"应收金额", "E", 0},  {"已收金额", "E", 0},  {"还款时间", "T", -1}, {"经手人", "S", -1},
        {"收款人", "S", -1},   {"备注", "S", -1},     {"病员姓名", "S", -1}, {"状态", "S", -1},
    };
    order = 0;
    for (const Column& c : columns361) ctx.Execute(StandardColumnRow(361, c.field, order++, 0, c.type, c.total));

    ctx.Execute("ALTER TABLE D门诊收费列表 ADD 挂帐金额 money DEFAULT 0");
    ctx.Execute("UPDATE D门诊收费列表 SET 挂帐金额=0");

    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D应收款列表] (
    [序号] [int] IDENTITY (1, 1) NOT NULL ,
    [发生时间] [datetime] NULL ,
    [类型] [tinyint] NULL ,
    [业务序号] [int] NULL ,
    [应收金额] [money] NULL ,
    [已收金额] [money] NULL ,
    [还款时间] [datetime] NULL ,
    [经手人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [收款人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [备注] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [病员姓名] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D应收款列表] WITH NOCHECK ADD
    CONSTRAINT [DF_D应收款列表_发生时间] DEFAULT (getdate()) FOR [发生时间],
    CONSTRAINT [DF_D应收款列表_应收金额] DEFAULT (0) FOR [应收金额],
    CONSTRAINT [DF_D应收款列表_已收金额] DEFAULT (0) FOR [已收金额],
    CONSTRAINT [PK_D应收款列表] PRIMARY KEY CLUSTERED
    (
        [序号]
    ) ON [PRIMARY]
)"));

    ctx.Execute(StandardColumnRow(341, "挂帐金额", 999, 0, "E", -1));
}

void Update_186_To_187(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 屏蔽其它药品 bit");
    ctx.Execute("UPDATE T医院资料 SET 屏蔽其它药品=0");
    ctx.Execute(DispenseList186());
    for (const char* field : {"库房名称", "指点日期", "指点时间"}) ctx.Execute(PrintFieldRow(315, field));
    ctx.Execute("ALTER TABLE T员工档案 ADD 自动切换输入法 bit DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 自动切换输入法=0");
}

void Update_187_To_188(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院结帐列表 ADD 直接挂帐 money DEFAULT 0");
    ctx.Execute("UPDATE D住院结帐列表 SET 直接挂帐=0");
    // The caption carries a trailing blank.
    ctx.Execute(
        "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (221,'直接挂帐','直接挂帐 ',510,"
        "'E',0)");
    // The refund, the payment due and the debt leave the direct on-account
    // amount out; it is shown as a column of its own.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do住院结帐列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(S.序号, 10) AS 序号, dbo.DoAddZero(S.住院编号, 10) AS 住院编号, S.结帐时间,
    P.名称 AS 付款方式, Y.名称 AS 操作员, S.预交金额, S.费用总额,
    CASE WHEN S.预交金额 - S.费用总额 > 0 AND S.正常结帐 = 1 THEN S.预交金额 - S.费用总额 + S.补款挂帐 ELSE 0 END AS 出院退款,
    CASE WHEN S.预交金额 - S.费用总额 < 0 AND S.正常结帐 = 1 THEN -(S.预交金额 - S.费用总额 + S.补款挂帐) ELSE 0 END AS 出院补款,
    CASE WHEN S.预交金额 - S.费用总额 <> 0 AND S.正常结帐 = 0 THEN -(S.预交金额 - S.费用总额) ELSE 0 END AS 病人欠款,
    CASE WHEN S.状态 = 'N' THEN '正常' ELSE '作废' END AS 状态, D.名称 AS 姓名, D.性别, S.结算类型, S.优惠减免,
    S.报销金额, S.自付金额, S.补款挂帐, S.直接挂帐
FROM dbo.D住院结帐列表 S
    INNER JOIN dbo.T付款方式 P ON S.付款方式 = P.编号
    INNER JOIN dbo.T员工档案 Y ON S.操作员 = Y.编号
    INNER JOIN dbo.ALL住院档案 D ON S.住院编号 = D.编号 AND S.状态 = 'N'
WHERE (S.操作员 = @vKey OR @vKey = '00') AND S.结帐时间 BETWEEN @vBegin AND @vEnd
)
)"));
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1 WHERE 表编号=361 AND (字段名称='序号' OR 字段名称='发生时间')");
    ctx.Execute(DispenseList186());
}

}  // namespace quenvatrix::steps
