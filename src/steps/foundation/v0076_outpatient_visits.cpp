// Versions 76 to 80: outpatient visits with the forms filled in for them, the
// request forms of outpatients, the visit of a prescription, the accounting
// department of every outpatient item, money amounts of materials, and the
// daily income summary.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"
#include "steps/foundation/v0064_texts.h"

namespace quenvatrix::steps {

using rows::ReportColumnValuesNoSpace;

void Update_76_To_77(StepContext& ctx) {
    // 1. Outpatient visits.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D门诊病历] (
	[门诊ID] [int] IDENTITY (1, 1) NOT NULL ,
	[病人姓名] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[会员编号] [int] NULL ,
	[发生时间] [datetime] NULL ,
	[处方医生] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[病情诊断] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[作废] [bit] NULL ,
	[性别] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
	[年龄] [tinyint] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D门诊病历] WITH NOCHECK ADD 
	CONSTRAINT [DF_D门诊病历_发生时间] DEFAULT (getdate()) FOR [发生时间],
	CONSTRAINT [DF_D门诊病历_作废] DEFAULT (0) FOR [作废]
)"));

    // 2. Forms filled in for a visit.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D门诊附件] (
	[门诊ID] [int] NULL ,
	[建立时间] [datetime] NULL ,
	[表单序号] [int] NULL ,
	[流水序号] [int] IDENTITY (1, 1) NOT NULL ,
	[填写人] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[填写时间] [datetime] NULL ,
	[表单备注] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[申请人] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[申请时间] [datetime] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D门诊附件] WITH NOCHECK ADD 
	CONSTRAINT [DF_D门诊附件_建立时间] DEFAULT (getdate()) FOR [建立时间],
	CONSTRAINT [PK_D门诊附件] PRIMARY KEY  CLUSTERED 
	(
		[流水序号]
	)  ON [PRIMARY] 
)"));

    // 3.
    ctx.Execute(v0064::FormListView("ALTER"));

    // 4. The request forms of outpatients. An attachment names its form by the
    //    form's 表单序号 (as D住院附件 does), so the forms are joined on 表单序号.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ门诊医技表单列表
AS
SELECT V.门诊ID, V.病人姓名, B.名称 AS 表单名称, K.名称 AS 申请人, D.申请时间, D.建立时间 AS 就诊时间, V.病情诊断,
IsNull(Y.名称, '') AS 填写人, K.名称 AS 门诊医生, D.表单序号, D.流水序号, B.使用权, D.表单备注, V.性别, V.年龄
FROM dbo.D门诊附件 D INNER JOIN dbo.T表单列表 B ON D.表单序号 = B.表单序号
INNER JOIN dbo.D门诊病历 V ON D.门诊ID = V.门诊ID
LEFT OUTER JOIN dbo.T员工档案 K ON D.申请人 = K.编号
LEFT OUTER JOIN dbo.T员工档案 Y ON D.填写人 = Y.编号
WHERE B.使用权 > 0
)"));

    // 5. Report 324 and its columns.
    ctx.Execute(rows::PlainListReport(324, "门诊检查表单列表", "2005-1-22 12:05:00"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'门诊ID','门诊ID',-200,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'门诊医生','门诊医生',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'填写人','填写人',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'表单备注','表单备注',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'性别','性别',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'病人姓名','病人姓名',-180,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'表单名称','表单名称',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'申请人','申请人',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'申请时间','申请时间',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'就诊时间','就诊时间',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'病情诊断','病情诊断',1,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("324,'年龄','年龄',1,0,1000,'L',0,'S',-1,'C'"));
}

void Update_77_To_78(StepContext& ctx) { ctx.Execute("ALTER TABLE D划价单 ADD 门诊ID int"); }

void Update_78_To_79(StepContext& ctx) {
    ctx.Execute("UPDATE T门诊项目 SET 核算科室='0001' WHERE IsNull(核算科室,'')=''");
}

void Update_79_To_80(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D物资入库数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D物资出库数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D物资调拨数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE D物资领用数据 ALTER COLUMN 单价 money");
    ctx.Execute("ALTER TABLE T库存物资 ALTER COLUMN 库存均价 money");
}

void Update_80_To_81(StepContext& ctx) {
    // Inpatient settlements are matched to the day of the outpatient charges.
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do医院收入汇总_月报表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 1000 M.年号, M.月份, M.日号, IsNull(G.挂号次数, 0) AS 挂号次数, IsNull(G.合计金额, 0) AS 挂号金额,
IsNull(M.收费次数, 0) AS 收费次数, IsNull(M.合计金额, 0) AS 收费金额, IsNull(Z.结帐次数, 0) AS 结帐次数,
IsNull(Z.结帐金额, 0) AS 结帐金额,
IsNull(G.合计金额, 0) + IsNull(M.合计金额, 0) + IsNull(Z.结帐金额, 0) AS 当天总金额
FROM dbo.Do门诊收费汇总_月报表(@vKey, @vBegin, @vEnd) M
LEFT OUTER JOIN dbo.Do挂号汇总表_月报表(@vKey, @vBegin, @vEnd) G ON M.年号 = G.年号 AND M.月份 = G.月份 AND M.日号 = G.日号
LEFT OUTER JOIN dbo.Do住院结帐汇总_月报表(@vKey, @vBegin, @vEnd) Z ON Z.年号 = M.年号 AND Z.月份 = M.月份 AND Z.日号 = M.日号
ORDER BY G.年号, G.月份, G.日号
)
)"));
}

}  // namespace quenvatrix::steps
