#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

// Version 75's step is the one the host may call itself; DoUpdate runs it
// through that public member.
struct Version75 : ::testing::Test {
    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;

    void SetUp() override {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }
};

TEST_F(Version75, DoUpdateRunsThePublicStepInOrder) {
    EXPECT_TRUE(component.DoUpdate(75));
    const std::vector<std::string> sent = fake->Executed();
    ASSERT_EQ(sent.size(), 17u);
    EXPECT_EQ(sent[0],
              "INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,"
              "表头对齐) VALUES (317,'编码','编码',200,0,1000,'L',0,'S',-1,'C')");
    EXPECT_EQ(sent[6], "ALTER TABLE T门诊项目 ADD 核算科室 varchar(4)");
    EXPECT_EQ(sent[8], "ALTER TABLE D门诊收费列表 ADD 帐户支付 smallmoney DEFAULT 0");
    EXPECT_EQ(sent[9], "UPDATE D门诊收费列表 SET 帐户支付=0");
    EXPECT_EQ(sent[15], "ALTER TABLE T住院项目 ADD 会员价格 varchar(10)");
    EXPECT_EQ(sent[16], "ALTER VIEW dbo.VJ住院项目\r\nAS\r\nSELECT * FROM dbo.T住院项目");
    EXPECT_TRUE(shown.empty());
}

TEST_F(Version75, FailureReachesDoUpdateAndIsReportedThere) {
    fake->FailWhenContains("ALTER TABLE D门诊收费列表 ADD 帐户支付", "列名 '帐户支付' 在表中已存在。");
    EXPECT_FALSE(component.DoUpdate(75));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "列名 '帐户支付' 在表中已存在。");
    // The statements before the failing one stay sent; nothing after it is.
    EXPECT_EQ(fake->Executed().size(), 9u);
    EXPECT_EQ(fake->CountOf(Sent::Kind::Rollback), 0);
}

TEST_F(Version75, HostCallsThePublicMemberDirectly) {
    component.Update_75_To_76();
    EXPECT_EQ(fake->Executed().size(), 17u);

    fake->ClearLog();
    fake->FailNth(18, "对象名 'T门诊项目' 无效。");  // the first statement of the second run
    try {
        component.Update_75_To_76();
        ADD_FAILURE() << "a failing statement must reach the caller";
    } catch (const Error& error) {
        EXPECT_EQ(error.Description(), "对象名 'T门诊项目' 无效。");
    }
    EXPECT_EQ(fake->Executed().size(), 1u);
    EXPECT_TRUE(shown.empty());
}

}  // namespace
}  // namespace quenvatrix::testing
