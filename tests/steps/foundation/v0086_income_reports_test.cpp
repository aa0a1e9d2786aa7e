#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

const std::string kCrossTabColumn =
    "INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,此列必选,数据类型,统计结果,对齐方式) ";

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

struct Version86 : ::testing::Test {
    std::vector<std::string> sent;

    void SetUp() override {
        auto fake = std::make_shared<FakeConnection>();
        clsUpdate component;
        component.set_pCn(fake);
        ASSERT_TRUE(component.DoUpdate(86));
        sent = fake->Executed();
    }

    std::vector<std::string> Starting(const std::string& prefix) const {
        std::vector<std::string> found;
        for (const std::string& sql : sent) {
            if (StartsWith(sql, prefix)) found.push_back(sql);
        }
        return found;
    }

    // The columns of one cross-tab report, in the order sent.
    std::vector<std::string> ColumnsOf(int report) const {
        const std::string values = kCrossTabColumn + "VALUES (" + std::to_string(report) + ",";
        const std::string select = kCrossTabColumn + "SELECT " + std::to_string(report) + ",";
        std::vector<std::string> found;
        for (const std::string& sql : sent) {
            if (StartsWith(sql, values) || StartsWith(sql, select)) found.push_back(sql);
        }
        return found;
    }
};

TEST_F(Version86, SendsTheCountedStatements) {
    EXPECT_EQ(sent.size(), 252u);
    EXPECT_EQ(Starting("INSERT INTO F报表格式").size(), 211u);
    EXPECT_EQ(Starting(kCrossTabColumn + "SELECT ").size(), 25u);
    EXPECT_EQ(Starting("INSERT INTO F报表列表(编号,名称) VALUES (").size(), 30u);
    EXPECT_TRUE(StartsWith(sent.front(), "CREATE TABLE [dbo].[T汇总科目] (\r\n"));
    EXPECT_TRUE(StartsWith(sent.back(), "CREATE VIEW dbo.VJ月份列表\r\n"));
}

TEST_F(Version86, ReportsAreListedInAscendingNumberBeforeTheirColumns) {
    const std::vector<std::string> reports = Starting("INSERT INTO F报表列表(编号,名称) VALUES (");
    ASSERT_EQ(reports.size(), 30u);
    EXPECT_EQ(reports.front(), "INSERT INTO F报表列表(编号,名称) VALUES (21012,'汇总科目_处方医生')");
    EXPECT_EQ(reports[5], "INSERT INTO F报表列表(编号,名称) VALUES (21021,'处方医生_汇总科目')");
    EXPECT_EQ(reports.back(), "INSERT INTO F报表列表(编号,名称) VALUES (21065,'月份_收款人')");
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));

    // The reports' columns follow the last report row, 21012's first.
    const auto last = std::find(sent.begin(), sent.end(), reports.back());
    ASSERT_NE(last, sent.end());
    EXPECT_EQ(*(last + 1), kCrossTabColumn + "VALUES (21012,'编号','编号',-10,1,'S',-1,'L')");
}

TEST_F(Version86, MemberColumnsComeFromTheColumnDimension) {
    const std::vector<std::string> staff = ColumnsOf(21012);
    ASSERT_EQ(staff.size(), 5u);
    EXPECT_EQ(staff[0], kCrossTabColumn + "VALUES (21012,'编号','编号',-10,1,'S',-1,'L')");
    EXPECT_EQ(staff[1], kCrossTabColumn + "VALUES (21012,'名称','名称',-8,1,'S',-1,'L')");
    EXPECT_EQ(staff[2], kCrossTabColumn + "VALUES (21012,'合计次数','合计次数',2,1,'N',0,'R')");
    EXPECT_EQ(staff[3], kCrossTabColumn + "VALUES (21012,'合计金额','合计金额',3,1,'E',0,'R')");
    EXPECT_EQ(staff[4], kCrossTabColumn +
                            "SELECT 21012,'F'+rtrim(编号),名称,10,0,'E',0,'R' FROM T员工档案 WHERE Left(编号,1)<>'C'");

    const std::vector<std::string> subjects = ColumnsOf(21021);
    ASSERT_EQ(subjects.size(), 5u);
    EXPECT_EQ(subjects[4], kCrossTabColumn +
                               "SELECT 21021,'F'+rtrim(编号),名称,10,0,'E',0,'R' FROM T汇总科目 WHERE Left(编号,1)<>'C'");

    const std::vector<std::string> departments = ColumnsOf(21064);
    ASSERT_EQ(departments.size(), 5u);
    EXPECT_EQ(departments[4], kCrossTabColumn +
                                  "SELECT 21064,'F'+rtrim(编号),名称,10,0,'E',0,'R' FROM T科室档案 WHERE Left(编号,1)<>'C'");
}

TEST_F(Version86, MonthColumnsAreTwelveLiteralRowsInMonthOrder) {
    const std::vector<std::string> months = ColumnsOf(21016);
    ASSERT_EQ(months.size(), 16u);
    EXPECT_EQ(months[4], kCrossTabColumn + "VALUES (21016,'F0001','一月',3,0,'E',0,'R')");
    EXPECT_EQ(months[6], kCrossTabColumn + "VALUES (21016,'F0003','三月',3,0,'E',0,'R')");
    EXPECT_EQ(months[13], kCrossTabColumn + "VALUES (21016,'F0010','十月',3,0,'E',0,'R')");
    EXPECT_EQ(months[15], kCrossTabColumn + "VALUES (21016,'F0012','十二月',3,0,'E',0,'R')");
    for (int report : {21026, 21036, 21046, 21056}) EXPECT_EQ(ColumnsOf(report).size(), 16u) << report;
    // The month dimension as rows has no month columns.
    for (int report : {21061, 21062, 21063, 21064, 21065}) EXPECT_EQ(ColumnsOf(report).size(), 5u) << report;
}

}  // namespace
}  // namespace quenvatrix::testing
