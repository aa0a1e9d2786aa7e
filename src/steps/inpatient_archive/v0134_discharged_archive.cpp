// Version 134: the archive of discharged inpatients. Four archive twins take
// the column lists of the live inpatient tables, and every discharged stay
// moves into them with its charge lines and prescriptions. The same step brings
// the cashier's holding ledger, write-off and member-discount flags, amounts
// before discount and the reports 341 and 342.
#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::ShortColumnRow;

namespace {

// A column of reports 341 and 342 whose caption is its field name.
struct Column {
    const char* field;
    int order;
    const char* type;
    int total;
};

void Reports(StepContext& ctx) {
    // 1. Reports 341 and 342 with their columns.
    ctx.Execute("INSERT INTO F报表列表 (编号,名称,模式) VALUES (341,'门诊支付汇总表','N')");
    const Column kColumns341[] = {
        {"编码", -1, "S", -1}, {"名称", 0, "S", 0},     {"合计金额", 1, "E", 0}, {"帐户支付", 2, "E", 0},
        {"优惠金额", 3, "E", 0}, {"现金支付", 5, "E", 0}, {"会员支付", 6, "E", 0},
    };
    for (const Column& c : kColumns341) ctx.Execute(ShortColumnRow(341, c.field, c.order, c.type, c.total));
    ctx.Execute(
        "INSERT INTO F报表列表 (编号,名称,模式,备注,strSQL,状态,隶属分类,制表人,制表日期,数据源,数据源类型,主键标题,"
        "主键查询,序号,默认时段,查询条件) VALUES (342,'已下帐处方汇总表『处方科室』','N',' ',' ','U',6,'系统管理员',"
        "'2004-1-15','','','汇总范围：','Select ''门诊'' As 名称 Union Select ''住院'' As 名称',8,'D',' ')");
    const Column kColumns342[] = {
        {"编码", -1, "S", -1},   {"名称", 2, "S", -1},    {"处方毛利", 3, "E", 0},
        {"处方金额", 4, "E", 0}, {"处方次数", 5, "N", 0}, {"科室类别", 6, "S", -1},
    };
    for (const Column& c : kColumns342) ctx.Execute(ShortColumnRow(342, c.field, c.order, c.type, c.total));

    // 2. Reports 217, 218 and 269 summarise outpatient or inpatient by choice.
    for (const char* report : {"217", "218", "269"}) {
        ctx.Execute(std::string("UPDATE F报表列表 SET 主键标题='汇总范围：',主键查询='Select ''门诊'' As 名称 Union "
                                "Select ''住院'' As 名称' WHERE 编号=") +
                    report);
        ctx.Execute(std::string("UPDATE F报表格式 SET 字段名称='编码',显示标题='编码' WHERE 表编号=") + report +
                    " AND 字段名称='编号'");
    }
}

void CashierLedger(StepContext& ctx) {
    // 7. The money each cashier holds per collection day.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D员工持款列表] (
    [流水序号] [int] IDENTITY (1, 1) NOT NULL ,
    [员工编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [收款日期] [datetime] NULL ,
    [累计持款额] [money] NULL ,
    [累计交款额] [money] NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D员工持款列表] WITH NOCHECK ADD
    CONSTRAINT [DF_D员工持款列表_累计持款额] DEFAULT (0) FOR [累计持款额],
    CONSTRAINT [DF_D员工持款列表_累计交款额] DEFAULT (0) FOR [累计交款额],
    CONSTRAINT [PK_D员工持款列表] PRIMARY KEY CLUSTERED
    (
        [流水序号]
    ) ON [PRIMARY]
)"));

    // 8. What the cashiers hold today.
    ctx.Execute(Lines(R"(
INSERT INTO D员工持款列表 (员工编号, 收款日期, 累计持款额)
SELECT 编号, CONVERT(datetime, CONVERT(varchar(4), YEAR(GETDATE())) + '-' + CONVERT(varchar(2), MONTH(GETDATE()))
    + '-' + CONVERT(varchar(2), DAY(GETDATE()))), 暂存金额
FROM T员工档案
WHERE 暂存金额 <> 0
)"));

    // 9. Staff who have ever taken money.
    ctx.Execute("ALTER TABLE T员工档案 ADD 曾收款 bit DEFAULT 0");
    ctx.Execute(
        "UPDATE T员工档案 SET 曾收款=1 FROM T员工档案 INNER JOIN (SELECT DISTINCT 操作员 FROM D现金流水列表) X "
        "ON T员工档案.编号=X.操作员");

    // 10. Holding date of a hand-over.
    ctx.Execute("ALTER TABLE D员工交款列表 ADD 持款日期 datetime");
    ctx.Execute("UPDATE D员工交款列表 SET 持款日期=交款时间");

    // 11. Report 238 lists hand-overs per holding cashier.
    ctx.Execute("UPDATE F报表格式 SET 字段名称='持款员工',显示标题='持款员工' WHERE 表编号=238 AND 字段名称='交款人'");
    ctx.Execute(
        "UPDATE F报表列表 SET 主键标题='持款员工：',主键查询='Select 编号,名称 From T员工档案 Where 曾收款=1' "
        "WHERE 编号=238");
    ctx.Execute(
        "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (238,'持款日期','持款日期',1111,"
        "'S',-1)");
}

// 12. Discharged stays move into the archive twins. The twins' columns follow
// the live tables position by position, since rows arrive by SELECT *. The
// move runs in one transaction: a failure between a copy and its delete would
// otherwise leave rows in both halves of the union views.
void MoveDischargedStays(StepContext& ctx) {
    ctx.BeginTrans();
    ctx.SetInTrans(true);

    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[OLD住院记帐列表] (
    [序号] [int] NOT NULL ,
    [住院编号] [int] NULL ,
    [记帐时间] [smalldatetime] NULL ,
    [费用明细] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [单价] [money] NULL ,
    [数量] [real] NULL ,
    [处方医生] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [处方科室] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [核算科室] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [操作员] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [备注] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
    [记帐方式] [nchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [金额] [money] NULL ,
    [作废] [bit] NULL ,
    [已交款36] [bit] NULL ,
    [收款人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [收款时间] [datetime] NULL ,
    [结算编号] [int] NULL ,
    [退回数量] [numeric](18, 4) NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
INSERT INTO OLD住院记帐列表
SELECT D住院记帐列表.*
FROM D住院记帐列表 INNER JOIN D住院档案 ON D住院记帐列表.住院编号 = D住院档案.编号
WHERE D住院档案.出院效果 <> ''
)"));
    ctx.Execute(Lines(R"(
DELETE D住院记帐列表
FROM D住院记帐列表 INNER JOIN D住院档案 ON D住院记帐列表.住院编号 = D住院档案.编号
WHERE D住院档案.出院效果 <> ''
)"));

    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[OLD住院档案] (
    [编号] [int] NOT NULL ,
    [名称] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [性别] [nchar] (1) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [出生日期] [smalldatetime] NOT NULL ,
    [年龄] [tinyint] NULL ,
    [身份证号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [所在单位] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [入院时间] [smalldatetime] NOT NULL ,
    [入院科室] [varchar] (4) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [入院床位] [varchar] (4) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [入院方式] [nvarchar] (4) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [入院病情] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [病情诊断] [nvarchar] (40) COLLATE Chinese_PRC_CI_AS NULL ,
    [婚姻状况] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [在职情况] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [职业] [nvarchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [民族] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [户口地址] [nvarchar] (40) COLLATE Chinese_PRC_CI_AS NULL ,
    [电话] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
    [邮编] [varchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [关系] [nvarchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人地址] [nvarchar] (40) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人电话] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
    [联系人邮编] [varchar] (6) COLLATE Chinese_PRC_CI_AS NULL ,
    [住院医师] [varchar] (4) COLLATE Chinese_PRC_CI_AS NOT NULL ,
    [出院时间] [smalldatetime] NULL ,
    [入院备注] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [出院效果] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [门诊医师] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [预交金额] [money] NULL ,
    [当前科室] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [当前床位] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [费用金额] [money] NULL ,
    [出院备注] [nvarchar] (200) COLLATE Chinese_PRC_CI_AS NULL ,
    [住院总额] [money] NULL ,
    [头像编号] [smallint] NULL ,
    [住院天数] [smallint] NULL ,
    [已结帐] [bit] NULL ,
    [已审核] [bit] NULL ,
    [入院经办人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [费用类型] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
    [报销金额] [money] NULL ,
    [病历编号] [varchar] (8) COLLATE Chinese_PRC_CI_AS NULL ,
    [家庭帐户] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
    [人员编号] [smallint] NULL ,
    [临时医师] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [就诊顺序号] [varchar] (20) COLLATE Chinese_PRC_CI_AS NULL ,
    [起付标准] [money] NULL ,
    [自付比例] [real] NULL ,
    [公务员比例] [real] NULL ,
    [工龄] [real] NULL ,
    [社保资料1] [nvarchar] (256) COLLATE Chinese_PRC_CI_AS NULL ,
    [社保资料2] [nvarchar] (256) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute("INSERT INTO OLD住院档案 SELECT * FROM D住院档案 WHERE 出院效果 <> ''");
    ctx.Execute("DELETE FROM D住院档案 WHERE 出院效果 <> ''");

    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[OLD住院划价单] (
    [序号] [int] NOT NULL ,
    [药房] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [住院编号] [int] NOT NULL ,
    [处方医生] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [处方科室] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [合计金额] [money] NULL ,
    [制单人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [发药人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [过单时间] [smalldatetime] NULL ,
    [状态] [char] (1) COLLATE Chinese_PRC_CI_AS NULL ,
    [出库时间] [smalldatetime] NULL ,
    [备注] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL ,
    [作废] [bit] NULL ,
    [退回金额] [money] NULL ,
    [结算编号] [int] NULL ,
    [批打否] [bit] NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[OLD住院划价数据] (
    [序号] [int] NULL ,
    [药品编号] [varchar] (5) COLLATE Chinese_PRC_CI_AS NULL ,
    [单价] [money] NULL ,
    [数量] [numeric](18, 5) NULL ,
    [退回数量] [numeric](18, 5) NULL ,
    [入库均价] [money] NULL ,
    [生产批号] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
    [使用说明] [nvarchar] (60) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
INSERT INTO OLD住院划价数据
SELECT D住院划价数据.*
FROM D住院划价数据
    INNER JOIN D住院划价单 ON D住院划价数据.序号 = D住院划价单.序号
    INNER JOIN OLD住院档案 ON D住院划价单.住院编号 = OLD住院档案.编号
WHERE OLD住院档案.出院效果 <> ''
)"));
    ctx.Execute(Lines(R"(
DELETE D住院划价数据
FROM D住院划价数据
    INNER JOIN D住院划价单 ON D住院划价数据.序号 = D住院划价单.序号
    INNER JOIN OLD住院档案 ON D住院划价单.住院编号 = OLD住院档案.编号
WHERE OLD住院档案.出院效果 <> ''
)"));
    ctx.Execute(Lines(R"(
INSERT INTO OLD住院划价单
SELECT D住院划价单.*
FROM D住院划价单 INNER JOIN OLD住院档案 ON D住院划价单.住院编号 = OLD住院档案.编号
WHERE OLD住院档案.出院效果 <> ''
)"));
    ctx.Execute(Lines(R"(
DELETE D住院划价单
FROM D住院划价单 INNER JOIN OLD住院档案 ON D住院划价单.住院编号 = OLD住院档案.编号
WHERE OLD住院档案.出院效果 <> ''
)"));

    ctx.CommitTrans();
    ctx.SetInTrans(false);
}

}  // namespace

void Update_134_To_135(StepContext& ctx) {
    Reports(ctx);

    // 3. Written-off outpatient bill lines.
    ctx.Execute("ALTER TABLE D门诊收费数据 ADD 已冲销 bit DEFAULT 0");
    ctx.Execute("UPDATE D门诊收费数据 SET 已冲销=0");
    ctx.Execute("UPDATE D门诊收费数据 SET 已冲销=1 WHERE 状态='D'");

    // 4. Member discounts on items and drugs.
    ctx.Execute("ALTER TABLE T优惠设置 ADD XM会员有效 bit");
    ctx.Execute("ALTER TABLE T优惠设置 ADD YF会员有效 bit");
    ctx.Execute("UPDATE T优惠设置 SET XM会员有效=0,YF会员有效=0");

    // 5. Drug retail-price mode.
    ctx.Execute("ALTER TABLE T医院资料 ADD 药品零价方式 tinyint");
    ctx.Execute("UPDATE T医院资料 SET 药品零价方式=0");

    // 6. Amounts before discount on outpatient prescriptions.
    ctx.Execute("ALTER TABLE D划价单 ADD 折前金额 money");
    ctx.Execute("UPDATE D划价单 SET 折前金额=合计金额");
    ctx.Execute("ALTER TABLE D划价数据 ADD 折前单价 money");
    ctx.Execute("UPDATE D划价数据 SET 折前单价=单价");

    CashierLedger(ctx);
    MoveDischargedStays(ctx);
}

}  // namespace quenvatrix::steps
