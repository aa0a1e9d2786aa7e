// Version 86: income summary subjects, who took the payment of an inpatient
// charge line, the hospital's income items by six reporting dimensions, and
// the thirty cross-tab income reports (one per ordered pair of dimensions).

#include <string>
#include <string_view>

#include "frame/sql_text.h"
#include "frame/step_context.h"
#include "steps/catalogue_rows.h"

namespace quenvatrix::steps {

using rows::ReportColumnValuesNoSpace;

namespace {

// A reporting dimension: its digit in the report number, its name, and the
// master table whose rows become member columns (none for the months).
struct Dimension {
    int digit;
    std::string_view name;
    std::string_view members;
};

constexpr Dimension kDimensions[] = {
    {1, "汇总科目", "T汇总科目"}, {2, "处方医生", "T员工档案"}, {3, "处方科室", "T科室档案"},
    {4, "核算科室", "T科室档案"}, {5, "收款人", "T员工档案"},   {6, "月份", ""},
};

constexpr std::string_view kMonthNames[12] = {"一月", "二月", "三月", "四月", "五月",   "六月",
                                              "七月", "八月", "九月", "十月", "十一月", "十二月"};

// Columns of a cross-tab report: 此列屏蔽, 显示长度 and 表头对齐 stay NULL.
constexpr std::string_view kCrossTabColumn =
    "INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,此列必选,数据类型,统计结果,对齐方式) ";

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

int ReportNumber(const Dimension& row, const Dimension& column) { return 21000 + 10 * row.digit + column.digit; }

std::string CrossTabValues(int report, std::string_view values) {
    return std::string(kCrossTabColumn) + "VALUES (" + std::to_string(report) + "," + std::string(values) + ")";
}

// Every cross-tab report's columns, in ascending report number: the four fixed
// columns, then one amount column per member of the column dimension.
void InsertCrossTabColumns(StepContext& ctx) {
    for (const Dimension& row : kDimensions) {
        for (const Dimension& column : kDimensions) {
            if (row.digit == column.digit) continue;
            const int report = ReportNumber(row, column);
            ctx.Execute(CrossTabValues(report, "'编号','编号',-10,1,'S',-1,'L'"));
            ctx.Execute(CrossTabValues(report, "'名称','名称',-8,1,'S',-1,'L'"));
            ctx.Execute(CrossTabValues(report, "'合计次数','合计次数',2,1,'N',0,'R'"));
            ctx.Execute(CrossTabValues(report, "'合计金额','合计金额',3,1,'E',0,'R'"));
            if (column.members.empty()) {
                for (int month = 1; month <= 12; ++month) {
                    const std::string field = std::string(month < 10 ? "F000" : "F00") + std::to_string(month);
                    ctx.Execute(CrossTabValues(report, Quoted(field) + "," + Quoted(kMonthNames[month - 1]) +
                                                           ",3,0,'E',0,'R'"));
                }
            } else {
                ctx.Execute(std::string(kCrossTabColumn) + "SELECT " + std::to_string(report) +
                            ",'F'+rtrim(编号),名称,10,0,'E',0,'R' FROM " + std::string(column.members) +
                            " WHERE Left(编号,1)<>'C'");
            }
        }
    }
}

}  // namespace

void Update_86_To_87(StepContext& ctx) {
    // 1. Income summary subjects.
    ctx.Execute(Lines(R"(
CREATE TABLE [dbo].[T汇总科目] (
	[编号] [varchar] (4) COLLATE Chinese_PRC_CI_AS NOT NULL ,
	[名称] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,
	[所属类] [varchar] (4) COLLATE Chinese_PRC_CI_AS NULL ,
	[备注] [nvarchar] (100) COLLATE Chinese_PRC_CI_AS NULL ,
	[编码] [nvarchar] (10) COLLATE Chinese_PRC_CI_AS NULL 
) ON [PRIMARY]
)"));

    // 2. Their list, report 327.
    ctx.Execute(rows::PlainListReport(327, "汇总科目列表", "2005-2-24 10:45:00"));
    ctx.Execute(ReportColumnValuesNoSpace("327,'编号','编号',1,0,1035,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("327,'名称','名称',2,0,1980,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("327,'编码','编码',3,0,1245,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("327,'备注','备注',4,0,4965,'L',0,'S',-1,'C'"));

    // 3. The summary subject of outpatient items.
    ctx.Execute("ALTER TABLE T门诊项目 ADD 汇总科目 varchar(4)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ门诊项目
AS
SELECT M.编号, M.名称, M.拼音简码, M.收费方式, M.有效状态, M.计量单位, M.规格说明, M.所属类, M.五笔简码, M.备注,
M.编码, M.同票项目, M.标准金额, M.优惠金额, M.打印名称, M.会员金额, K.名称 AS 核算科室, H.名称 AS 汇总科目
FROM dbo.T门诊项目 M LEFT OUTER JOIN dbo.T科室档案 K ON M.核算科室 = K.编号
LEFT OUTER JOIN dbo.T汇总科目 H ON M.汇总科目 = H.编号
)"));
    ctx.Execute(ReportColumnValuesNoSpace("28,'汇总科目','汇总科目',111,0,1035,'L',0,'S',-1,'C'"));
    ctx.Execute(ReportColumnValuesNoSpace("219,'汇总科目','汇总科目',111,0,1035,'L',0,'S',-1,'C'"));

    // 4. The summary subject of inpatient items.
    ctx.Execute("ALTER TABLE T住院项目 ADD 汇总科目 varchar(4)");
    ctx.Execute(Lines(R"(
ALTER VIEW dbo.VJ住院项目
AS
SELECT A.编号, A.名称, A.拼音简码, A.所属类型, A.所属类, A.收费方式, A.标准金额, A.计量单位, A.规格说明, A.允许欠费,
A.备注, A.有效状态, A.编码, A.五笔简码, A.保险报销, A.会员价格, B.名称 AS 汇总科目
FROM dbo.T住院项目 A LEFT OUTER JOIN dbo.T汇总科目 B ON A.汇总科目 = B.编号
)"));

    // 5. Who took the payment of a charge line, and when; paid lines so far by
    //    the system's own operator at the time they were charged.
    ctx.Execute("ALTER TABLE D住院记帐列表 ADD 收款人 varchar(4)");
    ctx.Execute("ALTER TABLE D住院记帐列表 ADD 收款时间 datetime");
    ctx.Execute("UPDATE D住院记帐列表 SET 收款人='9999',收款时间=记帐时间 WHERE 已交款36=1");

    // 6. The income items with their code in each dimension: @vMode 0 both
    //    sources, 1 outpatient only, 2 inpatient only.
    ctx.Execute(Lines(R"(
CREATE FUNCTION dbo.Do全院收入明细表 (@vMode tinyint, @vBegin smalldatetime, @vEnd smalldatetime)
RETURNS TABLE
AS
RETURN (
SELECT A.收款人, IsNull(B.汇总科目, '') AS 汇总科目, A.处方医生, A.处方科室, A.核算科室, A.金额 AS 项目金额,
dbo.DoAddZero(month(A.收款时间), 4) AS 月份
FROM dbo.D住院记帐列表 A INNER JOIN dbo.T住院项目 B ON A.费用明细 = B.编号
WHERE A.作废 = 0 AND A.收款时间 BETWEEN @vBegin AND @vEnd AND (@vMode = 2 OR @vMode = 0)
UNION ALL
SELECT A.收款人, IsNull(C.汇总科目, '') AS 汇总科目, B.处方医生, B.处方科室, B.核算科室, B.项目金额,
dbo.DoAddZero(month(A.发生时间), 4) AS 月份
FROM dbo.D门诊收费列表 A INNER JOIN dbo.D门诊收费数据 B ON A.序号 = B.序号
INNER JOIN dbo.T门诊项目 C ON B.项目编号 = C.编号
WHERE B.状态 = 'N' AND A.发生时间 BETWEEN @vBegin AND @vEnd AND (@vMode = 1 OR @vMode = 0)
)
)"));

    // 7. The thirty cross-tab reports, named row dimension "_" column dimension.
    for (const Dimension& row : kDimensions) {
        for (const Dimension& column : kDimensions) {
            if (row.digit == column.digit) continue;
            ctx.Execute("INSERT INTO F报表列表(编号,名称) VALUES (" + std::to_string(ReportNumber(row, column)) + "," +
                        Quoted(std::string(row.name) + "_" + std::string(column.name)) + ")");
        }
    }

    // 8.
    InsertCrossTabColumns(ctx);

    // 9. The twelve months as members of the month dimension.
    ctx.Execute(Lines(R"(
CREATE VIEW dbo.VJ月份列表
AS
SELECT 1 AS 编号, '一月' AS 名称
UNION
SELECT 2, '二月'
UNION
SELECT 3, '三月'
UNION
SELECT 4, '四月'
UNION
SELECT 5, '五月'
UNION
SELECT 6, '六月'
UNION
SELECT 7, '七月'
UNION
SELECT 8, '八月'
UNION
SELECT 9, '九月'
UNION
SELECT 10, '十月'
UNION
SELECT 11, '十一月'
UNION
SELECT 12, '十二月'
)"));
}

}  // namespace quenvatrix::steps
