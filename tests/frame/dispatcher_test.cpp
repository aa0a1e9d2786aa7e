#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "frame/step_context.h"
#include "frame/step_table.h"
#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

struct Shown {
    std::string text;
    std::string title;
};

// A component on a fake connection whose messages are captured.
class DispatcherTest : public ::testing::Test {
protected:
    DispatcherTest() : fake(std::make_shared<FakeConnection>()) {
        component.SetMessageSink([this](const std::string& text, const std::string& title) {
            shown.push_back({text, title});
        });
    }

    void Connect() { component.set_pCn(fake); }

    std::shared_ptr<FakeConnection> fake;
    clsUpdate component;
    std::vector<Shown> shown;
};

const char* const kTooOld = "抱歉，升级支持脚本组件程序太旧，请与供应商联系！";

TEST_F(DispatcherTest, VersionsOutsideTheRangeAreRefusedWithTheWarning) {
    Connect();
    // The last two lie beyond 32 bits: their low 32 bits (5 and 1069) must not pass.
    for (long version : {4L, 1070L, -1L, 0L, 2147483647L, -2147483647L - 1, 4294967301L, -4294966227L}) {
        shown.clear();
        EXPECT_FALSE(component.DoUpdate(version)) << version;
        ASSERT_EQ(shown.size(), 1u) << version;
        EXPECT_EQ(shown[0].text, kTooOld);
        EXPECT_EQ(shown[0].title, "提示：");
    }
    EXPECT_TRUE(fake->Log().empty());
}

TEST_F(DispatcherTest, VersionsWithoutAStepOrWithAnEmptyStepPassWithoutAConnection) {
    for (long version : {311L, 512L, 543L, 651L, 652L, 653L, 654L, 735L}) {
        EXPECT_TRUE(component.DoUpdate(version)) << version;
    }
    EXPECT_TRUE(shown.empty());
    Connect();
    for (long version : {311L, 512L, 543L, 651L, 652L, 653L, 654L, 735L}) {
        EXPECT_TRUE(component.DoUpdate(version)) << version;
    }
    EXPECT_TRUE(fake->Log().empty());
}

TEST_F(DispatcherTest, AVersionWhoseStepIsNotInTheBuildFailsNamingIt) {
    Connect();
    for (const StepEntry& entry : StepTable()) {
        if (entry.kind != StepKind::Unbuilt) continue;
        shown.clear();
        EXPECT_FALSE(component.DoUpdate(entry.version));
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_NE(shown[0].text.find(StepName(entry.version)), std::string::npos) << shown[0].text;
        EXPECT_EQ(shown[0].title, "提示：");
    }
    EXPECT_TRUE(fake->Log().empty());
}

TEST_F(DispatcherTest, TheTableNamesEveryVersionInOrder) {
    const auto table = StepTable();
    ASSERT_EQ(table.size(), 1065u);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const StepEntry& entry = table[i];
        ASSERT_EQ(entry.version, static_cast<long>(i) + 5);
        const bool noStep = entry.version == 311 || entry.version == 512;
        EXPECT_EQ(entry.kind == StepKind::None, noStep) << entry.version;
        if (entry.kind == StepKind::Step || entry.kind == StepKind::Public) {
            EXPECT_EQ(std::string(entry.name), StepName(entry.version));
            EXPECT_EQ(entry.kind == StepKind::Public, entry.version == 75) << entry.version;
        }
    }
    for (long version : {543L, 651L, 652L, 653L, 654L, 735L}) {
        EXPECT_EQ(StepFor(version).kind, StepKind::Empty) << version;
    }
}

TEST_F(DispatcherTest, AStepEndsAtItsFirstFailingStatementAndReportsTheProvidersMessage) {
    Connect();
    fake->FailNth(3, "列名 '到期报警提前' 无效。");
    EXPECT_FALSE(component.DoUpdate(5));
    const auto sent = fake->Executed();
    ASSERT_EQ(sent.size(), 3u);  // the first two stay applied; nothing follows the failure
    EXPECT_NE(sent[1].find("到期报警提前"), std::string::npos);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "列名 '到期报警提前' 无效。");
    EXPECT_EQ(shown[0].title, "提示：");
    EXPECT_EQ(fake->CountOf(Sent::Kind::Rollback), 0);
}

TEST_F(DispatcherTest, AStepOnNoConnectionFailsAtItsFirstStatement) {
    EXPECT_FALSE(component.DoUpdate(5));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].text.empty());
}

// Steps made up for the dispatcher's rules.
void IgnoresAFailureAndLeavesItPending(StepContext& ctx) { ctx.ExecuteIgnoringErrors("SELECT 1/0"); }
void IgnoresAFailureAndClearsIt(StepContext& ctx) {
    ctx.ExecuteIgnoringErrors("SELECT 1/0");
    ctx.ClearError();
    ctx.Execute("SELECT 2");
}
void FailsInsideItsTransaction(StepContext& ctx) {
    ctx.Execute("SELECT 1");
    ctx.BeginTrans();
    ctx.SetInTrans(true);
    ctx.Execute("SELECT 1/0");
    ctx.CommitTrans();
    ctx.SetInTrans(false);
}
void FailsOutsideATransaction(StepContext& ctx) { ctx.Execute("SELECT 1/0"); }
void ThrowsSomethingElse(StepContext&) { throw std::out_of_range("index out of range"); }

StepEntry Made(StepFunction function) { return StepEntry{900, StepKind::Step, function, "made"}; }

TEST_F(DispatcherTest, AnIgnoredErrorStillPendingWhenTheStepReturnsFailsIt) {
    Connect();
    fake->FailWhenContains("1/0", "遇到以零作除数错误。");
    EXPECT_FALSE(RunStepEntry(component, Made(&IgnoresAFailureAndLeavesItPending)));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "遇到以零作除数错误。");

    shown.clear();
    fake->ClearLog();
    EXPECT_TRUE(RunStepEntry(component, Made(&IgnoresAFailureAndClearsIt)));
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(fake->Executed(), (std::vector<std::string>{"SELECT 1/0", "SELECT 2"}));
    EXPECT_EQ(fake->CountOf(Sent::Kind::Remark), 1);  // the ignored statement is marked as such
}

TEST_F(DispatcherTest, AFailureInsideAFlaggedTransactionIsRolledBackOnce) {
    Connect();
    fake->FailWhenContains("1/0", "遇到以零作除数错误。");
    EXPECT_FALSE(RunStepEntry(component, Made(&FailsInsideItsTransaction)));
    EXPECT_EQ(fake->CountOf(Sent::Kind::Rollback), 1);
    EXPECT_EQ(fake->CountOf(Sent::Kind::Commit), 0);
    EXPECT_EQ(fake->Log().back().kind, Sent::Kind::Rollback);

    // The flag was cleared with the rollback: the next failure rolls nothing back.
    EXPECT_FALSE(RunStepEntry(component, Made(&FailsOutsideATransaction)));
    EXPECT_EQ(fake->CountOf(Sent::Kind::Rollback), 1);
    EXPECT_EQ(shown.size(), 2u);
}

TEST_F(DispatcherTest, AnyOtherExceptionOfAStepIsReportedAsItsFailure) {
    Connect();
    EXPECT_FALSE(RunStepEntry(component, Made(&ThrowsSomethingElse)));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "index out of range");
}

TEST_F(DispatcherTest, VersionSeventyFiveRunsThroughThePublicMemberAndItsFailureIsReported) {
    Connect();
    fake->FailNth(3, "表 'F报表列' 中列名无效。");
    EXPECT_FALSE(component.DoUpdate(75));
    EXPECT_EQ(fake->Executed().size(), 3u);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "表 'F报表列' 中列名无效。");
    EXPECT_EQ(shown[0].title, "提示：");

    // Called by the host itself, the same failure reaches the host as an error.
    fake->ClearLog();
    fake->FailNth(4, "表 'F报表列' 中列名无效。");
    try {
        component.Update_75_To_76();
        ADD_FAILURE() << "the failure of the public step did not reach its caller";
    } catch (const Error& error) {
        EXPECT_EQ(error.Description(), "表 'F报表列' 中列名无效。");
    }
    EXPECT_EQ(shown.size(), 1u);  // no message box outside DoUpdate
}

TEST_F(DispatcherTest, EachCallStartsWithACleanErrorState) {
    Connect();
    fake->FailNth(1, "对象名 'T医院资料' 无效。");
    EXPECT_FALSE(component.DoUpdate(5));
    EXPECT_EQ(component.LastErrorDescription(), "对象名 'T医院资料' 无效。");
    EXPECT_TRUE(component.DoUpdate(311));
    EXPECT_EQ(component.LastErrorDescription(), "");
    EXPECT_EQ(component.LastErrorNumber(), 0);
}

void IgnoresAFailureThenSucceeds(StepContext& ctx) {
    ctx.ExecuteIgnoringErrors("SELECT 1/0");
    ctx.ExecuteIgnoringErrors("SELECT 3");
    ctx.Execute("SELECT 4");
}

TEST_F(DispatcherTest, LaterStatementsThatSucceedDoNotClearAnIgnoredError) {
    Connect();
    fake->FailWhenContains("1/0", "遇到以零作除数错误。", -1, 8134);
    EXPECT_FALSE(RunStepEntry(component, Made(&IgnoresAFailureThenSucceeds)));
    EXPECT_EQ(fake->Executed(), (std::vector<std::string>{"SELECT 1/0", "SELECT 3", "SELECT 4"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "遇到以零作除数错误。");
    EXPECT_EQ(component.LastErrorNumber(), 8134);
}

void ReadsAQueryThatFails(StepContext& ctx) {
    ctx.Execute("SELECT 1");
    auto rows = ctx.Open("SELECT 名称 FROM T不存在");
    ctx.Execute("SELECT 2");
}

TEST_F(DispatcherTest, AFailingReadEndsTheStepLikeAFailingStatement) {
    Connect();
    fake->FailWhenContains("T不存在", "对象名 'T不存在' 无效。");
    EXPECT_FALSE(RunStepEntry(component, Made(&ReadsAQueryThatFails)));
    EXPECT_EQ(fake->Statements(), (std::vector<std::string>{"SELECT 1", "SELECT 名称 FROM T不存在"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "对象名 'T不存在' 无效。");
}

// A connection that refuses to roll back, as one that has been lost would.
class RollbackRefused : public FakeConnection {
public:
    void RollbackTrans() override {
        FakeConnection::RollbackTrans();
        throw Error(-2147467259, "连接已断开，事务无法回滚。");
    }
};

TEST_F(DispatcherTest, AnErrorOfTheFailurePathItselfReachesTheCaller) {
    auto refusing = std::make_shared<RollbackRefused>();
    refusing->FailWhenContains("1/0", "遇到以零作除数错误。");
    component.set_pCn(refusing);
    try {
        RunStepEntry(component, Made(&FailsInsideItsTransaction));
        ADD_FAILURE() << "the failed rollback did not reach the caller";
    } catch (const Error& error) {
        EXPECT_EQ(error.Description(), "连接已断开，事务无法回滚。");
    }
    EXPECT_EQ(refusing->CountOf(Sent::Kind::Rollback), 1);
    EXPECT_TRUE(shown.empty());  // the call ended before the message

    // The flag is still set, since the rollback never completed. Should the host
    // then take the connection away, the next failure cannot roll back either:
    // an error for the caller, not a crash.
    component.set_pCn(nullptr);
    try {
        component.DoUpdate(5);
        ADD_FAILURE() << "a rollback without a connection did not reach the caller";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), error_number::kNoConnection);
    }

    // A message sink that fails ends the call the same way.
    component.set_pCn(fake);
    component.SetMessageSink([](const std::string&, const std::string&) {
        throw Error(-2147024809, "无法显示消息。");
    });
    EXPECT_THROW(component.DoUpdate(4), Error);
}

TEST(DefaultMessageSink, WritesTitleAndTextToStandardErrorOnOneLine) {
    auto fake = std::make_shared<FakeConnection>();
    fake->FailNth(1, "[FreeTDS][SQL Server]列名无效。\n[FreeTDS][SQL Server]语句已终止。");
    clsUpdate component;
    component.set_pCn(fake);
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(component.DoUpdate(5));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(),
              "提示： [FreeTDS][SQL Server]列名无效。 / [FreeTDS][SQL Server]语句已终止。\n");
}

TEST(VersionCheck, OnlyTheLastVersionIsTheComponentsLast) {
    clsUpdate component;
    EXPECT_TRUE(component.Do版本校对(1069));
    for (std::int16_t version : {1068, 0, 1070, -1, 5}) EXPECT_FALSE(component.Do版本校对(version)) << version;
}

}  // namespace
}  // namespace quenvatrix::testing
