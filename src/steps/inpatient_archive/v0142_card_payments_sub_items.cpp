// Versions 142 to 146: payments made with a medical-insurance card, the latest
// stock-in cost of a drug, the stock-take detail report, report scope and
// period per role, the hospital-wide drug-return report, and the sub-items of
// outpatient and inpatient charge items.

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::PrintFieldRowNoSpace;
using rows::ReportColumnValuesNoSpace;
using rows::ShortColumnValuesNoSpace;

void Update_142_To_143(StepContext& ctx) {
    // The constraints carry the name YB刷卡列表, not the table's own name.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[Y医保刷卡列表] (
	[刷卡序号] [int] IDENTITY (1, 1) NOT NULL ,
	[个人编码] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[姓名] [nvarchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
	[性别] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
	[身份号码] [varchar] (18) COLLATE Chinese_PRC_CI_AS NULL ,
	[支付前余额] [money] NULL ,
	[支付金额] [money] NULL ,
	[支付后余额] [money] NULL ,
	[门诊流水] [int] NULL ,
	[操作员] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[发生时间] [datetime] NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[Y医保刷卡列表] WITH NOCHECK ADD 
	CONSTRAINT [DF_YB刷卡列表_门诊流水] DEFAULT (0) FOR [门诊流水],
	CONSTRAINT [DF_YB刷卡列表_发生时间] DEFAULT (getdate()) FOR [发生时间],
	CONSTRAINT [PK_YB刷卡列表] PRIMARY KEY  CLUSTERED 
	(
		[刷卡序号]
	)  ON [PRIMARY] 
)"));
}

void Update_143_To_144(StepContext& ctx) {
    ctx.Execute("ALTER TABLE T药品卫材 ADD 最近入库成本 money DEFAULT 0");
    ctx.Execute("UPDATE T药品卫材 SET 最近入库成本=0");

    // Document form 101: the cost is a line field, hidden in the grid.
    ctx.Execute("INSERT INTO T单据格式(表编号,字段名称,待输入,直接录入,允许为空,待保存) VALUES (101,'最近入库成本',0,0,0,0)");
    ctx.Execute(ReportColumnValuesNoSpace("101,'最近入库成本','最近入库成本',12,1,1005,'L',0,'S',-1,'C'"));

    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ药品卫材
AS
SELECT P.名称 AS 生产厂商, P.联系地址 AS 生产企业地址, 0 AS 销售金额, 0 AS 会员销售金额, Y.编号, Y.所属类,
    Y.生产商编号, Y.名称, Y.拼音简码, Y.规格, Y.药品类型, Y.库存最低数量, Y.药品注册证号, Y.批准文号, Y.适用症状,
    Y.药品剂型, Y.产地, Y.存储条件, Y.药品有效期, Y.备注, Y.编码, Y.药品单位, Y.有效状态, Y.库存最高数量,
    Y.允许欠费, Y.五笔简码, Y.保险类别, Y.零售价格, Y.医保编码, Y.批售单价, Y.辅助单位,
    '1' + Y.辅助单位 + '=' + CAST(Y.换算关系 AS varchar) + Y.药品单位 AS 换算关系, Y.换算关系 AS 换算比例,
    Y.会员售价, Y.军人药品, Y.新农编码, Y.最近入库成本
FROM dbo.T药品卫材 Y
    LEFT OUTER JOIN dbo.T生产单位 P ON Y.生产商编号 = P.编号
)"));

    // Report 349, the stock-take detail report.
    ctx.Execute("INSERT INTO F报表列表(编号,名称,模式) VALUES (349,'库存盘点明细表','N')");
    ctx.Execute(ShortColumnValuesNoSpace("349,'药品名称','药品名称',1,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'规格','规格',2,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'生产单位','生产单位',3,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'生产批号','生产批号',4,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'库存数量','库存数量',5,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'实存数量','实存数量',6,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'盘盈数量','盘盈数量',7,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'盘亏数量','盘亏数量',8,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'盈亏成本金额','盈亏成本金额',9,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'盈亏零售金额','盈亏零售金额',10,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'成本均价','成本均价',11,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'零售成本','零售成本',12,'S',-1"));
    ctx.Execute(ShortColumnValuesNoSpace("349,'药品编号','药品编号',13,'S',-1"));

    ctx.Execute(PrintFieldRowNoSpace(349, "存放位置"));
    ctx.Execute(PrintFieldRowNoSpace(101, "客商单位"));
}

void Update_144_To_145(StepContext& ctx) {
    // The grants of the two removed permissions stay as they are.
    ctx.Execute("DELETE FROM T操作权限 WHERE 编号 IN (7,40)");
    ctx.Execute("UPDATE T操作权限 SET 名称='财务/报表' WHERE 编号=6");
    ctx.Execute("ALTER TABLE D角色档案 ADD 报表范围 nvarchar(10) DEFAULT '全部范围'");
    ctx.Execute("ALTER TABLE D角色档案 ADD 报表时段 nvarchar(10) DEFAULT '全部时段'");
    ctx.Execute("UPDATE D角色档案 SET 报表范围='全部范围',报表时段='全部时段'");
}

void Update_145_To_146(StepContext& ctx) {
    // Report 350; its key picker offers the two sources by name only.
    ctx.Execute(rows::ReportValuesNoSpace(
        "350,'全院退药统计表','N',' ',' ','U',6,'系统管理员','2004-1-15','','','退单来源：',"
        "'Select ''门诊'' As 名称 Union Select ''住院'' As 名称',8,'D',' '"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'序号','序号',-2,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'退药时间','退药时间',-1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'操作员','操作员',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'药品名称','药品名称',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'划价数量','划价数量',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'退回数量','退回数量',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'退药金额','退药金额',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'单价','单价',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'病人姓名','病人姓名',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'住院编号','住院编号',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'当前床位','当前床位',1,0,1005,'L',1,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("350,'退单来源','退单来源',1,0,1005,'L',1,'S',-1,'C'"));

    // The outpatient invoice layout: the page subtotal in capital numerals.
    ctx.Execute(PrintFieldRowNoSpace(305, "每页小计大写"));
}

void Update_146_To_147(StepContext& ctx) {
    // 1. Insurance class in lists 260, 279 and 259; three columns leave list 260.
    ctx.Execute(ReportColumnValuesNoSpace("260,'保险类别','保险类别',200,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("279,'保险类别','保险类别',200,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("259,'保险类别','保险类别',200,0,1000,'L',0,'S',-1,'C'"));
    ctx.Execute("DELETE FROM F报表格式 WHERE 表编号=260 AND 字段名称 IN ('名称','性别','住院编号')");

    // 2. Per operator: show the details in a bill.
    ctx.Execute("ALTER TABLE T员工档案 ADD 清单显示明细 bit DEFAULT 0");
    ctx.Execute("UPDATE T员工档案 SET 清单显示明细=0");

    // 3.
    ctx.Execute(ReportColumnValuesNoSpace("28,'医保编码','医保编码',200,0,1000,'L',0,'S',-1,'C'"));

    // 4. Sub-items of outpatient charge items.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T门诊项目子项] (
	[隶属项目] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[子项编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[数量] [numeric](18, 4) NULL 
) ON [PRIMARY]
)"));
    ctx.Execute("ALTER TABLE T门诊项目 ADD 替换子项 bit DEFAULT 0");
    ctx.Execute("UPDATE T门诊项目 SET 替换子项=0");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊划价列表
AS
SELECT 编号, 名称, 规格说明, 拼音简码, 五笔简码, '项目' AS 项目类型, 打印名称, 医保编码, 计量单位 AS 单位, 同票项目,
    CASE WHEN 替换子项 = 1 THEN 1 ELSE 0 END AS 替换子项
FROM dbo.T门诊项目
WHERE 有效状态 = '可用'
)"));

    // 5. Sub-items of inpatient charge items.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T住院项目子项] (
	[隶属项目] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[子项编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[数量] [numeric](18, 4) NULL 
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT M.编号, M.名称, M.拼音简码, M.收费方式, M.有效状态, M.计量单位, M.规格说明, M.所属类, M.五笔简码, M.备注,
    M.编码, M.同票项目, M.标准金额, M.优惠金额, M.打印名称, M.会员金额, K.名称 AS 核算科室, H.名称 AS 汇总科目,
    M.核算科室 AS 核算科室编号, M.医保编码, M.替换子项
FROM dbo.T门诊项目 M
    LEFT OUTER JOIN dbo.T科室档案 K ON M.核算科室 = K.编号
    LEFT JOIN dbo.T汇总科目 H ON M.汇总科目 = H.编号
)"));
    ctx.Execute("ALTER TABLE T住院项目 ADD 替换子项 bit DEFAULT 0");
    ctx.Execute("UPDATE T住院项目 SET 替换子项=0");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT A.编号, A.名称, A.拼音简码, A.所属类型, A.所属类, A.收费方式, A.标准金额, A.计量单位, A.规格说明, A.允许欠费,
    A.备注, A.有效状态, A.编码, A.五笔简码, A.保险报销, A.会员价格, B.名称 AS 汇总科目, A.保险类别, K.名称 AS 核算科室,
    A.新农编码, A.新农分类, A.医保编码, A.自付系数, A.替换子项
FROM dbo.T住院项目 A
    LEFT JOIN dbo.T汇总科目 B ON A.汇总科目 = B.编号
    LEFT JOIN dbo.T科室档案 K ON A.核算科室 = K.编号
)"));
}

}  // namespace quenvatrix::steps
