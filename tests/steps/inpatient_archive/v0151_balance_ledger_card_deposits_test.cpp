#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

constexpr const char* kCreateSSM = "CREATE TABLE [dbo].[SSM] (";
constexpr const char* kAddCaseRecordClass = "ALTER TABLE T项目类型 ADD 病案项目 nvarchar(5)";
constexpr const char* kListColumn =
    "INSERT INTO F报表格式(表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (273,'病案项目','病案项目',100,'S',-1)";

// The step for version 151 on a fake connection, with what the user was shown.
struct Version151 : ::testing::Test {
    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;

    void SetUp() override {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }
};

TEST_F(Version151, CreatesSSMThenAddsTheCaseRecordClassAndItsListColumn) {
    EXPECT_TRUE(component.DoUpdate(151));
    const std::vector<std::string> sent = fake->Executed();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0].rfind(kCreateSSM, 0), 0u) << sent[0];
    EXPECT_EQ(sent[1], kAddCaseRecordClass);
    EXPECT_EQ(sent[2], kListColumn);
    EXPECT_TRUE(shown.empty());
}

// A table SSM that exists already does not stop the step: its error is
// cleared and the rest of the step is sent.
TEST_F(Version151, ExistingSSMDoesNotStopTheStep) {
    fake->FailWhenContains(kCreateSSM, "数据库中已存在名为 'SSM' 的对象。");
    EXPECT_TRUE(component.DoUpdate(151));
    const std::vector<std::string> sent = fake->Executed();
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1], kAddCaseRecordClass);
    EXPECT_EQ(sent[2], kListColumn);
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(component.LastErrorDescription(), "");
    EXPECT_EQ(component.LastErrorNumber(), 0);
}

// Only the creation of SSM may fail quietly: a failure after it ends the step.
TEST_F(Version151, FailureAfterSSMEndsTheStepWithItsError) {
    fake->FailWhenContains(kCreateSSM, "数据库中已存在名为 'SSM' 的对象。");
    fake->FailWhenContains(kAddCaseRecordClass, "各表中的列名必须唯一。");
    EXPECT_FALSE(component.DoUpdate(151));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "各表中的列名必须唯一。");
    EXPECT_EQ(fake->Executed().size(), 2u);
}

}  // namespace
}  // namespace quenvatrix::testing
