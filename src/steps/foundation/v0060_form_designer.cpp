// Versions 60 to 63: the form designer for clinical records, the forms filled
// in for a stay, text templates, the case-record permissions of forms, and two
// flags (all materials for a role, lump-sum insurance for the hospital).
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

namespace {

void CreateFormTables(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T表单列表] (
	[编号] [char] (8) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[名称] [nvarchar] (30) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[所属类] [char] (8) COLLATE Chinese_PRC_CI_AS NULL ,
	[纸张宽度] [real] NULL ,
	[纸张高度] [real] NULL ,
	[编码] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[表单序号] [int] IDENTITY (1, 1) NOT NULL ,
	[背景颜色] [int] NULL ,
	[显示颜色] [int] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T表单字段] (
	[表单序号] [int] NULL ,
	[字段名称] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[字段类型] [nvarchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[长度] [smallint] NULL ,
	[备注] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    // 对象名称 takes the database's default collation.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T表单对象] (
	[表单序号] [int] NULL ,
	[对象名称] [nvarchar] (20) NULL ,
	[对象类型] [tinyint] NULL ,
	[左边界] [real] NULL ,
	[上边界] [real] NULL ,
	[宽度] [real] NULL ,
	[高度] [real] NULL ,
	[默认文本] [nvarchar] (1024) COLLATE Chinese_PRC_CI_AS NULL ,
	[附加数据] [nvarchar] (1024) COLLATE Chinese_PRC_CI_AS NULL ,
	[字体名称] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[字体大小] [real] NULL ,
	[保存字段] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T表单列表] WITH NOCHECK ADD 
	CONSTRAINT [PK_T表单列表] PRIMARY KEY  CLUSTERED 
	(
		[表单序号]
	)  ON [PRIMARY] 
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T表单对象] WITH NOCHECK ADD 
	CONSTRAINT [DF_T表单对象_保存字段] DEFAULT ('') FOR [保存字段]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T表单字段] ADD 
	CONSTRAINT [FK_T表单字段_T表单列表] FOREIGN KEY 
	(
		[表单序号]
	) REFERENCES [dbo].[T表单列表] (
		[表单序号]
	)
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T表单对象] ADD 
	CONSTRAINT [FK_T表单对象_T表单列表] FOREIGN KEY 
	(
		[表单序号]
	) REFERENCES [dbo].[T表单列表] (
		[表单序号]
	)
)"));
}

}  // namespace

void Update_60_To_61(StepContext& ctx) {
    // 1. The member register leaves; VJ会员档案 stays behind.
    ctx.Execute("DROP TABLE [dbo].[T会员档案]");
    // 2. The attachments of a stay become the forms filled in for it.
    ctx.Execute("DROP TABLE [dbo].[D住院附件]");
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D住院附件] (
	[住院编号] [int] NULL ,
	[建立时间] [datetime] NULL ,
	[表单序号] [int] NULL ,
	[流水序号] [int] IDENTITY (1, 1) NOT NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D住院附件] WITH NOCHECK ADD 
	CONSTRAINT [DF_D住院附件_建立时间] DEFAULT (getdate()) FOR [建立时间],
	CONSTRAINT [PK_D住院附件] PRIMARY KEY  CLUSTERED 
	(
		[流水序号]
	)  ON [PRIMARY] 
)"));
    // 3. The form print (322) and the form list (321) with its columns.
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (322,'表单打印','N',' ',' ','U',0,'',"
        "'2004-12-13 10:30:00','','','','',0,'D',' ')");
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (321,'表单列表','N',' ',' ','U',0,'',"
        "'2004-12-13 10:30:00','','','','',0,'D',' ')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (321,'编号','编号',0,0,1005,'L',1,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (321,'名称','名称',1,0,3270,'L',1,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (321,'纸张宽度','纸张宽度',2,0,1005,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (321,'纸张高度','纸张高度',3,0,1005,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (321,'编码','编码',4,0,3390,'L',0,'S',-1,'C')");
    // 4. The forms, their data fields and drawn objects.
    CreateFormTables(ctx);
    // 5. Text templates and their categories.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T模板内容] (
	[模板内容] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[所属分类] [int] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T模板分类] (
	[分类序号] [int] IDENTITY (1, 1) NOT NULL ,
	[分类名称] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T模板分类] WITH NOCHECK ADD 
	CONSTRAINT [PK_T模板分类] PRIMARY KEY  CLUSTERED 
	(
		[分类序号]
	)  ON [PRIMARY] 
)"));
    // 6. The patient fields a form can show.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ病人字段
AS
SELECT 编号 AS 住院编号, 名称, 性别, 年龄, 出生日期, 身份证号, 所在单位, 入院时间, 入院科室, 入院床位,
    入院方式, 入院病情, 病情诊断, 婚姻状况, 在职情况, 职业, 民族, 户口地址, 电话, 邮编, 关系, 联系人,
    联系人地址, 联系人电话, 联系人邮编, 入院备注, 门诊医师, 当前科室, 当前床位, 住院医师, 出院时间,
    出院备注, 出院科室, 出院床位, 住院天数
FROM VJ住院档案
)"));
}

// The case-record permissions of templates and forms.
void Update_61_To_62(StepContext& ctx) {
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (150,'管理病例模板',141,9)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (151,'管理病历表单',141,10)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (152,'查看其它医生病历',141,9)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (153,'修改其它医生病历',141,13)");
}

void Update_62_To_63(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D角色档案 ADD 全部物资操作 bit");
    ctx.Execute("UPDATE D角色档案 SET 全部物资操作=1");
}

void Update_63_To_64(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T医院资料 ADD 包干保险 bit");
    ctx.Execute("UPDATE T医院资料 SET 包干保险=0");
}

}  // namespace quenvatrix::steps
