// Versions 107 to 116: doctor's orders (heads, lines, administrations), the
// message box between staff, the order reports and print layouts, the order
// permissions, the nurse flag of employees, the cash-holding employees list and
// the print fields of the inpatient invoice.

#include <string>
#include <string_view>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0087_reissued_objects.h"

namespace quenvatrix::steps {

using rows::PrintFieldRow;
using rows::StandardColumnRow;

namespace {

// A column of the order reports 332 to 336: shown, width 1000, left-aligned,
// optional, no total, caption = field name.
void InsertOrderReportColumn(StepContext& ctx, int report, std::string_view field, int order, char type) {
    ctx.Execute(StandardColumnRow(report, field, order, 0, std::string(1, type)));
}

}  // namespace

void Update_107_To_108(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D医嘱单] (
    [系统编号] [int] IDENTITY (1, 1) NOT NULL ,
    [医嘱类型] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [开始时间] [datetime] NULL ,
    [执行护士] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [住院编号] [int] NULL ,
    [补充说明] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D医嘱执行单] (
    [系统编号] [int] IDENTITY (1, 1) NOT NULL ,
    [医嘱编号] [int] NULL ,
    [项目类型] [tinyint] NULL ,
    [项目编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [剂量] [real] NULL ,
    [执行人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [执行时间] [datetime] NULL ,
    [预定时间] [datetime] NULL ,
    [序号] [tinyint] NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D医嘱明细单] (
    [医嘱编号] [int] NULL ,
    [项目类型] [tinyint] NULL ,
    [项目编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [每次剂量] [real] NULL ,
    [每天次数] [tinyint] NULL ,
    [总次数] [smallint] NULL ,
    [当天次数] [tinyint] NULL ,
    [给药方式] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [同组标志] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D短信箱] (
    [系统编号] [bigint] IDENTITY (1, 1) NOT NULL ,
    [类别] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [到信时间] [datetime] NULL ,
    [标志] [bit] NULL ,
    [内容] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [收信箱] [bit] NULL ,
    [发信人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [收信人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D医嘱单] WITH NOCHECK ADD
    CONSTRAINT [PK_D医嘱单] PRIMARY KEY CLUSTERED
    (
        [系统编号]
    ) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D医嘱执行单] WITH NOCHECK ADD
    CONSTRAINT [PK_D医嘱执行单] PRIMARY KEY CLUSTERED
    (
        [系统编号]
    ) ON [PRIMARY]
)"));
    // The defaults bear the table's earlier name, D收信箱.
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D短信箱] WITH NOCHECK ADD
    CONSTRAINT [DF_D收信箱_到信时间] DEFAULT (getdate()) FOR [到信时间],
    CONSTRAINT [DF_D收信箱_标志] DEFAULT (0) FOR [标志],
    CONSTRAINT [PK_D短信箱] PRIMARY KEY CLUSTERED
    (
        [系统编号]
    ) ON [PRIMARY]
)"));

    ctx.Execute("INSERT INTO F报表列表 (编号,名称) VALUES (332,'医嘱列表')");
    InsertOrderReportColumn(ctx, 332, "预定时间", -2, 'D');
    InsertOrderReportColumn(ctx, 332, "序号", -1, 'S');
    InsertOrderReportColumn(ctx, 332, "执行时间", 1, 'T');
    InsertOrderReportColumn(ctx, 332, "规格", 1, 'S');
    InsertOrderReportColumn(ctx, 332, "给药方式", 1, 'S');
    InsertOrderReportColumn(ctx, 332, "项目", 1, 'S');
    InsertOrderReportColumn(ctx, 332, "剂量", 1, 'N');
    InsertOrderReportColumn(ctx, 332, "单位", 1, 'S');
    InsertOrderReportColumn(ctx, 332, "执行人", 1, 'S');
    InsertOrderReportColumn(ctx, 332, "同组标志", 1, 'S');
}

void Update_108_To_109(StepContext& ctx) { ctx.Execute(v0087::AlterDo库存缺货统计()); }

void Update_109_To_110(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D医嘱单 ADD 核对否 bit DEFAULT 0");
    ctx.Execute("ALTER TABLE D医嘱单 ADD 处方医生 varchar(4)");
    ctx.Execute("ALTER TABLE D医嘱单 ADD 处方科室 varchar(4)");
}

void Update_110_To_111(StepContext& ctx) {
    // Same name as report 332.
    ctx.Execute("INSERT INTO F报表列表 (编号,名称) VALUES (333,'医嘱列表')");
    InsertOrderReportColumn(ctx, 333, "预定日期", -2, 'D');
    InsertOrderReportColumn(ctx, 333, "科室", -1, 'D');
    InsertOrderReportColumn(ctx, 333, "床位", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "姓名", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "医嘱内容", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "规格", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "单位", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "剂量", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "给药方式", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "医生", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "护士", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "完成时间", 0, 'D');
    InsertOrderReportColumn(ctx, 333, "查对", 0, 'D');
}

void Update_111_To_112(StepContext& ctx) { ctx.Execute("ALTER TABLE D医嘱单 ADD 核对人 varchar(4)"); }

void Update_112_To_113(StepContext& ctx) {
    // Every employee with cash-flow rows, whatever its 暂存金额; the period is
    // accepted and not used.
    ctx.Execute(Lines(R"(
ALTER FUNCTION Do持款员工列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
Select A.编号, A.名称, A.性别, A.联系电话, A.联系地址, A.身份证号, A.医生, A.所属科室, A.暂存金额
From VJ员工档案 A Inner Join (Select Distinct 操作员 From D现金流水列表) B On A.编号 = B.操作员
Where (A.编号 = @vKey Or @vKey = '00')
)
)"));
}

void Update_113_To_114(StepContext& ctx) {
    ctx.Execute(PrintFieldRow(307, "病人单位"));
    ctx.Execute(PrintFieldRow(307, "预交大写"));
    ctx.Execute(PrintFieldRow(307, "住院天数"));
    ctx.Execute(PrintFieldRow(307, "入院年"));
    ctx.Execute(PrintFieldRow(307, "入院月"));
    ctx.Execute(PrintFieldRow(307, "入院日"));
}

void Update_114_To_115(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 门诊数量 bit");
    ctx.Execute("UPDATE T医院资料 SET 门诊数量=0");
    ctx.Execute("ALTER TABLE D医嘱明细单 ADD 停止时间 datetime");
    ctx.Execute("ALTER TABLE D医嘱明细单 ADD 停止医生 varchar(4)");
    ctx.Execute("ALTER TABLE D医嘱明细单 ADD 停止护士 varchar(4)");
    // Numbers the lines that exist now as well.
    ctx.Execute("ALTER TABLE D医嘱明细单 ADD 明细序号 int IDENTITY (1, 1) NOT NULL");
    ctx.Execute("ALTER TABLE D医嘱单 ADD 上次领药时间 datetime");
    ctx.Execute("ALTER TABLE D医嘱单 ADD 已停止 bit DEFAULT 0");

    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (334,'医嘱清单','N')");
    ctx.Execute(PrintFieldRow(334, "床位编号"));
    ctx.Execute(PrintFieldRow(334, "住院编号"));
    ctx.Execute(PrintFieldRow(334, "姓名"));
    ctx.Execute(PrintFieldRow(334, "年龄"));
    ctx.Execute(PrintFieldRow(334, "科室"));
    ctx.Execute(PrintFieldRow(334, "床位"));
    ctx.Execute(PrintFieldRow(334, "医嘱流水"));
    InsertOrderReportColumn(ctx, 334, "项目名称", -2, 'S');
    InsertOrderReportColumn(ctx, 334, "规格", -1, 'S');
    InsertOrderReportColumn(ctx, 334, "单位", 1, 'S');
    InsertOrderReportColumn(ctx, 334, "每次剂量", 2, 'N');
    InsertOrderReportColumn(ctx, 334, "每天次数", 3, 'N');
    InsertOrderReportColumn(ctx, 334, "给药方式", 4, 'S');
    InsertOrderReportColumn(ctx, 334, "同组标志", 5, 'S');
    InsertOrderReportColumn(ctx, 334, "开始时间", 6, 'T');
    InsertOrderReportColumn(ctx, 334, "医生签名", 7, 'S');
    InsertOrderReportColumn(ctx, 334, "护士签名", 8, 'S');
    InsertOrderReportColumn(ctx, 334, "停止时间", 9, 'T');
    InsertOrderReportColumn(ctx, 334, "停止医生", 10, 'S');
    InsertOrderReportColumn(ctx, 334, "停止护士", 11, 'S');

    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (154,'医嘱管理',0,100)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (155,'医嘱开单',154,101)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (156,'停止医嘱',154,102)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (157,'药品领取',154,103)");
}

void Update_115_To_116(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T员工档案 ADD 护士 nvarchar(1) DEFAULT '否'");
    ctx.Execute("UPDATE T员工档案 SET 护士='否'");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ员工档案
AS
SELECT dbo.T员工档案.编号, dbo.T员工档案.名称, dbo.T员工档案.性别, dbo.T员工档案.职务, dbo.T员工档案.学历,
    dbo.T员工档案.专业, dbo.T员工档案.职称, dbo.T员工档案.联系电话, dbo.T员工档案.联系地址, dbo.T员工档案.拼音简码,
    dbo.T员工档案.操作员, dbo.T员工档案.登录口令, dbo.T员工档案.出生日期, dbo.T员工档案.备注, dbo.T员工档案.所属类,
    dbo.T员工档案.身份证号, dbo.T员工档案.编码, dbo.T员工档案.有效状态, dbo.T员工档案.操作权限, dbo.T员工档案.医生,
    dbo.T科室档案.名称 AS 所属科室, dbo.T员工档案.暂存金额, dbo.T员工档案.五笔简码,
    ISNULL(dbo.T员工档案.护士, '否') AS 护士
FROM dbo.T员工档案 LEFT OUTER JOIN
    dbo.T科室档案 ON dbo.T员工档案.所属科室 = dbo.T科室档案.编号
)"));
    ctx.Execute("ALTER TABLE D医嘱明细单 ADD 间隔天数 tinyint");
    ctx.Execute("ALTER TABLE D医嘱明细单 ADD 循环次数 tinyint DEFAULT 1");
    ctx.Execute("UPDATE D医嘱明细单 SET 间隔天数=1,循环次数=1");

    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (335,'领药清单','N')");
    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (336,'输液卡','N')");
    InsertOrderReportColumn(ctx, 335, "编号", -2, 'S');
    InsertOrderReportColumn(ctx, 335, "药品名称", -1, 'S');
    InsertOrderReportColumn(ctx, 335, "生产批号", 0, 'S');
    InsertOrderReportColumn(ctx, 335, "规格", 1, 'S');
    InsertOrderReportColumn(ctx, 335, "单位", 2, 'S');
    InsertOrderReportColumn(ctx, 335, "单价", 3, 'S');
    InsertOrderReportColumn(ctx, 335, "数量", 4, 'S');
    InsertOrderReportColumn(ctx, 335, "金额", 5, 'S');
    InsertOrderReportColumn(ctx, 335, "库存数量", 6, 'S');
    InsertOrderReportColumn(ctx, 336, "名称", 1, 'S');
    InsertOrderReportColumn(ctx, 336, "方法", 2, 'S');
    InsertOrderReportColumn(ctx, 336, "规格", 3, 'S');
    InsertOrderReportColumn(ctx, 336, "单位", 4, 'S');
    InsertOrderReportColumn(ctx, 336, "数量", 5, 'S');
    InsertOrderReportColumn(ctx, 336, "用法", 6, 'S');
    ctx.Execute(PrintFieldRow(336, "床位编号"));
    ctx.Execute(PrintFieldRow(336, "住院编号"));
    ctx.Execute(PrintFieldRow(336, "姓名"));
    ctx.Execute(PrintFieldRow(336, "年龄"));
    ctx.Execute(PrintFieldRow(336, "科室"));
    ctx.Execute(PrintFieldRow(336, "床位"));
}

void Update_116_To_117(StepContext& ctx) { InsertOrderReportColumn(ctx, 336, "同组标志", 10, 'S'); }

}  // namespace quenvatrix::steps
