// Versions 48 to 53: the member register and member prices, the case-record
// module, the code column of the patient fee summary, the files attached to an
// inpatient stay, and the clean-up of special beds.
#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/foundation/v0046_reissued_objects.h"

namespace quenvatrix::steps {

// The member register with its list (report 316) and view.
void Update_48_To_49(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T会员档案] (
	[编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[所属类] [varchar] (6) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[名称] [nvarchar] (40) COLLATE Chinese_PRC_CI_AS NULL ,
	[备注] [nvarchar] (500) COLLATE Chinese_PRC_CI_AS NULL ,
	[编码] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[身份证号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[性别] [nvarchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
	[联系电话] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[移动电话] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[联系地址] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[业余爱好] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[出生日期] [datetime] NULL ,
	[职业] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[职务] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[状态] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (316,'会员档案列表','N',' ',' ','U',0,'',"
        "'2004-1-3 19:18:00','','','','',0,'D',' ')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'编号','编号',-2,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'名称','名称',-1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'编码','卡号',0,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'身份证号','身份证号',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'性别','性别',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'联系电话','联系电话',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'联系地址','联系地址',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'出生日期','出生日期',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'移动电话','移动电话',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'业余爱好','业余爱好',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'职业','职业',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'职务','职务',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'备注','备注',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (316,'状态','状态',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ会员档案
AS
SELECT 编号, 所属类, 名称, 备注, 编码, 身份证号, 性别, 联系电话, 移动电话, 联系地址, 业余爱好,
    出生日期, 职业, 职务, 状态
FROM T会员档案
)"));
    ctx.AddUpgradeLog(49, "在服务器端增加了【手工备份帐套】的功能", "", "2004-11-15");
}

// Member prices of drugs and outpatient items.
void Update_49_To_50(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T药品卫材 ADD 会员售价 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE T药品卫材 SET 会员售价=IsNull(销售定价,0)");
    ctx.Execute(v0046::AlterVJ药品卫材WithMakerAddress());
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (21,'会员售价','会员售价',100,'J')");
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (200,'会员售价','会员售价',100,'J')");
    ctx.Execute("ALTER TABLE T门诊项目 ADD 会员金额 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE T门诊项目 SET 会员金额=IsNull(标准金额,0)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT T门诊项目.编号, T门诊项目.名称, T门诊项目.拼音简码, T门诊项目.收费方式, T门诊项目.有效状态,
    T门诊项目.计量单位, T门诊项目.规格说明, T门诊项目.所属类, T门诊项目.五笔简码, T门诊项目.备注,
    T门诊项目.编码, T科室档案.名称 AS 核算科室, T门诊项目.同票项目, T门诊项目.标准金额,
    T门诊项目.会员金额
FROM T门诊项目 LEFT OUTER JOIN
    T科室档案 ON T门诊项目.核算科室 = T科室档案.编号
)"));
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型) VALUES (28,'会员金额','会员金额',100,'J')");
    ctx.AddUpgradeLog(50, "增加了【会员管理】模块，为医院锁定病人！", "", "2004-11-15");
}

namespace {

void CreateCaseRecordTables(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D病案资料] (
	[编号] [varchar] (8) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[名称] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[拼音简码] [varchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
	[性别] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,
	[国籍] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[民族] [nchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[出生日期] [datetime] NULL ,
	[婚姻状况] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
	[职业] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[工作单位] [nvarchar] (30) COLLATE Chinese_PRC_CI_AS NULL ,
	[出生地址] [nvarchar] (40) COLLATE Chinese_PRC_CI_AS NULL ,
	[身份证号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[户口地址] [nvarchar] (40) COLLATE Chinese_PRC_CI_AS NULL ,
	[联系电话] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[联系人] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[邮政编码] [varchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[备注] [nvarchar] (500) COLLATE Chinese_PRC_CI_AS NULL ,
	[所属类] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[编码] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D病案附件] (
	[附件名称] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[附件备注] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[附件文件] [image] NULL ,
	[病历编号] [varchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
	[建立时间] [datetime] NULL ,
	[附件序号] [int] IDENTITY (1, 1) NOT NULL ,
	[文件名称] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病案资料] WITH NOCHECK ADD 
	CONSTRAINT [PK_D病案资料] PRIMARY KEY  CLUSTERED 
	(
		[编号]
	)  ON [PRIMARY] 
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病案附件] WITH NOCHECK ADD 
	CONSTRAINT [DF_D病案附件_建立时间] DEFAULT (getdate()) FOR [建立时间],
	CONSTRAINT [PK_D病案附件] PRIMARY KEY  CLUSTERED 
	(
		[附件序号]
	)  ON [PRIMARY] 
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D病案附件] ADD 
	CONSTRAINT [FK_D病案附件_D病案资料] FOREIGN KEY 
	(
		[病历编号]
	) REFERENCES [dbo].[D病案资料] (
		[编号]
	)
)"));
}

void InsertCaseRecordReports(StepContext& ctx) {
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (317,'病案资料列表','N',' ',' ','U',0,'',"
        "'2004-1-3 19:18:00','','   ','','',0,'D',' ')");
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (318,'病人档案列表','N',' ',' ','U',0,'',"
        "'2004-1-7 17:26:00','','','','',0,'D',' ')");

    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'编号','编号',-2,0,1000,'L',1,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'名称','名称',-1,0,1000,'L',1,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'性别','性别',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'国籍','国籍',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'民族','民族',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'出生日期','出生日期',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'婚姻状况','婚姻状况',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'职业','职业',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'工作单位','工作单位',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'出生地址','出生地址',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'身份证号','身份证号',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'户口地址','户口地址',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'联系电话','联系电话',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'联系人','联系人',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'邮政编码','邮政编码',1,0,1000,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (317,'备注','备注',1,0,1000,'L',0,'S',-1,'C')");

    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'编号','住院编号',1,0,1050,'L',1,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'名称','姓名',2,0,1515,'L',1,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'性别','性别',3,0,585,'C',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'出生日期','出生日期',12,1,1005,'L',0,'D',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'年龄','年龄',4,0,555,'C',0,'N',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'身份证号','身份证号',13,1,1350,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'所在单位','所在单位',15,1,2310,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'入院时间','入院时间',5,0,1575,'L',0,'D',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'入院科室','入院科室',14,0,990,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'入院床位','入院床位',16,0,1065,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'入院方式','入院方式',17,1,795,'C',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'入院病情','入院病情',18,1,825,'C',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'病情诊断','病情诊断',20,0,1050,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'婚姻状况','婚姻状况',21,1,780,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'在职情况','在职情况',22,1,810,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'职业','职业',23,1,540,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'民族','民族',24,1,600,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'户口地址','户口地址',25,1,1020,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'电话','电话',26,0,1155,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'邮编','邮编',27,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'联系人','联系人',28,1,795,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'关系','关系',29,1,660,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'联系人地址','联系人地址',30,1,1095,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'联系人电话','联系人电话',31,1,1320,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'联系人邮编','联系人邮编',32,1,1065,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'住院医师','住院医师',33,0,915,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'入院备注','入院备注',34,1,2505,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'门诊医师','门诊医师',19,1,825,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'出院时间','出院时间',6,0,1770,'L',0,'T',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'当前科室','出院科室',10,0,990,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'当前床位','出院床位',11,0,1080,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'出院效果','出院效果',8,0,780,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'住院总额','住院总额',9,0,1605,'R',0,'E',0,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'出院备注','出院备注',35,1,1245,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'住院天数','住院天数',7,0,870,'C',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'费用类型','费用类型',100,0,1005,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'报销金额','报销金额',100,0,1005,'L',0,'E',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (318,'自付金额','自付金额',100,0,1005,'L',0,'E',-1,'C')");
}

}  // namespace

// The case-record module: the record number of a stay, the case records with
// their attachments, their lists, the case-record permissions.
void Update_50_To_51(StepContext& ctx) {
    ctx.Execute("ALTER TABLE D住院档案 ADD 病历编号 varchar(8) DEFAULT ''");
    ctx.Execute("UPDATE D住院档案 SET 病历编号=''");
    CreateCaseRecordTables(ctx);
    InsertCaseRecordReports(ctx);
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ病案资料
AS
SELECT dbo.D病案资料.* FROM dbo.D病案资料
)"));
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (141,'病案管理',0,0)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (142,'查看病历',0,1)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (143,'新建病历',0,2)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (144,'修改病历',0,3)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (145,'删除病历',0,4)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (146,'住院资料归档',0,4)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院档案
AS
SELECT DA.出院效果, dbo.DoAddZero(DA.编号, 10) AS 编号, DA.名称, DA.性别, DA.出生日期, DA.年龄, DA.身份证号,
    DW.名称 AS 所在单位, DA.入院时间, KS.名称 AS 入院科室, CW.名称 AS 入院床位,
    DA.入院方式, DA.入院病情, DA.病情诊断, DA.婚姻状况, DA.在职情况, DA.职业, DA.民族, DA.户口地址,
    DA.电话, DA.邮编, DA.关系, DA.联系人, DA.联系人地址, DA.联系人电话, DA.联系人邮编, DA.入院备注,
    DA.预交金额 - DA.费用金额 AS 病人余款, MY.名称 AS 门诊医师, DA.所在单位 AS 所在单位编号,
    DK.名称 AS 当前科室, [T床位档案_1].名称 AS 当前床位, T员工档案.名称 AS 住院医师,
    DA.费用金额, DA.预交金额, DA.住院医师 AS 住院医师编号, DA.当前科室 AS 当前科室编号,
    DA.当前床位 AS 当前床位编号, DA.住院总额, DA.出院时间, DA.出院备注,
    DK.名称 AS 出院科室, [T床位档案_1].名称 AS 出院床位, DA.头像编号, DA.住院天数,
    DA.已结帐 AS 结帐, ISNULL(JB.名称, '') AS 入院经办人, DW.电话 AS 单位电话,
    DA.费用类型, DA.报销金额, DA.费用金额 - DA.报销金额 AS 自付金额,
    ISNULL(DA.病历编号, '') AS 病历编号
FROM D住院档案 DA LEFT OUTER JOIN
    T病人单位 DW ON DA.所在单位 = DW.编号 INNER JOIN
    T科室档案 KS ON DA.入院科室 = KS.编号 INNER JOIN
    T床位档案 CW ON DA.入院床位 = CW.编号 INNER JOIN
    T员工档案 ON DA.住院医师 = T员工档案.编号 LEFT OUTER JOIN
    T员工档案 MY ON DA.门诊医师 = MY.编号 INNER JOIN
    T科室档案 DK ON DA.当前科室 = DK.编号 INNER JOIN
    T床位档案 [T床位档案_1] ON DA.当前床位 = [T床位档案_1].编号 LEFT OUTER JOIN
    T员工档案 JB ON DA.入院经办人 = JB.编号
)"));
    ctx.AddUpgradeLog(51, "与榆舟【电子病案管理系统】无缝接轨！", "", "2004-11-15");
}

// Permissions 142 to 146 under the case-record category 141.
void Update_51_To_52(StepContext& ctx) {
    ctx.Execute("UPDATE T操作权限 SET 所属分类=141 WHERE 编号 IN (142,143,144,145,146)");
    ctx.Execute("UPDATE T操作权限 SET 序号=4 WHERE 编号=141");
}

// The code of each item in the patient fee summary.
void Update_52_To_53(StepContext& ctx) {
    ctx.Execute("INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号) VALUES (274,'编码','编码',100)");
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do病人费用项目汇总表 (@v住院编号 int)
RETURNS TABLE
AS
RETURN (
SELECT T住院项目.编号, T住院项目.名称, T住院项目.收费方式, T住院项目.标准金额, T住院项目.所属类型,
    T住院项目.编码, Count(*) AS 使用次数, Sum(D住院记帐列表.数量) AS 使用数量,
    Sum(D住院记帐列表.金额) AS 合计金额
FROM T住院项目 INNER JOIN
    D住院记帐列表 ON T住院项目.编号 = D住院记帐列表.费用明细
WHERE D住院记帐列表.住院编号 = @v住院编号 AND D住院记帐列表.作废 = 0
GROUP BY T住院项目.编号, T住院项目.名称, T住院项目.收费方式, T住院项目.标准金额, T住院项目.所属类型,
    T住院项目.编码
)
)"));
}

// The files attached to a stay; the beds whose number begins with "C" leave,
// with the transfers that name them.
void Update_53_To_54(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D住院附件] (
	[附件名称] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[附件备注] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[附件文件] [image] NULL ,
	[住院编号] [int] ,
	[建立时间] [datetime] NULL ,
	[附件序号] [int] IDENTITY (1, 1) NOT NULL ,
	[文件名称] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D住院附件] WITH NOCHECK ADD 
	CONSTRAINT [DF_D住院附件_建立时间] DEFAULT (getdate()) FOR [建立时间],
	CONSTRAINT [PK_D住院附件] PRIMARY KEY  CLUSTERED 
	(
		[附件序号]
	)  ON [PRIMARY] 
)"));
    ctx.Execute("DELETE FROM D转科转床列表 WHERE Left(当前床位,1)='C' OR Left(转入床位,1)='C'");
    // The text 'NULL', not SQL NULL: the host reads this value as it is.
    ctx.Execute("UPDATE T床位档案 SET 所属类='NULL'");
    ctx.Execute("DELETE FROM T床位档案 WHERE Left(编号,1)='C'");
    ctx.Execute("ALTER TABLE [dbo].[D转科转床列表] DROP CONSTRAINT [FK_D转科转床列表_T床位档案1]");
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D转科转床列表] ADD 
	CONSTRAINT [FK_D转科转床列表_T床位档案1] FOREIGN KEY 
	(
		[转入床位]
	) REFERENCES [dbo].[T床位档案] (
		[编号]
	)
)"));
}

}  // namespace quenvatrix::steps
