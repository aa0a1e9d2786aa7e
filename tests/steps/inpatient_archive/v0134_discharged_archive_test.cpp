#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

using Kind = Sent::Kind;

struct Fixture {
    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;

    Fixture() {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }

    // Positions in the log of the first entry of a kind, or of the first
    // statement that contains a fragment.
    std::ptrdiff_t First(Kind kind) const {
        const auto& log = fake->Log();
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].kind == kind) return static_cast<std::ptrdiff_t>(i);
        }
        return -1;
    }
    std::ptrdiff_t FirstContaining(const std::string& fragment) const {
        const auto& log = fake->Log();
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (log[i].kind == Kind::Execute && log[i].text.find(fragment) != std::string::npos) {
                return static_cast<std::ptrdiff_t>(i);
            }
        }
        return -1;
    }
};

// The eleven statements of the move, by a fragment of each, in their order.
const std::vector<std::string> kMove = {
    "CREATE TABLE [dbo].[OLD住院记帐列表]",
    "INSERT INTO OLD住院记帐列表\r\nSELECT D住院记帐列表.*",
    "DELETE D住院记帐列表\r\n",
    "CREATE TABLE [dbo].[OLD住院档案]",
    "INSERT INTO OLD住院档案 SELECT * FROM D住院档案 WHERE 出院效果 <> ''",
    "DELETE FROM D住院档案 WHERE 出院效果 <> ''",
    "CREATE TABLE [dbo].[OLD住院划价单]",
    "CREATE TABLE [dbo].[OLD住院划价数据]",
    "INSERT INTO OLD住院划价数据\r\nSELECT D住院划价数据.*",
    "DELETE D住院划价数据\r\n",
    "INSERT INTO OLD住院划价单\r\nSELECT D住院划价单.*",
    "DELETE D住院划价单\r\n",
};

TEST(Version134, MovesDischargedStaysInsideOneCommittedTransaction) {
    Fixture f;
    ASSERT_TRUE(f.component.DoUpdate(134));

    const auto begin = f.First(Kind::Begin);
    const auto commit = f.First(Kind::Commit);
    ASSERT_GE(begin, 0);
    ASSERT_GT(commit, begin);
    EXPECT_EQ(f.fake->CountOf(Kind::Begin), 1);
    EXPECT_EQ(f.fake->CountOf(Kind::Commit), 1);
    EXPECT_EQ(f.fake->CountOf(Kind::Rollback), 0);

    // Every statement of the move lies inside, in order; nothing else does.
    std::ptrdiff_t previous = begin;
    for (const std::string& fragment : kMove) {
        const auto at = f.FirstContaining(fragment);
        ASSERT_GT(at, previous) << fragment;
        previous = at;
    }
    EXPECT_EQ(commit, previous + 1);
    EXPECT_EQ(begin, f.FirstContaining(kMove.front()) - 1);
    EXPECT_EQ(static_cast<std::size_t>(commit), f.fake->Log().size() - 1);
    // The holding ledger and the columns before it are not part of the move.
    EXPECT_LT(f.FirstContaining("UPDATE F报表列表 SET 主键标题='持款员工："), begin);
}

TEST(Version134, CommittedMoveLeavesNothingForALaterFailureToRollBack) {
    Fixture f;
    ASSERT_TRUE(f.component.DoUpdate(134));
    f.fake->FailNth(static_cast<int>(f.fake->Statements().size()) + 1, "Column names in each table must be unique.");
    EXPECT_FALSE(f.component.DoUpdate(134));
    EXPECT_EQ(f.fake->CountOf(Kind::Rollback), 0);
}

// A failure anywhere in the move rolls the whole move back: no row stays in
// both a live table and its twin.
class Version134MoveFailure : public ::testing::TestWithParam<std::string> {};

TEST_P(Version134MoveFailure, RollsBackTheWholeMoveAndReportsTheProvidersMessage) {
    Fixture f;
    f.fake->FailWhenContains(GetParam(), "DELETE statement conflicted with COLUMN REFERENCE constraint.", 1);
    EXPECT_FALSE(f.component.DoUpdate(134));

    const auto& log = f.fake->Log();
    const auto failed = f.FirstContaining(GetParam());
    ASSERT_GE(failed, 0);
    EXPECT_EQ(f.fake->CountOf(Kind::Begin), 1);
    EXPECT_EQ(f.fake->CountOf(Kind::Commit), 0);
    ASSERT_EQ(f.fake->CountOf(Kind::Rollback), 1);
    // Nothing is sent after the failing statement but the rollback.
    ASSERT_EQ(static_cast<std::size_t>(failed) + 2, log.size());
    EXPECT_EQ(log.back().kind, Kind::Rollback);
    ASSERT_EQ(f.shown.size(), 1u);
    EXPECT_EQ(f.shown[0], "DELETE statement conflicted with COLUMN REFERENCE constraint.");

    // The flag went with the rollback: the next failure rolls nothing back.
    f.fake->FailNth(static_cast<int>(f.fake->Statements().size()) + 1, "Column names in each table must be unique.");
    EXPECT_FALSE(f.component.DoUpdate(134));
    EXPECT_EQ(f.fake->CountOf(Kind::Rollback), 1);
}

INSTANTIATE_TEST_SUITE_P(AnyStatementOfTheMove, Version134MoveFailure,
                         ::testing::Values(kMove[0], kMove[2], kMove[4], kMove[5], kMove[9], kMove[11]),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             return "MoveStatement" + std::to_string(info.index);
                         });

TEST(Version134, FailureBeforeTheMoveOpensNoTransaction) {
    Fixture f;
    f.fake->FailWhenContains("ADD 已冲销", "Column names in each table must be unique.");
    EXPECT_FALSE(f.component.DoUpdate(134));
    EXPECT_EQ(f.fake->CountOf(Kind::Begin), 0);
    EXPECT_EQ(f.fake->CountOf(Kind::Rollback), 0);
    EXPECT_EQ(f.FirstContaining("OLD住院"), -1);
}

}  // namespace
}  // namespace quenvatrix::testing
