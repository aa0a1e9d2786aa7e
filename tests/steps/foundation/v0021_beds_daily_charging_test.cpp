#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

const std::string kAsk20024 = "Select 表编号 From F报表格式 Where 表编号=20024 And 字段名称='F0001'";
const std::string kAsk20042 = "Select 表编号 From F报表格式 Where 表编号=20042 And 字段名称='F0001'";
const std::string kAdd20024 =
    "Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) "
    "Select 20024,'F0001',名称,100,'E',0 From T科室档案 Where 编号='0001'";
const std::string kAdd20042 =
    "Insert Into F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) "
    "Select 20042,'F0001',名称,100,'E',0 From T员工档案 Where 编号='0001'";

struct ColumnCase {
    const char* name;
    bool departmentColumnExists;
    bool employeeColumnExists;
    std::vector<std::string> expected;  // queries and statements, in order
};

void PrintTo(const ColumnCase& c, std::ostream* os) { *os << c.name; }

class MissingF0001Column : public ::testing::TestWithParam<ColumnCase> {};

// The 0001 column is added to each statistics report only when the report
// does not have it yet; each report is asked before its own insert.
TEST_P(MissingF0001Column, AddedOnlyWhereTheQueryFindsNoRow) {
    const ColumnCase& c = GetParam();
    auto fake = std::make_shared<FakeConnection>();
    const Rows oneRow{{"表编号"}, {{Value(20024)}}};
    if (c.departmentColumnExists) fake->AnswerExactly(kAsk20024, oneRow);
    if (c.employeeColumnExists) fake->AnswerExactly(kAsk20042, Rows{{"表编号"}, {{Value(20042)}}});

    clsUpdate component;
    component.set_pCn(fake);
    std::vector<std::string> shown;
    component.SetMessageSink([&shown](const std::string& text, const std::string&) { shown.push_back(text); });

    EXPECT_TRUE(component.DoUpdate(26));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(fake->Statements(), c.expected);
    EXPECT_EQ(fake->CountOf(Sent::Kind::Query), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Version26, MissingF0001Column,
    ::testing::Values(ColumnCase{"BothMissing", false, false, {kAsk20024, kAdd20024, kAsk20042, kAdd20042}},
                      ColumnCase{"DepartmentColumnPresent", true, false, {kAsk20024, kAsk20042, kAdd20042}},
                      ColumnCase{"EmployeeColumnPresent", false, true, {kAsk20024, kAdd20024, kAsk20042}},
                      ColumnCase{"BothPresent", true, true, {kAsk20024, kAsk20042}}),
    [](const ::testing::TestParamInfo<ColumnCase>& info) { return std::string(info.param.name); });

// A failing insert for the first report ends the step before the second is asked.
TEST(Version26, FailingInsertEndsTheStep) {
    auto fake = std::make_shared<FakeConnection>();
    fake->FailWhenContains("Select 20024,'F0001'", "列名无效。");
    clsUpdate component;
    component.set_pCn(fake);
    std::string shown;
    component.SetMessageSink([&shown](const std::string& text, const std::string&) { shown = text; });

    EXPECT_FALSE(component.DoUpdate(26));
    EXPECT_EQ(shown, "列名无效。");
    EXPECT_EQ(fake->Statements(), (std::vector<std::string>{kAsk20024, kAdd20024}));
}

// The pharmacy of a prescription line is held by its head: the inpatient line
// table has no such column, so reading it from the lines fails the statement.
TEST(Version28, ReservedQuantitiesTakeThePharmacyFromThePrescriptionHead) {
    auto fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    component.set_pCn(fake);
    component.SetMessageSink([](const std::string&, const std::string&) {});

    EXPECT_TRUE(component.DoUpdate(28));
    const auto sent = fake->Executed();
    ASSERT_EQ(sent.size(), 1u);
    const std::string& body = sent.front();
    EXPECT_NE(body.find("SELECT D划价单.药房, D划价数据.药品编号"), std::string::npos) << body;
    EXPECT_NE(body.find("SELECT D住院划价单.药房, D住院划价数据.药品编号"), std::string::npos) << body;
    EXPECT_EQ(body.find("划价数据.药房"), std::string::npos) << body;
}

}  // namespace
}  // namespace quenvatrix::testing
