// Version 29: the upgrade log and the release history of the hospital system,
// registration without compulsory doctor or department, rounding of inpatient
// prescriptions, the cost-price adjustment document (form 104), sorted
// registration statistics and the daily automatic charging QVAutoRun.
#include "frame/sql_text.h"
#include "frame/step_context.h"

namespace quenvatrix::steps {

namespace {

// The upgrade log: which program version and which database version brought
// which change.
void CreateUpgradeLogTable(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T升级列表] (
	[发生日期] [smalldatetime] NULL ,
	[程序版本] [varchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
	[帐套版本] [smallint] NULL ,
	[升级说明] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[操作说明] [text] COLLATE Chinese_PRC_CI_AS NULL ,
	[最新升级] [bit] NULL 
) ON [PRIMARY] TEXTIMAGE_ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[T升级列表] WITH NOCHECK ADD 
	CONSTRAINT [DF_T升级列表_发生日期] DEFAULT (getdate()) FOR [发生日期],
	CONSTRAINT [DF_T升级列表_最新升级] DEFAULT (1) FOR [最新升级]
)"));
}

// The release history, program versions 2.0.0 to 6.1.4 (database versions 2 to
// 28), as one transaction: the flag tells DoUpdate to roll it back when a row
// fails.
void WriteReleaseHistory(StepContext& ctx) {
    ctx.BeginTrans();
    ctx.SetInTrans(true);
    ctx.WriteUpgradeLog("2.0.0", 2, "《榆舟医院管理软件》从Dos平台【移植到Windows】平台", "", "2003-5-1");
    ctx.WriteUpgradeLog("3.0.0", 5, "增强了【门诊收费，住院管理，药房管理，物资管理及报表中心的智能化】", "", "2003-8-16");
    ctx.WriteUpgradeLog("4.0.0", 8, "增加了【业务流程，模块自定义】功能", "", "2003-10-15");
    ctx.WriteUpgradeLog("5.0.0", 10, "增加了护士工作站(住院管理)的【图形操作桌面】", "", "2003-11-9");
    ctx.WriteUpgradeLog("5.0.0", 10, "系统集成时，为医院增加了工作站【自动修复】的功能", "", "2003-11-9");
    ctx.WriteUpgradeLog("5.0.0", 10, "系统集成时，为医院增加了【数据库自动备份】的功能", "", "2003-11-9");
    ctx.WriteUpgradeLog("5.0.0", 10, "系统集成时，为医院增加了【磁盘阵列】的功能", "", "2003-11-9");
    ctx.WriteUpgradeLog("5.0.2", 11, "增加了【帐套自动升级及故障恢复】功能", "", "2004-1-1");
    ctx.WriteUpgradeLog("5.0.3", 11, "增加了住院部【欠费自动报警】功能", "", "2004-2-1");
    ctx.WriteUpgradeLog("5.0.8", 12, "加入了门诊收费时【语音阅读病人姓名及金额】的功能",
                        "此功能需要语音库支持，请先运行安装包YZVoice.exe", "2004-2-15");
    ctx.WriteUpgradeLog("5.0.11", 12, "【修正了在Win98】中系统短日期格式统计出错的BUG", "", "2004-3-1");
    ctx.WriteUpgradeLog("5.0.11", 12, "增加了门诊收费一张发票打印多种项目的功能(从而为【医院节约了成本】)",
                        "方式：菜单[基础资料]\\[门诊项目] 为指定收费项目选定同票项目即可", "2004-3-1");
    ctx.WriteUpgradeLog("5.0.11", 12, "增加了操作员进入系统时【自动打开NUM LOCK】(小键盘数字指示灯)的功能;", "",
                        "2004-3-1");
    ctx.WriteUpgradeLog("5.0.16", 13, "【修正了老版本】中有权限的操作员不能修改(作废)其它门诊操作员的票据的BUG", "",
                        "2004-3-15");
    ctx.WriteUpgradeLog("5.0.16", 13, "修正了退药付款,作废单据存在的BUG", "", "2004-3-15");
    ctx.WriteUpgradeLog("5.0.16", 13, "增加了门诊收费【电脑自动找补】的功能",
                        "门诊收费员须在收费界面上选中“电脑找补”选项", "2004-3-15");
    ctx.WriteUpgradeLog("5.0.41", 13, "为各种业务单据，加入了“行序”的功能(单据数据的【排序保持一致性】)", "",
                        "2004-3-25");
    ctx.WriteUpgradeLog("5.0.42", 13, "在帐套升级窗口中“系统管理员”的口令已【用密文(*)保护】，不再显示明文", "",
                        "2004-3-28");
    ctx.WriteUpgradeLog("5.0.43", 15, "在进入系统有效期报警表中增加了“中药与卫材”【是否报警的开关】(功能)",
                        "管理员需要在“系统管理”中设置此选项(允许“中药、卫材类”效期报警)", "2004-4-2");
    ctx.WriteUpgradeLog("5.0.45", 16, "修改了【“领导查询\\经营月报”】中若不收取挂号费，则无统计结果的BUG", "",
                        "2004-4-20");
    ctx.WriteUpgradeLog("5.0.46", 17, "提高了【“报表中心\\药库管理\\出入库房\\药品采购明细表”】的运行速度", "",
                        "2004-4-20");
    ctx.WriteUpgradeLog("5.0.48", 18, "增加了“门诊收费项目”【固定标准收费金额】的功能", "", "2004-5-15");
    ctx.WriteUpgradeLog("5.0.50", 19, "在药品库存统计表中加入了字段“库存零售总额”,用于【预算药品零售的总金额】", "",
                        "2004-5-26");
    ctx.WriteUpgradeLog("5.0.53", 20, "修改了住院病人入院时【年龄可以小于1岁】", "", "2004-6-1");
    ctx.WriteUpgradeLog("5.0.53", 20, "为药库统计的“库存零售总额”【加上了汇总(合计)金额】", "", "2004-6-1");
    ctx.WriteUpgradeLog("5.0.54", 21, "使【住院部与门诊部医生可以通用】", "", "2004-7-14");
    ctx.WriteUpgradeLog("5.0.54", 21, "增加了，住院【病人结帐后自动出院功能】", "", "2004-7-14");
    ctx.WriteUpgradeLog("5.0.57", 21, "修正了病人入院登录以及转床时右边列表可能【完全显示床位】", "", "2004-7-17");
    ctx.WriteUpgradeLog("5.0.59", 21, "增加了操作员【可自定床位编码及分楼分层】的功能", "", "2004-7-21");
    ctx.WriteUpgradeLog("5.0.60", 22, "增加了门诊收费时，【是否显示处方金额】的选项", "", "2004-7-22");
    ctx.WriteUpgradeLog("5.0.60", 22, "增加了,在权限设置和菜单设置中【可用空格或回车键改变状态】", "", "2004-7-22");
    ctx.WriteUpgradeLog("5.0.61", 22, "加强了医院桌面，可【选择全部或楼层及类型床位】的功能", "", "2004-7-29");
    ctx.WriteUpgradeLog("5.0.62", 23, "增加了医院【自定义“结帐时间”】的功能(选项)", "管理员需要在“系统管理”中设置",
                        "2004-7-29");
    ctx.WriteUpgradeLog("5.0.63", 24, "增加了一个权限控制项，【是否允许划价员修改“处方金额”】",
                        "系统管理员在 “业务分工\\权限”中操作", "2004-7-30");
    ctx.WriteUpgradeLog("5.0.64", 24, "增加了允许用户【自定义床位编号】的功能", "", "2004-7-30");
    ctx.WriteUpgradeLog("6.1.3", 27, "自定义电子表格由原有的【64列扩容到128列】！", "", "2004-8-27");
    ctx.WriteUpgradeLog("6.1.4", 28, "增加了【榆舟电子处方系统】的接口(可选组件)", "", "2004-8-27");
    ctx.CommitTrans();
    ctx.SetInTrans(false);
}

// Registration lists: registrations in state N of the period, by cashier ('00'
// for all); doctor and department are looked up with outer joins, since
// registration need not ask for them.
void ReissueRegistrationLists(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do挂号票据列表与管理 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(D挂号列表.序号, 10) AS 序号, D挂号列表.过单时间, D挂号列表.病人姓名,
    Y1.名称 AS 医生姓名, T科室档案.名称 AS 挂号科室, T挂号类别.名称 AS 挂号类别, D挂号列表.挂号金额,
    Y2.名称 AS 收款人, CASE WHEN D挂号列表.状态 = 'N' THEN '正常' ELSE '作废' END AS 状态
FROM D挂号列表
    INNER JOIN T员工档案 Y2 ON D挂号列表.收款人 = Y2.编号
    INNER JOIN T挂号类别 ON D挂号列表.挂号类别 = T挂号类别.编号
    LEFT OUTER JOIN T员工档案 Y1 ON D挂号列表.医生编号 = Y1.编号
    LEFT OUTER JOIN T科室档案 ON D挂号列表.科室编号 = T科室档案.编号
WHERE D挂号列表.状态 = 'N' AND D挂号列表.过单时间 BETWEEN @vBegin AND @vEnd
    AND (D挂号列表.收款人 = @vKey OR @vKey = '00')
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do挂号明细表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(D挂号列表.序号, 10) AS 序号, D挂号列表.过单时间, D挂号列表.病人姓名,
    Y1.名称 AS 医生姓名, T科室档案.名称 AS 挂号科室, T挂号类别.名称 AS 挂号类别, D挂号列表.挂号金额,
    Y2.名称 AS 收款人, CASE WHEN D挂号列表.状态 = 'N' THEN '正常' ELSE '作废' END AS 状态
FROM D挂号列表
    INNER JOIN T员工档案 Y2 ON D挂号列表.收款人 = Y2.编号
    INNER JOIN T挂号类别 ON D挂号列表.挂号类别 = T挂号类别.编号
    LEFT OUTER JOIN T员工档案 Y1 ON D挂号列表.医生编号 = Y1.编号
    LEFT OUTER JOIN T科室档案 ON D挂号列表.科室编号 = T科室档案.编号
WHERE D挂号列表.状态 = 'N' AND D挂号列表.过单时间 BETWEEN @vBegin AND @vEnd
    AND (D挂号列表.收款人 = @vKey OR @vKey = '00')
)
)"));
}

// Document form 104 "#调价单": its catalogue row, line columns, line-field
// rules and header fields, then the option list of adjustment reasons.
void PriceAdjustmentFormRows(StepContext& ctx) {
    ctx.Execute("Insert Into F报表列表(编号,名称,模式) Values (104,'#调价单','N')");

    ctx.Execute("Insert Into F报表格式 Values (104,'批准文号','批准文号',15,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'药品注册证号','药品注册证号',14,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'药品剂型','药品剂型',17,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'有效期至','有效期至',7,0,1020,'L',0,'D',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'原单价','原单价',9,0,1035,'R',1,'J',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'药品类型','药品类型',13,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'存储条件','存储条件',20,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'生产厂商','生产企业',5,1,1155,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'药品有效期','药品有效期',18,1,1005,'L',0,'N',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'名称','名称',2,0,1425,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'产地','产地',19,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'规格','规格',3,0,1020,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'生产批号','生产批号',6,0,1095,'R',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'销售定价','销售定价',21,1,1005,'L',0,'J',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'单项备注','备注',11,0,1770,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'药品单位','单位',4,0,450,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'适用症状','适用症状',16,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'数量','数量',8,0,795,'R',1,'N',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'调后差额','调后差额',10,0,810,'R',1,'E',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'编号','编号',1,0,660,'L',1,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'拼音简码','拼音简码',12,1,1005,'L',0,'S',-1,'C')");
    ctx.Execute("Insert Into F报表格式 Values (104,'现单价','现单价',9,0,1035,'R',1,'J',-1,'C')");

    ctx.Execute("Insert Into T单据格式 Values (104,'编号',1,0,0,1)");
    ctx.Execute("Insert Into T单据格式 Values (104,'产地',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'存储条件',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'单项备注',1,1,1,1)");
    ctx.Execute("Insert Into T单据格式 Values (104,'调后差额',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'规格',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'进货均价',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'名称',1,0,0,1)");
    ctx.Execute("Insert Into T单据格式 Values (104,'批准文号',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'拼音简码',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'生产厂商',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'生产批号',0,0,0,1)");
    ctx.Execute("Insert Into T单据格式 Values (104,'适用症状',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'数量',1,1,0,1)");
    ctx.Execute("Insert Into T单据格式 Values (104,'现单价',1,1,0,1)");
    ctx.Execute("Insert Into T单据格式 Values (104,'药品单位',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'药品剂型',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'药品类型',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'药品有效期',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'药品注册证号',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'有效期至',0,0,0,0)");
    ctx.Execute("Insert Into T单据格式 Values (104,'原单价',0,1,0,1)");

    ctx.Execute("Insert Into T单据头格式 Values (104,0,'调价原因','调价原因[&1]：','C','S',0,0)");
    ctx.Execute("Insert Into T单据头格式 Values (104,1,'存放位置','存放位置[&2]：','C','S',0,0)");
    ctx.Execute("Insert Into T单据头格式 Values (104,2,'备注','备注[&4]：','I','S',1,1)");
    ctx.Execute("Insert Into T单据头格式 Values (104,5,'合计数量','合计数量：','N','N',1,1)");
    ctx.Execute("Insert Into T单据头格式 Values (104,6,'合计金额','合计差额：','N','E',1,1)");

    ctx.Execute("Insert Into T综合选项(编码,名称,类别) Values ('01','通用调价','调价原因')");
}

// The drug list in the shape of a document line: the line fields that the
// drug master has not, empty or zero, before every column of the drug.
void ReissueDocumentDrugView(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJXS药品卫材
AS
SELECT '' AS 生产批号, '' AS 灭菌日期, '' AS 有效期至, '' AS 生产日期, 0 AS 原单价, 0 AS 调后差额,
    T生产单位.名称 AS 生产厂商, '' AS 成本均价, '' AS 报损金额, T药品卫材.*
FROM T药品卫材 LEFT OUTER JOIN T生产单位 ON T药品卫材.生产商编号 = T生产单位.编号
)"));
}

// The movements of one drug in one store over a period.
void ReissueDrugMovements(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do药品变化明细 (@vStoreNo varchar(6), @vGoods varchar(6), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 10000 T药品变化明细.发生时间, T药品变化明细.业务类型,
    dbo.DoAddZero(T药品变化明细.单据编号, 10) AS 单据编号, T药品变化明细.药品编号,
    T药品卫材.名称 AS 药品名称, T药品变化明细.摘要, T药品变化明细.库存余量, T药品变化明细.库存余额,
    T员工档案.名称 AS 制单人, [T员工档案_1].名称 AS 审核人,
    CASE WHEN T药品变化明细.入库数量 > 0 THEN T药品变化明细.入库数量 ELSE NULL END AS 入库数量,
    CASE WHEN T药品变化明细.入库数量 < 0 THEN -T药品变化明细.入库数量 ELSE NULL END AS 出库数量
FROM T药品变化明细
    INNER JOIN T药品卫材 ON T药品变化明细.药品编号 = T药品卫材.编号
    INNER JOIN T员工档案 ON T药品变化明细.制单人 = T员工档案.编号
    INNER JOIN T员工档案 [T员工档案_1] ON T药品变化明细.审核人 = [T员工档案_1].编号
WHERE T药品变化明细.仓库编号 = @vStoreNo AND T药品变化明细.药品编号 = @vGoods
    AND T药品变化明细.发生时间 BETWEEN @vBegin AND @vEnd
ORDER BY T药品变化明细.发生时间
)
)"));
}

// The head and line tables of the cost-price adjustment document.
void CreatePriceAdjustmentTables(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D调价单] (
	[单据编号] [int] IDENTITY (1, 1) NOT FOR REPLICATION  NOT NULL ,
	[过单日期] [datetime] NULL ,
	[调价原因] [varchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
	[备注] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[状态] [char] (1) COLLATE Chinese_PRC_CI_AS NULL ,
	[合计数量] [numeric](9, 2) NULL ,
	[合计金额] [money] NULL ,
	[制单人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[审核人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[存放位置] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D调价数据] (
	[单据编号] [int] NOT NULL ,
	[编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
	[数量] [numeric](9, 2) NULL ,
	[生产批号] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
	[单项备注] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[原单价] [smallmoney] NULL ,
	[现单价] [smallmoney] NULL ,
	[行序] [smallint] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D调价单] WITH NOCHECK ADD 
	CONSTRAINT [DF_D调价单_过单日期] DEFAULT (getdate()) FOR [过单日期],
	CONSTRAINT [PK_D调价单] PRIMARY KEY  CLUSTERED 
	(
		[单据编号]
	)  ON [PRIMARY] 
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D调价数据] WITH NOCHECK ADD 
	CONSTRAINT [DF__D调价数据__行序__33807B34] DEFAULT (0) FOR [行序]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D调价单] ADD 
	CONSTRAINT [FK_D调价单_T库房药房] FOREIGN KEY 
	(
		[存放位置]
	) REFERENCES [dbo].[T库房药房] (
		[编号]
	),
	CONSTRAINT [FK_D调价单_T员工档案] FOREIGN KEY 
	(
		[制单人]
	) REFERENCES [dbo].[T员工档案] (
		[编号]
	),
	CONSTRAINT [FK_D调价单_T员工档案1] FOREIGN KEY 
	(
		[审核人]
	) REFERENCES [dbo].[T员工档案] (
		[编号]
	)
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D调价数据] ADD 
	CONSTRAINT [FK_D调价数据_D调价单] FOREIGN KEY 
	(
		[单据编号]
	) REFERENCES [dbo].[D调价单] (
		[单据编号]
	),
	CONSTRAINT [FK_D调价数据_T药品卫材] FOREIGN KEY 
	(
		[编号]
	) REFERENCES [dbo].[T药品卫材] (
		[编号]
	)
)"));
}

// Registrations in state N per day and per month, sorted by date.
void ReissueRegistrationTotals(StepContext& ctx) {
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do挂号汇总表_月报表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 1000 Year(过单时间) AS 年号, Month(过单时间) AS 月份, Day(过单时间) AS 日号,
    Count(*) AS 挂号次数, Sum(挂号金额) AS 合计金额
FROM D挂号列表
WHERE 状态 = 'N' AND 过单时间 BETWEEN @vBegin AND @vEnd AND (收款人 = @vKey OR @vKey = '00')
GROUP BY Year(过单时间), Month(过单时间), Day(过单时间)
ORDER BY Year(过单时间), Month(过单时间), Day(过单时间)
)
)"));
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do挂号汇总表_年报表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT TOP 1000 Year(过单时间) AS 年号, Month(过单时间) AS 月份,
    Count(*) AS 挂号次数, Sum(挂号金额) AS 合计金额
FROM D挂号列表
WHERE 状态 = 'N' AND 过单时间 BETWEEN @vBegin AND @vEnd AND (收款人 = @vKey OR @vKey = '00')
GROUP BY Year(过单时间), Month(过单时间)
ORDER BY Year(过单时间), Month(过单时间)
)
)"));
}

// The daily automatic charging of inpatients, which takes the place of
// QVRunSystem: bed fees of every stay admitted before today, then the recurring
// charges not yet charged today, each total also added to today's business log.
// The recurring total for the log is taken before the charges are posted:
// afterwards every one of them has a line of today and none would count.
void CreateAutoRun(StepContext& ctx) {
    ctx.Execute(Lines(R"(
If exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[QVRunSystem]') and OBJECTPROPERTY(id, N'IsProcedure') = 1)
drop procedure [dbo].[QVRunSystem]
)"));
    ctx.Execute(Lines(R"(
CREATE PROCEDURE dbo.QVAutoRun
AS
DECLARE @vToday datetime
DECLARE @dub自动记帐 money

Begin Tran

SET @vToday = Cast(Cast(Year(GetDate()) AS varchar(4)) + '-' + Cast(Month(GetDate()) AS varchar(2)) + '-'
    + Cast(Day(GetDate()) AS varchar(2)) AS datetime)

INSERT INTO D住院记帐列表 (住院编号, 费用明细, 单价, 数量, 处方医生, 处方科室, 核算科室, 操作员, 备注, 记帐方式, 金额)
SELECT A.编号, '0005', B.标准金额, 1, A.住院医师, A.当前科室, A.当前科室, '9999', '', '自动记帐', B.标准金额
FROM T床位档案 B, D住院档案 A
WHERE A.编号 = Abs(B.当前住院号) AND B.标准金额 > 0 AND A.出院效果 = '' AND A.入院时间 < @vToday

DECLARE @tab1 TABLE (当前住院号 int, 标准金额 smallmoney, 入院时间 datetime)
INSERT INTO @tab1 (当前住院号, 标准金额, 入院时间)
SELECT Abs(B.当前住院号), Sum(B.标准金额), A.入院时间
FROM T床位档案 B, D住院档案 A
WHERE B.当前住院号 <> 0 AND A.编号 = Abs(B.当前住院号) AND A.入院时间 < @vToday
GROUP BY Abs(B.当前住院号), A.入院时间

UPDATE D住院档案 SET 费用金额 = D住院档案.费用金额 + T.标准金额, 住院天数 = D住院档案.住院天数 + 1
FROM D住院档案, @tab1 T
WHERE D住院档案.编号 = T.当前住院号

UPDATE D经营日志列表 SET 住院记帐金额 = 住院记帐金额 + IsNull((SELECT Sum(标准金额) FROM @tab1), 0)
WHERE 序号 = dbo.GetNow()

UPDATE D住院档案 SET 费用金额 = D住院档案.费用金额 + S.合计金额
FROM D住院档案,
    (SELECT A1.住院编号, Sum(A1.单价 * A1.数量) AS 合计金额
     FROM D自动记帐列表 A1
     WHERE NOT EXISTS (SELECT * FROM D住院记帐列表 L
         WHERE L.住院编号 = A1.住院编号 AND L.费用明细 = A1.费用编号 AND L.记帐时间 > @vToday)
     GROUP BY A1.住院编号) S
WHERE D住院档案.编号 = S.住院编号

SELECT @dub自动记帐 = IsNull(Sum(A1.单价 * A1.数量), 0)
FROM D自动记帐列表 A1
WHERE NOT EXISTS (SELECT * FROM D住院记帐列表 L
    WHERE L.住院编号 = A1.住院编号 AND L.费用明细 = A1.费用编号 AND L.记帐时间 > @vToday)

INSERT INTO D住院记帐列表 (住院编号, 费用明细, 单价, 数量, 处方医生, 处方科室, 核算科室, 操作员, 备注, 记帐方式, 金额)
SELECT A.住院编号, A.费用编号, A.单价, A.数量, A.处方医生, A.处方科室, A.核算科室, '9999', '', '自动记帐', A.单价 * A.数量
FROM D自动记帐列表 A
WHERE NOT EXISTS (SELECT * FROM D住院记帐列表 L
    WHERE L.住院编号 = A.住院编号 AND L.费用明细 = A.费用编号 AND L.记帐时间 > @vToday)

UPDATE D经营日志列表 SET 住院记帐金额 = 住院记帐金额 + @dub自动记帐
WHERE 序号 = dbo.GetNow()

Commit
)"));
}

}  // namespace

void Update_29_To_30(StepContext& ctx) {
    CreateUpgradeLogTable(ctx);
    WriteReleaseHistory(ctx);

    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 挂号选医生 tinyint");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 挂号选科室 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 挂号选医生=1,挂号选科室=1");
    ctx.Execute("ALTER TABLE [dbo].[D挂号列表] DROP CONSTRAINT FK_D挂号列表_T科室档案");
    ctx.Execute("ALTER TABLE [dbo].[D挂号列表] DROP CONSTRAINT FK_D挂号列表_T员工档案");
    ReissueRegistrationLists(ctx);
    ctx.AddUpgradeLog(30, "增加挂号收费时可定义是否需要选择处方医生及科室的功能", "", "2004-8-30");
    ctx.AddUpgradeLog(30, "改进了挂号收费以及门诊收费的操作界面,使之更简单,更友好！", "", "2004-8-30");

    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 住院取整方式 tinyint");
    ctx.Execute("ALTER TABLE [dbo].[T医院资料] ADD 住院取整位置 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 住院取整方式=0,住院取整位置=0");
    ctx.AddUpgradeLog(30, "增加了住院处方划价时【每笔处方金额取整】的功能", "", "2004-8-31");
    ctx.AddUpgradeLog(30, "增加了处方划价时【总金额自动取整到伍角】的功能(选项)", "", "2004-8-31");

    PriceAdjustmentFormRows(ctx);
    ReissueDocumentDrugView(ctx);
    ReissueDrugMovements(ctx);
    CreatePriceAdjustmentTables(ctx);
    ctx.AddUpgradeLog(30, "增加了库存药品【成本调价】的功能", "", "2004-8-31");
    ctx.AddUpgradeLog(30, "增加了【统计报表 自动排序】的功能", "", "2004-9-1");

    ReissueRegistrationTotals(ctx);
    ctx.AddUpgradeLog(30, "增强了计算算法，在住院桌面查看病人明细清单的【速度提高了180%】！", "", "2004-9-2");
    ctx.AddUpgradeLog(30, "增加了门诊部和住院部可【互相调用科室及医生】的功能！", "", "2004-9-2");

    CreateAutoRun(ctx);
    ctx.Execute("Update F报表格式 Set 显示标题='编号' Where 表编号=20002 And 字段名称='收款人'");
    ctx.Execute("Update F报表格式 Set 显示标题='姓名' Where 表编号=20002 And 字段名称='名称'");
    ctx.AddUpgradeLog(30, "增加了【业务导航图】！", "", "2004-9-4");
    ctx.Execute("Insert Into T操作权限(编号,名称,所属分类,序号) Values (139,'允许使用导航图',70,110)");
    ctx.Execute(Lines(R"(
Update F报表格式 Set 对齐方式='R',统计结果=0 Where 表编号>=20001 And 数据类型='E'
Update F报表格式 Set 对齐方式='R' Where 表编号>=20001 And 数据类型='J'
)"));
}

}  // namespace quenvatrix::steps
