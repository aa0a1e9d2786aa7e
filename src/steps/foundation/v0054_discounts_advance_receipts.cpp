// Versions 54 to 59: discount settings and the discount amount of outpatient
// items, custom fields of the case record, the price before discount, the
// print name of outpatient items, outpatient advance receipts, and the print
// fields of the inpatient payment receipt.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

void Update_54_To_55(StepContext& ctx) {
    // 1. The discount settings, one row; every column but the first takes its default.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T优惠设置] (
	[XM优惠方式] [tinyint] NULL DEFAULT (0),
	[XM折扣率] [real] NULL DEFAULT (10),
	[XM截止日期] [datetime] NULL DEFAULT (GetDate()),
	[YF优惠方式] [tinyint] NULL DEFAULT (0),
	[YF西药折扣率] [real] NULL DEFAULT (10),
	[YF中药折扣率] [real] NULL DEFAULT (10),
	[YF成药折扣率] [real] NULL DEFAULT (10),
	[YF藏药折扣率] [real] NULL DEFAULT (10),
	[YF卫材折扣率] [real] NULL DEFAULT (10),
	[YF截止日期] [datetime] NULL DEFAULT (GetDate())
) ON [PRIMARY]
)"));
    ctx.Execute("INSERT INTO T优惠设置 (XM优惠方式) VALUES (0)");
    // 2. The discount amount of outpatient items.
    ctx.Execute("ALTER TABLE T门诊项目 ADD 优惠金额 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE T门诊项目 SET 优惠金额=IsNull(标准金额,0)");
    // 3. List 28 shows it in place of the member amount.
    ctx.Execute("UPDATE F报表格式 SET 字段名称='优惠金额',显示标题='优惠金额' WHERE 表编号=28 AND 字段名称='会员金额'");
    // 4.
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT T门诊项目.编号, T门诊项目.名称, T门诊项目.拼音简码, T门诊项目.收费方式, T门诊项目.有效状态,
    T门诊项目.计量单位, T门诊项目.规格说明, T门诊项目.所属类, T门诊项目.五笔简码, T门诊项目.备注,
    T门诊项目.编码, T科室档案.名称 AS 核算科室, T门诊项目.同票项目, T门诊项目.标准金额,
    T门诊项目.优惠金额
FROM T门诊项目 LEFT OUTER JOIN
    T科室档案 ON T门诊项目.核算科室 = T科室档案.编号
)"));
    // 5.
    ctx.AddUpgradeLog(55, "增加了，门诊收费项目以及药品打折的功能！", "", "2004-11-29");
    // 6. The case record in its second layout; earlier records are discarded,
    // their attachments stay.
    ctx.Execute("ALTER TABLE [dbo].[D病案附件] DROP CONSTRAINT [FK_D病案附件_D病案资料]");
    ctx.Execute("DROP TABLE [dbo].[D病案资料]");
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
	[所属类] [varchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
	[编码] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义1] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义2] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义3] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义4] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义5] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义6] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义7] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义8] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义9] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义10] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
	[过敏信息] [nvarchar] (60) COLLATE Chinese_PRC_CI_AS NULL ,
	[病人类型] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    // 7. The labels of the custom fields, one row, each column holding its own name.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T病案设置] (
	[自定义1] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义2] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义3] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义4] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义5] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义6] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义7] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义8] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义9] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
	[自定义10] [nvarchar] (6) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(
        "INSERT INTO T病案设置 (自定义1,自定义2,自定义3,自定义4,自定义5,自定义6,自定义7,自定义8,自定义9,自定义10) "
        "VALUES ('自定义1','自定义2','自定义3','自定义4','自定义5','自定义6','自定义7','自定义8','自定义9','自定义10')");
    // 8. Report 318 sums no column.
    ctx.Execute("UPDATE F报表格式 SET 统计结果=-1 WHERE 表编号=318");
}

// The price before discount on outpatient charge lines, report 258 and the
// outpatient invoice layout 305.
void Update_55_To_56(StepContext& ctx) {
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (305,'折前合计')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (305,'本次优惠')");
    ctx.Execute("ALTER TABLE D门诊收费数据 ADD 折前金额 smallmoney DEFAULT 0");
    ctx.Execute("UPDATE D门诊收费数据 SET 折前金额=项目金额");
    ctx.Execute("INSERT INTO F报表格式 VALUES (258,'折前金额','折前金额',100,0,1000,'R',0,'E',0,'C')");
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do门诊票据列表与管理 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(A.序号, 10) AS 序号, 发生时间, 病人姓名, T.名称 AS 收费项目, B.项目金额,
    Y.名称 AS 处方医生, F.名称 AS 处方科室, H.名称 AS 核算科室, Y2.名称 AS 收款人,
    B.项目编号, 处方编号, B.折前金额, '正常' AS 状态
FROM D门诊收费列表 A INNER JOIN
    D门诊收费数据 B ON A.序号 = B.序号 INNER JOIN
    T门诊项目 T ON B.项目编号 = T.编号 INNER JOIN
    T员工档案 Y ON B.处方医生 = Y.编号 INNER JOIN
    T科室档案 F ON B.处方科室 = F.编号 INNER JOIN
    T科室档案 H ON B.核算科室 = H.编号 INNER JOIN
    T员工档案 Y2 ON A.收款人 = Y2.编号
WHERE (Y2.编号 = @vKey OR @vKey = '00') AND 发生时间 BETWEEN @vBegin AND @vEnd AND A.状态 = 'N'
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do库存缺货统计 (@vKey nvarchar(4))
RETURNS TABLE
AS
RETURN (
SELECT A.*, IsNull(K.库存数量, 0) AS 库存数量, A.库存最高数量 - IsNull(K.库存数量, 0) AS 应补数量
FROM VJ药品卫材 A LEFT OUTER JOIN
    (SELECT 药品编号, Sum(库存数量) AS 库存数量 FROM T库存药品 GROUP BY 药品编号) K
    ON A.编号 = K.药品编号
WHERE A.库存最低数量 > 0 AND A.库存最低数量 >= IsNull(K.库存数量, 0)
    AND (@vKey = '00' OR A.药品类型 = @vKey)
)
)"));
}

// The print name of outpatient items takes the place of their accounting department.
void Update_56_To_57(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T门诊项目 DROP CONSTRAINT FK_T收费项目_T科室档案");
    ctx.Execute("ALTER TABLE T门诊项目 DROP COLUMN 核算科室");
    ctx.Execute("UPDATE F报表格式 SET 字段名称='打印名称',显示标题='打印名称' WHERE 表编号=28 AND 字段名称='核算科室'");
    ctx.Execute("ALTER TABLE T门诊项目 ADD 打印名称 nvarchar(10) DEFAULT ''");
    ctx.Execute("UPDATE T门诊项目 SET 打印名称=''");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT 编号, 名称, 拼音简码, 收费方式, 有效状态, 计量单位, 规格说明, 所属类, 五笔简码, 备注, 编码,
    同票项目, 标准金额, 优惠金额, 打印名称
FROM T门诊项目
)"));
    ctx.AddUpgradeLog(57, "增加了门诊收费项目汇总打印功能！", "", "2004-12-1");
}

// The case-record view takes in the columns of the second layout.
void Update_57_To_58(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ病案资料
AS
SELECT dbo.D病案资料.* From dbo.D病案资料
)"));
}

// Outpatient advance receipts: the table, report 319 with its data source and
// print fields, and the permissions.
void Update_58_To_59(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D预收列表] (
	[记帐时间] [datetime] NULL ,
	[病人姓名] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[医生编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[科室编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[预收金额] [money] NULL ,
	[备注] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
	[序号] [int] IDENTITY (1, 1) NOT NULL ,
	[收款员] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[作废] [bit] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D预收列表] WITH NOCHECK ADD 
	CONSTRAINT [DF_D预收列表_记帐时间] DEFAULT (getdate()) FOR [记帐时间],
	CONSTRAINT [DF_D预收列表_作废] DEFAULT (0) FOR [作废],
	CONSTRAINT [PK_D预收列表] PRIMARY KEY  CLUSTERED 
	(
		[序号]
	)  ON [PRIMARY] 
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D预收列表] ADD 
	CONSTRAINT [FK_D预收列表_T员工档案] FOREIGN KEY 
	(
		[收款员]
	) REFERENCES [dbo].[T员工档案] (
		[编号]
	)
)"));
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (319,'预收款列表','N',' ',' ','U',3,' ','2004-1-2',"
        "'Do预收款管理','FUN','操作员：','Select 编号,名称 From T员工档案 Where 操作员=''是''',0,'D',' ')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'记帐时间','记帐时间',2,0,1860,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'医生名称','医生名称',5,0,1005,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'备注','备注',8,0,2385,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'序号','序号',1,0,840,'L',1,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'科室名称','科室名称',4,0,1005,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'收款人','收款人',7,0,1005,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'病人姓名','病人姓名',3,0,990,'L',0,'S',-1,'C')");
    ctx.Execute("INSERT INTO F报表格式 VALUES (319,'预收金额','预收金额',6,0,1425,'R',0,'E',0,'C')");
    // The three parameters are taken and not used: every receipt not voided is listed.
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do预收款管理 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT A.记帐时间, A.病人姓名, YS.名称 AS 医生名称, KS.名称 AS 科室名称, A.预收金额, A.备注, A.序号,
    SK.名称 AS 收款人
FROM D预收列表 A INNER JOIN
    T员工档案 YS ON A.医生编号 = YS.编号 INNER JOIN
    T科室档案 KS ON A.科室编号 = KS.编号 INNER JOIN
    T员工档案 SK ON A.收款员 = SK.编号
WHERE A.作废 = 0
)
)"));
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'记帐时间')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'病人姓名')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'医生名称')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'科室名称')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'预收金额')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'备注')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'序号')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'收款人')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (319,'金额大写')");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (147,'查看门诊预收列表',2,0)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (148,'新建门诊预收单',2,0)");
    ctx.Execute("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (149,'作废门诊预收单',2,0)");
    ctx.AddUpgradeLog(59, "增加了【门诊预收款管理】功能！", "", "2004-12-7");
}

// The print layout of the inpatient payment receipt (report 320).
void Update_59_To_60(StepContext& ctx) {
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,"
        "主键标题,主键查询,序号,默认时段,查询条件) VALUES (320,'住院收款票据','N',' ',' ','U',3,' ','2004-1-2',"
        "'','FUN','','',0,'D',' ')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'单据编号')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'住院编号')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'收款时间')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'病人姓名')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'性别')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'付款方式')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'收款金额')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'收费科室')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'核算科室')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'收款人')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'入院时间')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'当前科室')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'当前床位')");
    ctx.Execute("INSERT INTO F扩展字段 (表编号,字段名称) VALUES (320,'备注')");
}

}  // namespace quenvatrix::steps
