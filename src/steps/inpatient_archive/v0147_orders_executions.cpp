// Versions 147 to 150: doctor's orders of inpatients and their executions by
// nurses, the columns of the order list window, the switch for the number of
// doses in prescriptions, the permission to change the length of a stay, and
// the list window of insurance-card payments.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::ReportColumnValuesNoSpace;

void Update_147_To_148(StepContext& ctx) {
    // No key: only the identity numbers the orders.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[Z医嘱列表] (
	[开单时间] [datetime] NULL ,
	[医嘱序号] [int] IDENTITY (1, 1) NOT NULL ,
	[处方类型] [tinyint] NULL ,
	[处方编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[每次剂量] [numeric](18, 4) NULL ,
	[间隔天数] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
	[给药次数] [tinyint] NULL ,
	[给药方式] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[同组标志] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[执行时间] [datetime] NULL ,
	[执行医生] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[执行护士] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[停止时间] [datetime] NULL ,
	[停止医生] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[停止护士] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[住院编号] [int] NULL ,
	[医嘱类型] [tinyint] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[Z医嘱列表] WITH NOCHECK ADD 
	CONSTRAINT [DF_Z医嘱列表_开单时间] DEFAULT (getdate()) FOR [开单时间]
)"));
}

void Update_148_To_149(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[Z医嘱执行列表] (
	[执行序号] [int] IDENTITY (1, 1) NOT NULL ,
	[医嘱编号] [int] NULL ,
	[执行护士] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[执行时间] [datetime] NULL ,
	[当天序号] [tinyint] NULL ,
	[摆药时间] [datetime] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[Z医嘱执行列表] WITH NOCHECK ADD 
	CONSTRAINT [DF_Z医嘱执行列表_摆药时间] DEFAULT (getdate()) FOR [摆药时间],
	CONSTRAINT [PK_Z医嘱执行列表] PRIMARY KEY  CLUSTERED 
	(
		[执行序号]
	)  ON [PRIMARY] 
)"));

    // The order list window (report 333) gets a new set of columns, all hidden.
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=333");
    ctx.Execute(ReportColumnValuesNoSpace("333,'开单时间','开单时间',0,1,2505,'L',0,'T',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'处方项目','处方项目',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'开始时间','开始时间',1,1,2505,'L',0,'T',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'开始医师','开始医师',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'开始护士','开始护士',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'停止时间','停止时间',1,1,2505,'L',0,'T',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'停止医师','停止医师',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'停止护士','停止护士',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'医嘱类型','医嘱类型',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'规格','规格',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'单位','单位',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'每次剂量','每次剂量',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'间隔天数','间隔天数',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'给药次数','给药次数',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'给药方式','给药方式',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'同组标志','同组标志',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'处方类型','处方类型',1,1,2505,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("333,'医嘱编号','医嘱编号',1,1,2505,'L',0,'S',-1,'C'"));
}

void Update_149_To_150(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 启用副数 bit");
    ctx.Execute("UPDATE T医院资料 SET 启用副数=0");
}

void Update_150_To_151(StepContext& ctx) {
    ctx.Execute("INSERT INTO T操作权限(编号,名称,所属分类,序号) VALUES (273,'可修改住院天数',70,10)");

    // Report 351 lists the insurance-card payments; its picker offers the
    // operators who have taken money.
    ctx.Execute(
        "INSERT INTO F报表列表(编号,名称,主键标题,主键查询) VALUES (351,'医保刷卡列表','操作员：',"
        "'Select 编号,名称 From T员工档案 Where 曾收款=1')");
    ctx.Execute(ReportColumnValuesNoSpace("351,'刷卡流水','刷卡流水',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'个人编码','个人编码',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'姓名','姓名',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'性别','性别',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'身份号码','身份号码',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'支付前余额','支付前余额',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'支付金额','支付金额',100,0,1000,'L',0,'E',0,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'支付后余额','支付后余额',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'门诊流水','门诊流水',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'操作员','操作员',100,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("351,'发生时间','发生时间',100,0,1000,'L',0,'S',-1,'C'"));
}

}  // namespace quenvatrix::steps
