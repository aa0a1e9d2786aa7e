// Versions 151 to 158: the code table SSM, the case-record class of item
// types, the ledger of inpatients' balances, the staff hand-in form, a nursing
// display mode per operator, the drug-shortage report and stock costs
// refreshed, deposits onto community cards, and the community-card share of
// inpatient payments.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0087_reissued_objects.h"

namespace quenvatrix::steps {

using rows::PrintFieldRowNoSpace;
using rows::ReportColumnValuesNoSpace;

void Update_151_To_152(StepContext& ctx) {
    // Creating SSM ignores its own failure: a table SSM that exists already
    // does not stop the step.
    ctx.CreateSSMTable();
    ctx.Execute("ALTER TABLE T项目类型 ADD 病案项目 nvarchar(5)");
    ctx.Execute(rows::ShortColumnValuesNoSpace("273,'病案项目','病案项目',100,'S',-1"));
}

void Update_152_To_153(StepContext& ctx) {
    // 操作员 takes the database's default collation.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D病人余额明细] (
	[系统编号] [int] IDENTITY (1, 1) NOT NULL ,
	[发生时间] [datetime] NULL ,
	[业务类型] [nvarchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
	[住院编号] [int] NULL ,
	[余额增加] [money] NULL ,
	[累计余额] [money] NULL ,
	[操作员] [varchar] (4) NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病人余额明细] WITH NOCHECK ADD 
	CONSTRAINT [DF_D病人余额明细_发生时间] DEFAULT (getdate()) FOR [发生时间],
	CONSTRAINT [PK_D病人余额明细] PRIMARY KEY  CLUSTERED 
	(
		[系统编号]
	)  ON [PRIMARY] 
)"));

    ctx.Execute(
        rows::ReportValuesNoSpace("352,'病人余额流水表','N',' ',' ','U',0,'','2004-1-3 19:18:00','','','','',0,'D',' '"));
    ctx.Execute(ReportColumnValuesNoSpace("352,'流水序号','流水序号',-2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("352,'发生时间','发生时间',-1,0,1000,'L',0,'T',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("352,'业务类型','业务类型',0,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("352,'余额增加','余额增加',1,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("352,'余额减少','余额减少',2,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("352,'累计余额','累计余额',3,0,1000,'L',0,'E',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("352,'操作员','操作员',4,0,1000,'L',0,'S',-1,'C'"));
}

void Update_153_To_154(StepContext& ctx) {
    ctx.Execute(rows::BareReportRowNoSpace(353, "员工交款单"));
    ctx.Execute(PrintFieldRowNoSpace(353, "持款员工"));
    ctx.Execute(PrintFieldRowNoSpace(353, "持款日期"));
    ctx.Execute(PrintFieldRowNoSpace(353, "持款金额"));
    ctx.Execute(PrintFieldRowNoSpace(353, "本次收款"));
    ctx.Execute(PrintFieldRowNoSpace(353, "备注"));
    ctx.Execute(PrintFieldRowNoSpace(353, "流水序号"));
    ctx.Execute(PrintFieldRowNoSpace(353, "收款人"));
    ctx.Execute(PrintFieldRowNoSpace(353, "收款时间"));
}

void Update_154_To_155(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T员工档案 ADD 护理显示模式 tinyint DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 护理显示模式=0");
}

void Update_155_To_156(StepContext& ctx) {
    // The text of its last issue: A.* now carries 最近入库成本 of VJ药品卫材.
    ctx.Execute(v0087::AlterDo库存缺货统计());
}

void Update_156_To_157(StepContext& ctx) {
    // The cost of one unit: the row's total divided by its quantity.
    ctx.Execute("UPDATE T库存药品 SET 库存成本=dbo.DoDev(库存数量,库存总额)");
}

void Update_157_To_158(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D社区卡预存列表] (
	[序号] [int] IDENTITY (1, 1) NOT NULL ,
	[发生时间] [datetime] NULL ,
	[社卡序号] [int] NULL ,
	[操作员] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[预存金额] [money] NULL ,
	[备注] [nvarchar] (80) COLLATE Chinese_PRC_CI_AS NULL ,
	[预存后余额] [money] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D社区卡预存列表] WITH NOCHECK ADD 
	CONSTRAINT [DF_D社区卡预存列表_发生时间] DEFAULT (getdate()) FOR [发生时间],
	CONSTRAINT [PK_D社区卡预存列表] PRIMARY KEY  CLUSTERED 
	(
		[序号]
	)  ON [PRIMARY] 
)"));

    // Report 354; 编码, 名称, 病人类型 and 信誉上限 describe the card holder.
    ctx.Execute(rows::BareReportRowNoSpace(354, "社卡预存列表"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'序号','序号',-33,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'发生时间','发生时间',-22,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'预存金额','预存金额',-2,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'备注','备注',-2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'操作员','操作员',-2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'编码','编码',-2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'名称','名称',-2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'病人类型','病人类型',-2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'信誉上限','信誉上限',-2,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("354,'预存后余额','预存后余额',-2,0,1000,'L',0,'S',-1,'C'"));
}

void Update_158_To_159(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院收费列表 ADD 社卡支付 money DEFAULT 0");
    ctx.Execute("UPDATE D住院收费列表 SET 社卡支付=0");
    ctx.Execute(ReportColumnValuesNoSpace("35,'社卡支付','社卡支付',10,0,1000,'L',0,'E',0,'C'"));
}

}  // namespace quenvatrix::steps
