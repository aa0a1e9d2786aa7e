// Versions 136 to 139: stock-take sheets for the drug stores with their list
// window, the cost per unit of every stock row, two print fields of the
// outpatient invoice, the permission tree rebuilt for the modules of this era,
// the option lists of the case-record front page, and the inpatient payments
// report over live and archived stays.

#include <initializer_list>
#include <string>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

namespace {

using rows::PermissionRow;
using rows::RenamePermission;

struct Permission {
    int id;
    const char* name;
};

void Rename(StepContext& ctx, std::initializer_list<Permission> permissions) {
    for (const Permission& p : permissions) ctx.Execute(RenamePermission(p.id, p.name));
}

void Insert(StepContext& ctx, int parent, int order, std::initializer_list<Permission> permissions) {
    for (const Permission& p : permissions) ctx.Execute(PermissionRow(p.id, p.name, parent, order));
}

}  // namespace

void Update_136_To_137(StepContext& ctx) {
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D盘点明细表] (
    [盘点序号] [int] NULL ,
    [仓库编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [药品编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
    [生产批号] [varchar] (15) COLLATE Chinese_PRC_CI_AS NULL ,
    [实存数量] [numeric](18, 4) NULL ,
    [备注] [nvarchar] (50) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[D盘点表列表] (
    [盘点序号] [int] IDENTITY (1, 1) NOT NULL ,
    [盘点表名称] [nvarchar] (60) COLLATE Chinese_PRC_CI_AS NULL ,
    [类型] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,
    [建表时间] [datetime] NULL ,
    [状态] [nvarchar] (3) COLLATE Chinese_PRC_CI_AS NULL ,
    [建表人] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL
) ON [PRIMARY]
)"));
    // The key and default carry the sheet table's first name, 盘点报表.
    ctx.Execute(Lines(R"(
ALTER TABLE [dbo].[D盘点表列表] WITH NOCHECK ADD
    CONSTRAINT [DF_D盘点报表_建表时间] DEFAULT (getdate()) FOR [建表时间],
    CONSTRAINT [PK_D盘点报表] PRIMARY KEY CLUSTERED
    (
        [盘点序号]
    ) ON [PRIMARY]
)"));
    ctx.Execute(rows::BareReportRow(347, "盘点表列表"));
    ctx.Execute(rows::ShortColumnRow(347, "盘点序号", 0, "S", -1));
    ctx.Execute(rows::ShortColumnRow(347, "类型", 2, "S", -1));
    ctx.Execute(rows::ShortColumnRow(347, "状态", 3, "S", -1));
    ctx.Execute(rows::ShortColumnRow(347, "盘点表名称", 1, "S", -1));
    ctx.Execute(rows::ShortColumnRow(347, "建表时间", 4, "S", -1));
}

void Update_137_To_138(StepContext& ctx) {
    // 1. Key columns of reports 315, 341, 344 and 347 are required and shown.
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=315 AND 字段名称='编号'");
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=315 AND 字段名称='名称'");
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=341 AND 字段名称='编码'");
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=341 AND 字段名称='名称'");
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0,序号=-999 WHERE 表编号=344 AND 字段名称='流水序号'");
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=344 AND 字段名称='病案编号'");
    ctx.Execute("UPDATE F报表格式 SET 此列必选=1,此列屏蔽=0 WHERE 表编号=347 AND 字段名称='盘点序号'");

    // 2.
    ctx.Execute("ALTER TABLE D盘点明细表 ALTER COLUMN 药品编号 varchar(5) NULL");

    // 3. The cost of one unit of every stock row, rows without stock included.
    ctx.Execute("ALTER TABLE T库存药品 ADD 库存成本 numeric(18,4)");
    ctx.Execute("UPDATE T库存药品 SET 库存成本=dbo.DoDev(库存数量,库存总额)");

    // 4. Print fields of the outpatient invoice.
    ctx.Execute(rows::PrintFieldRow(305, "每页小计"));
    ctx.Execute(rows::PrintFieldRow(305, "连票页码"));

    // 5. The permission tree.
    Rename(ctx, {{12, "查看往来单位资料"},
                 {13, "管理往来单位资料"},
                 {18, "查看人事档案资料"},
                 {19, "管理人事档案资料"},
                 {100, "查看住院项目分类资料"},
                 {101, "管理住院项目分类资料"},
                 {76, "查看住院项目明细资料"},
                 {77, "管理住院项目明细资料"},
                 {26, "查看库房药房资料"},
                 {27, "管理库房药房资料"},
                 {142, "查看电子病历"},
                 {143, "新建电子病历"},
                 {144, "修改电子病历"},
                 {145, "删除电子病历"}});
    ctx.Execute(PermissionRow(158, "查看核算汇总科目资料", 1, 110));
    ctx.Execute(PermissionRow(159, "管理核算汇总科目资料", 1, 111));
    ctx.Execute(PermissionRow(160, "设计电子病历", 1, 112));
    Rename(ctx, {{99, "查看门诊收费列表"}, {41, "作废门诊收费单据"}});
    Insert(ctx, 2, 112, {{161, "门诊收费明细列表"}});
    Rename(ctx, {{79, "护理中心"}});
    // 88 and 112 are numbered again below as new top categories: their grants
    // go first, so that no role holds a new category it was never given.
    ctx.Execute("DELETE FROM D角色权限 WHERE 权限编号 IN (112,88)");
    ctx.Execute("DELETE FROM T操作权限 WHERE 编号 IN (112,88,109,150,151,42,43,154,155,156,157,63,133)");
    Rename(ctx, {{113, "记帐项目冲帐"},
                 {83, "新建病人转科转床"},
                 {84, "新建病人交款"},
                 {87, "病人结算列表"},
                 {86, "新建病人结算"},
                 {108, "住院病人反结算"},
                 {114, "出院结算"},
                 {128, "非正常结算"}});
    Insert(ctx, 5, 112,
           {{262, "病人转科转床列表"},
            {263, "查询病人交款列表"},
            {264, "查询病人退款列表"},
            {265, "新建病人退款"},
            {266, "查看住院病历"},
            {267, "新建住院病历"},
            {268, "修改住院病历"},
            {269, "删除住院病历"}});
    Insert(ctx, 4, 112,
           {{162, "门诊处方作废"},
            {163, "住院处方作废"},
            {164, "住院病区领药查看"},
            {165, "住院病区领药下帐"},
            {167, "住院处方汇总打印"}});
    Rename(ctx, {{52, "到期药品统计"}, {53, "药品缺货统计"}, {57, "库存分析查询"}});
    Insert(ctx, 3, 112,
           {{168, "查看库存盘点列表"},
            {169, "新建库存盘点表"},
            {170, "修改库存盘点表"},
            {171, "删除库存盘点表"},
            {172, "结转库存盘点"}});
    Insert(ctx, 0, 112, {{112, "医生医技站"}});
    Insert(ctx, 112, 112,
           {{173, "社区病史查询"},
            {174, "门诊医生工作站"},
            {175, "删除门诊病人档案"},
            {176, "住院医生工作站"},
            {177, "医技科室工作站"}});
    Insert(ctx, 141, 0, {{178, "ICD档案"}});
    Insert(ctx, 141, 1,
           {{179, "手术编码"},
            {180, "病案首页"},
            {181, "新建病案"},
            {182, "修改病案"},
            {183, "查询病案"},
            {184, "病案检索"},
            {185, "病案归档"},
            {186, "属性设置"},
            {187, "查询首页"},
            {188, "查询借出列表"},
            {189, "新建借出单"},
            {190, "查询借出归还列表"},
            {191, "新建借出还回单"},
            {192, "查询挂失销毁列表"},
            {193, "新建挂失销毁单"},
            {194, "病案流通查询表"}});
    Rename(ctx, {{126, "物资库存分析"}});
    Insert(ctx, 0, 1, {{88, "增强运用"}});
    Insert(ctx, 88, 1,
           {{195, "物资库存盘点"},
            {196, "门诊项目优惠管理"},
            {197, "门诊药费优惠管理"},
            {198, "导医系统查询"},
            {207, "新农接口查询表"},
            {208, "导出新农数据"},
            {209, "查看医保接口参数"},
            {210, "修改医保接口参数"},
            {211, "医保病人修改密码"},
            {212, "住院项目上传"},
            {213, "项目上传核对"}});
    Insert(ctx, 6, 1,
           {{214, "查看员工持款表"}, {259, "查询药品开单表"}, {260, "查询全院收入表"}, {261, "扩展报表管理"}});

    // 6. Order of the top categories.
    struct Position {
        int id;
        int order;
    };
    for (const Position p : {Position{1, 0}, Position{2, 1}, Position{5, 2}, Position{4, 3}, Position{3, 4},
                             Position{115, 5}, Position{88, 6}, Position{112, 7}, Position{141, 8}, Position{6, 9},
                             Position{7, 10}, Position{70, 11}}) {
        ctx.Execute("UPDATE T操作权限 SET 序号=" + std::to_string(p.order) + " WHERE 编号=" + std::to_string(p.id));
    }
}

void Update_138_To_139(StepContext& ctx) {
    // Stock-take lines hold the gain or loss, not the counted quantity.
    ctx.Execute("ALTER TABLE D盘点明细表 DROP COLUMN 实存数量");
    ctx.Execute("ALTER TABLE D盘点明细表 ADD 盈亏数量 numeric(18,4)");

    // Choices of the case-record front page.
    struct List {
        const char* category;
        std::initializer_list<const char*> names;
    };
    const List lists[] = {
        {"联系人", {"父亲", "母亲", "哥哥", "姐姐", "儿子", "其它"}},
        {"付款方式", {"社会基本医疗保险", "公费医疗", "大病统筹", "商业保险", "自费医疗", "其他"}},
        {"切口等级", {"I", "II", "III"}},
        {"愈合情况", {"甲", "乙", "丙"}},
        {"病案类型", {"普通", "疑难"}},
        {"国籍", {"中国"}},
    };
    for (const List& list : lists) {
        int code = 0;
        for (const char* name : list.names) {
            ++code;
            ctx.Execute(std::string("INSERT INTO T综合选项 (编码,名称,类别,内置) VALUES ('0") + std::to_string(code) +
                        "','" + name + "','" + list.category + "',0)");
        }
    }
}

void Update_139_To_140(StepContext& ctx) {
    ctx.Execute("DELETE FROM T操作权限 WHERE 编号=263");
    ctx.Execute(Lines(R"(
ALTER FUNCTION dbo.Do住院收款列表 (@vKey varchar(4), @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT dbo.DoAddZero(S.住院编号, 10) AS 住院编号, SK.名称 AS 收费科室, HK.名称 AS 核算科室, P.名称 AS 付款方式,
    dbo.DoAddZero(S.编号, 10) AS 编号, S.收款时间, Y.名称 AS 收款人, S.收款金额, S.备注,
    DA.名称 AS 病人姓名, DA.性别, DK.名称 AS 当前科室, CW.名称 AS 当前床位, DA.入院时间
FROM dbo.D住院收费列表 S
    INNER JOIN dbo.T科室档案 SK ON S.收费科室 = SK.编号
    INNER JOIN dbo.T科室档案 HK ON S.核算科室 = HK.编号
    INNER JOIN dbo.T付款方式 P ON S.付款方式 = P.编号
    INNER JOIN dbo.T员工档案 Y ON S.收款人 = Y.编号
    INNER JOIN dbo.ALL住院档案 DA ON S.住院编号 = DA.编号
    INNER JOIN dbo.T科室档案 DK ON DA.当前科室 = DK.编号
    INNER JOIN dbo.T床位档案 CW ON DA.当前床位 = CW.编号
        AND (Y.编号 = @vKey OR @vKey = '00') AND S.收款时间 BETWEEN @vBegin AND @vEnd
)
)"));
}

}  // namespace quenvatrix::steps
