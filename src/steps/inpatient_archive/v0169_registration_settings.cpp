// Versions 169 to 176: ward dispensing permission, the stock-in detail report
// without a required supplier, registration and local-time settings, the
// scratch table of a batch stock-in, the item code in the outpatient pricing
// list, the stock-in and stock-out summaries by trading partner, and the
// ledger of community cards.

#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

void Update_169_To_170(StepContext& ctx) {
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (275,'病区摆药',5,100)");
}

void Update_170_To_171(StepContext& ctx) {
    // A stock-in document without a (known) supplier is listed with 客商单位 NULL.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do入库明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT 'RK' + dbo.DoAddZero(A.单据编号, 10) AS 单据编号, A.过单日期, Z.名称 AS 制单人, S.名称 AS 审核人,
K.名称 AS 存放位置, B.生产批号, B.有效期至, B.数量, B.单价, B.金额, B.单项备注, Y.*, G.名称 AS 客商单位
FROM dbo.D入库单 A INNER JOIN dbo.D入库数据 B ON A.单据编号 = B.单据编号
INNER JOIN dbo.T员工档案 Z ON A.制单人 = Z.编号
INNER JOIN dbo.T员工档案 S ON A.审核人 = S.编号
INNER JOIN dbo.T库房药房 K ON A.存放位置 = K.编号
INNER JOIN dbo.VJ药品卫材 Y ON B.编号 = Y.编号
LEFT JOIN dbo.T供货单位 G ON A.客商单位 = G.编号
WHERE A.过单日期 BETWEEN @vBegin AND @vEnd AND (K.编号 = @vKey OR @vKey = '00')
)
)"));
}

void Update_171_To_172(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 必须挂号 bit");
    ctx.Execute("UPDATE T医院资料 SET 必须挂号=0");
    ctx.Execute("ALTER TABLE T医院资料 ADD 挂号当天有效 bit");
    ctx.Execute("UPDATE T医院资料 SET 挂号当天有效=0");
}

void Update_172_To_173(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D批量入库临时表] (
    [药品编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [生产批号] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
    [入库数量] [numeric](18, 5) NULL ,
    [入库单价] [numeric](18, 5) NULL ,
    [零售单价] [numeric](18, 5) NULL
) ON [PRIMARY]
)"));
}

void Update_173_To_174(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 住院本地时间 bit");
    ctx.Execute("UPDATE T医院资料 SET 住院本地时间=0");
}

void Update_174_To_175(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊划价列表
AS
SELECT 编号, 名称, 规格说明, 拼音简码, 五笔简码, '项目' AS 项目类型, 打印名称, 医保编码, 计量单位 AS 单位, 同票项目,
    CASE WHEN 替换子项 = 1 THEN 1 ELSE 0 END AS 替换子项, 编码
FROM dbo.T门诊项目
WHERE 有效状态 = '可用'
)"));
}

void Update_175_To_176(StepContext& ctx) {
    // The key picker offers every store whose code does not begin with C.
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,主键标题,主键查询) VALUES (356,'入库单位汇总表','收货仓库：',"
        "'Select * From T库房药房 Where Left(编号,1)<>''C''')");
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,主键标题,主键查询) VALUES (357,'出库单位汇总表','发货仓库：',"
        "'Select * From T库房药房 Where Left(编号,1)<>''C''')");

    struct Column {
        int order;
        const char* field356;
        const char* field357;
        const char* type;
        int total;
    };
    const Column columns[] = {
        {0, "客商单位", "客商单位", "S", -1}, {1, "入库次数", "出库次数", "N", 0},
        {2, "入库金额", "出库金额", "E", 0},  {3, "零售金额", "零售金额", "E", 0},
        {4, "购销差额", "购销差额", "E", 0},  {5, "差额率", "差额率", "S", -1},
    };
    for (int report : {356, 357}) {
        for (const Column& c : columns) {
            const std::string field = report == 356 ? c.field356 : c.field357;
            ctx.Execute(
                rows::PositionalColumnRow(report, field, field, c.order, 0, 1000, "L", 0, c.type, c.total, "C"));
        }
    }
}

void Update_176_To_177(StepContext& ctx) {
    // 1. Dispensed inpatient prescriptions, live or archived, hold no stock any more.
    ctx.Execute(
        "DELETE FROM T待处理处方单 WHERE 门诊=0 AND 处方序号 IN (SELECT 序号 FROM ALL住院划价单 WHERE 状态='S')");

    // 2. The community-card ledger.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T社卡流水表] (
    [序号] [int] IDENTITY (1, 1) NOT NULL ,
    [发生时间] [datetime] NULL ,
    [社卡编号] [varchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
    [备注] [nvarchar] (70) COLLATE Chinese_PRC_CI_AS NULL ,
    [增加金额] [money] NULL ,
    [社卡余额] [money] NULL ,
    [操作员] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T社卡流水表] WITH NOCHECK ADD
    CONSTRAINT [DF_T社卡流水表_发生时间] DEFAULT (getdate()) FOR [发生时间],
    CONSTRAINT [PK_T社卡流水表] PRIMARY KEY CLUSTERED
    (
        [序号]
    ) ON [PRIMARY]
)"));
}

}  // namespace quenvatrix::steps
