#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

std::string DefaultLookup(const std::string& table, const std::string& column) {
    return "Select object_name(stuff(','+convert(varchar,cdefault),1,1,'')) from syscolumns where id=object_id('" + table +
           "') and cdefault<>0 and name='" + column + "'";
}

std::vector<std::string> HelperStatements(const std::string& table, const std::string& column, const std::string& name) {
    return {" Alter Table " + table + " Drop CONSTRAINT [" + name + "]",
            " Alter Table " + table + " Alter Column " + column + " money",
            " ALTER TABLE [dbo].[" + table + "] ADD CONSTRAINT [" + name + "] DEFAULT 0 FOR [" + column + "]"};
}

struct Version90Run {
    bool ok = false;
    std::string message;
    std::vector<std::string> statements;  // Execute texts and queries, in order
};

Version90Run RunVersion90(FakeConnection& fake, const std::shared_ptr<FakeConnection>& owner) {
    Version90Run run;
    clsUpdate component;
    component.set_pCn(owner);
    component.SetMessageSink([&run](const std::string& text, const std::string&) { run.message = text; });
    run.ok = component.DoUpdate(90);
    run.statements = fake.Statements();
    return run;
}

// The statements sent from the column's default lookup up to the helper's
// last statement for it.
std::vector<std::string> ConversionOf(const Version90Run& run, const std::string& table, const std::string& column) {
    const auto from = std::find(run.statements.begin(), run.statements.end(), DefaultLookup(table, column));
    auto to = from;
    while (to != run.statements.end() && to->find(" ADD CONSTRAINT [") == std::string::npos) ++to;
    if (from == run.statements.end() || to == run.statements.end()) return {};
    return {from, to + 1};
}

struct Case {
    const char* what;
    std::string table;
    std::string column;
    std::string intended;  // the name the default 0 gets
    bool hasDefault;
    std::string bound;     // the name the server gave the column's default
    bool dropsBound;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.what; }

class MoneyConversion : public ::testing::TestWithParam<Case> {};

TEST_P(MoneyConversion, DropsTheDefaultActuallyBoundBeforeTheHelperConverts) {
    const Case& c = GetParam();
    auto fake = std::make_shared<FakeConnection>();
    if (c.hasDefault) fake->AnswerExactly(DefaultLookup(c.table, c.column), Rows{{"name"}, {{Value(c.bound)}}});
    const Version90Run run = RunVersion90(*fake, fake);
    ASSERT_TRUE(run.ok) << run.message;

    std::vector<std::string> expected{DefaultLookup(c.table, c.column)};
    if (c.dropsBound) expected.push_back(" Alter Table " + c.table + " Drop CONSTRAINT [" + c.bound + "]");
    for (const auto& s : HelperStatements(c.table, c.column, c.intended)) expected.push_back(s);
    EXPECT_EQ(ConversionOf(run, c.table, c.column), expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Version90, MoneyConversion,
    ::testing::Values(
        Case{"server-named default under the name passed", "D病案资料", "应收款", "DF__D病案资料__应收款__198B9F07", true,
             "DF__D病案资料__应收款__198B9F07", false},
        Case{"server-named default under another name", "D病案资料", "应收款", "DF__D病案资料__应收款__198B9F07", true,
             "DF__D病案资料__应收款__2A4B4B5E", true},
        Case{"no default at all", "D病案资料", "应收款", "DF__D病案资料__应收款__198B9F07", false, "", false},
        Case{"no name passed, default named after table and column", "T床位档案", "标准金额", "DF_T床位档案_标准金额", true,
             "DF_T床位档案_标准金额", false},
        Case{"no name passed, default named otherwise", "T床位档案", "标准金额", "DF_T床位档案_标准金额", true,
             "DF__T床位档案__标准金额__0CBAE877", true},
        Case{"name not formed from its column, bound as passed", "D经营日志列表", "门诊退药付款",
             "DF_D经营日志列表_退药付款金额", true, "DF_D经营日志列表_退药付款金额", false},
        Case{"name not formed from its table, bound otherwise", "T住院项目", "标准金额", "DF_T收费明细_标准金额", true,
             "DF_T住院项目_标准金额", true}),
    [](const ::testing::TestParamInfo<Case>& info) { return "case" + std::to_string(info.index); });

TEST(MoneyConversionFailures, AFailingLookupOrDropNeverEndsTheStep) {
    auto fake = std::make_shared<FakeConnection>();
    fake->FailWhenContains("name='实收金额'", "Invalid object name 'syscolumns'.");
    fake->AnswerExactly(DefaultLookup("D病案资料", "应收款"), Rows{{"name"}, {{Value("DF__D病案资料__应收款__2A4B4B5E")}}});
    fake->FailWhenContains("Drop CONSTRAINT [DF__D病案资料__应收款__2A4B4B5E]", "Cannot drop the constraint.");
    const Version90Run run = RunVersion90(*fake, fake);
    EXPECT_TRUE(run.ok) << run.message;
    // Every conversion is still sent, to the last one.
    EXPECT_EQ(run.statements.back(), "ALTER TABLE D挂号列表 ALTER COLUMN 挂号金额 money");
    EXPECT_EQ(ConversionOf(run, "D门诊收费列表", "实收金额").size(), 4u);
}

TEST(MoneyConversionFailures, APlainTypeChangeThatFailsEndsTheStep) {
    auto fake = std::make_shared<FakeConnection>();
    fake->FailWhenContains("ALTER TABLE D调拨数据 ALTER COLUMN 单价 money", "The object 'IX_D调拨数据' is dependent on column '单价'.");
    const Version90Run run = RunVersion90(*fake, fake);
    EXPECT_FALSE(run.ok);
    EXPECT_EQ(run.message, "The object 'IX_D调拨数据' is dependent on column '单价'.");
    EXPECT_EQ(run.statements.back(), "ALTER TABLE D调拨数据 ALTER COLUMN 单价 money");
}

}  // namespace
}  // namespace quenvatrix::testing
