// Versions 81 to 85: the list of outpatient visits, electronic prescriptions
// with their drug lines, usage notes on prescription lines, and the hospital's
// member switches.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::ReportColumnValuesNoSpace;

void Update_81_To_82(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ门诊档案
AS
SELECT D.门诊ID, D.病人姓名, D.性别, D.年龄, D.发生时间, T.名称 AS 处方医生, D.病情诊断
FROM dbo.D门诊病历 D INNER JOIN dbo.T员工档案 T ON D.处方医生 = T.编号
)"));
    ctx.Execute(rows::PlainListReport(325, "门诊病人档案", "2005-1-31 1:17:00"));
    ctx.Execute(ReportColumnValuesNoSpace("325,'门诊ID','门诊ID',1,0,1215,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("325,'病人姓名','病人姓名',2,0,1440,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("325,'性别','性别',3,0,600,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("325,'年龄','年龄',4,0,525,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("325,'发生时间','发生时间',5,0,1695,'L',0,'T',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("325,'病情诊断','病情诊断',7,0,3810,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("325,'处方医生','处方医生',6,0,1005,'L',0,'S',-1,'C'"));
}

void Update_82_To_83(StepContext& ctx) {
    // 1. Electronic prescriptions and their drug lines.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T电子处方] (
	[编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[名称] [nvarchar] (30) COLLATE Chinese_PRC_CI_AS NULL ,
	[拼音简码] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[所属类] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[备注] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[编码] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[五笔简码] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
	[药品种数] [tinyint] NULL ,
	[有效状态] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
	[处方类型] [nchar] (4) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T电子处方数据] (
	[处方编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[药品编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[使用剂量] [real] NULL 
) ON [PRIMARY]
)"));

    // 2.
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T电子处方] WITH NOCHECK ADD 
	CONSTRAINT [PK_T电子处方] PRIMARY KEY  CLUSTERED 
	(
		[编号]
	)  ON [PRIMARY] 
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T电子处方数据] ADD 
	CONSTRAINT [FK_T电子处方数据_T电子处方] FOREIGN KEY 
	(
		[处方编号]
	) REFERENCES [dbo].[T电子处方] (
		[编号]
	)
)"));

    // 3.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ电子处方
AS
SELECT 编号, 名称, 拼音简码, 所属类, 备注, 编码, 五笔简码, 药品种数, 有效状态, 处方类型
FROM dbo.T电子处方
)"));

    // 4. Report 326. The third column's field name carries a trailing blank.
    ctx.Execute(rows::PlainListReport(326, "电子处方列表", "2005-1-31 13:28:00"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'编号','编号',1,0,887.04,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'名称','名称',2,0,2206.08,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'拼音简码 ','拼音简码',4,0,1036.8,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'备注','备注',5,0,1002.24,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'编码','编码',3,0,1002.24,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'五笔简码','五笔简码',6,0,1082.88,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'药品种数','药品种数',7,0,1111.68,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'有效状态','有效状态',8,0,1111.68,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("326,'处方类型','处方类型',9,0,1002.24,'L',0,'S',-1,'C'"));

    // 5. Usage notes on prescription lines.
    ctx.Execute("ALTER TABLE D划价数据 ADD 使用说明 nvarchar(60)");
    ctx.Execute("INSERT INTO F报表格式(表编号,字段名称,显示标题,序号) VALUES (277,'使用说明','使用说明',999)");
    ctx.Execute("ALTER TABLE D住院划价数据 ADD 使用说明 nvarchar(60)");
}

void Update_83_To_84(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊档案
AS
SELECT D.门诊ID, D.病人姓名, D.性别, D.年龄, D.发生时间, T.名称 AS 处方医生, D.病情诊断, D.会员编号
FROM dbo.D门诊病历 D INNER JOIN dbo.T员工档案 T ON D.处方医生 = T.编号
)"));
}

void Update_84_To_85(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 启用会员功能 bit");
    ctx.Execute("UPDATE T医院资料 SET 启用会员功能=0");
}

void Update_85_To_86(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 会员项目为零 bit");
    ctx.Execute("ALTER TABLE T医院资料 ADD 会员药品为零 bit");
    ctx.Execute("UPDATE T医院资料 SET 会员项目为零=0,会员药品为零=0");
}

}  // namespace quenvatrix::steps
