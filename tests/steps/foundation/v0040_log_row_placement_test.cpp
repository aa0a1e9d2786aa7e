// Where the upgrade-log rows of versions 40 to 63 fall among the other
// statements decides what a failing step leaves behind: a row written before
// the failure stays, a row due after it is never written.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

struct FailureCase {
    const char* name;
    long version;
    const char* failAt;                   // a fragment of the statement that fails
    std::vector<const char*> sentBefore;  // fragments of statements that must have been sent
    std::vector<const char*> neverSent;   // fragments of statements that must not have been sent
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

bool AnySentContains(const std::vector<std::string>& sent, const std::string& fragment) {
    for (const std::string& text : sent) {
        if (text.find(fragment) != std::string::npos) return true;
    }
    return false;
}

class LogRowPlacement : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LogRowPlacement, FailureLeavesExactlyTheRowsWrittenBeforeIt) {
    const FailureCase& c = GetParam();
    auto fake = std::make_shared<FakeConnection>();
    fake->FailWhenContains(c.failAt, "模拟的语句失败");
    clsUpdate component;
    component.set_pCn(fake);
    std::string shown;
    component.SetMessageSink([&shown](const std::string& text, const std::string&) { shown = text; });

    EXPECT_FALSE(component.DoUpdate(c.version));
    EXPECT_EQ(shown, "模拟的语句失败");

    const std::vector<std::string> sent = fake->Executed();
    ASSERT_FALSE(sent.empty());
    EXPECT_NE(sent.back().find(c.failAt), std::string::npos) << "the step went on after the failing statement";
    for (const char* fragment : c.sentBefore) {
        EXPECT_TRUE(AnySentContains(sent, fragment)) << "not sent before the failure: " << fragment;
    }
    for (const char* fragment : c.neverSent) {
        EXPECT_FALSE(AnySentContains(sent, fragment)) << "sent although due after the failure: " << fragment;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Versions40To63, LogRowPlacement,
    ::testing::Values(
        // Version 40 logs after the drug insurance class, before the admitting clerk.
        FailureCase{"V40ClerkFailsAfterLogRow", 40, "ADD 入院经办人",
                    {"ADD 保险类别", "T升级列表", "增加了【全国医疗保险(清单)自动分类】的报表"},
                    {"ALTER VIEW dbo.VJ住院档案"}},
        FailureCase{"V40DrugViewFailsBeforeLogRow", 40, "ALTER VIEW dbo.VJ药品卫材", {"ADD 保险类别"},
                    {"T升级列表", "入院经办人"}},
        // Version 47 writes its eight history rows last.
        FailureCase{"V47ReportFieldFailsBeforeHistory", 47, "'自付类金额'",
                    {"Do指定时段点库存余量表", "'甲类药金额'"}, {"T升级列表"}},
        // Version 48 logs after the member view.
        FailureCase{"V48ViewFailsBeforeLogRow", 48, "CREATE VIEW dbo.VJ会员档案", {"'会员档案列表'"},
                    {"T升级列表"}},
        // Version 54 logs before it rebuilds the case record.
        FailureCase{"V54CaseRecordDropFailsAfterLogRow", 54, "DROP TABLE [dbo].[D病案资料]",
                    {"CREATE TABLE [dbo].[T优惠设置]", "ADD 优惠金额", "T升级列表",
                     "增加了，门诊收费项目以及药品打折的功能！"},
                    {"CREATE TABLE [dbo].[D病案资料]", "T病案设置"}},
        // Version 58 logs after the permissions.
        FailureCase{"V58PermissionFailsBeforeLogRow", 58, "'作废门诊预收单'", {"Do预收款管理"},
                    {"T升级列表"}}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quenvatrix::testing
