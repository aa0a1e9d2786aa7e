#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

bool StartsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

struct StepRun {
    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;

    StepRun() {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }
    std::vector<std::string> ExecutedContaining(const std::string& fragment) const {
        std::vector<std::string> hits;
        for (const std::string& sql : fake->Executed()) {
            if (sql.find(fragment) != std::string::npos) hits.push_back(sql);
        }
        return hits;
    }
};

// A history row that fails leaves the transaction open; DoUpdate rolls it back,
// clears the flag, and a later failure on the same object rolls nothing back.
TEST(Version29, FailingHistoryRowRollsBackTheHistory) {
    StepRun run;
    run.fake->FailWhenContains("'2003-11-9'", "违反了 PRIMARY KEY 约束。", 1);

    EXPECT_FALSE(run.component.DoUpdate(29));
    ASSERT_EQ(run.shown.size(), 1u);
    EXPECT_EQ(run.shown[0], "违反了 PRIMARY KEY 约束。");

    const std::vector<Sent>& log = run.fake->Log();
    EXPECT_EQ(run.fake->CountOf(Sent::Kind::Begin), 1);
    EXPECT_EQ(run.fake->CountOf(Sent::Kind::Commit), 0);
    EXPECT_EQ(run.fake->CountOf(Sent::Kind::Rollback), 1);
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back().kind, Sent::Kind::Rollback);

    // The table and its defaults, then rows 1 to 4; row 4 failed and nothing followed.
    const std::vector<std::string> executed = run.fake->Executed();
    ASSERT_EQ(executed.size(), 6u);
    EXPECT_TRUE(StartsWith(executed[0], "CREATE TABLE [dbo].[T升级列表]"));
    for (std::size_t i = 2; i < executed.size(); ++i) {
        EXPECT_TRUE(StartsWith(executed[i], "Insert Into T升级列表")) << executed[i];
    }
    EXPECT_NE(executed[5].find("增加了护士工作站(住院管理)的【图形操作桌面】"), std::string::npos);

    // The flag was cleared: a second run failing at its first statement rolls nothing back.
    run.fake->FailWhenContains("CREATE TABLE [dbo].[T升级列表]", "数据库中已存在名为 'T升级列表' 的对象。");
    EXPECT_FALSE(run.component.DoUpdate(29));
    EXPECT_EQ(run.fake->CountOf(Sent::Kind::Rollback), 1);
    EXPECT_EQ(run.shown.back(), "数据库中已存在名为 'T升级列表' 的对象。");
}

// The 37 history rows, and only they, lie between BeginTrans and CommitTrans; a
// failure after the commit leaves them in force and rolls nothing back.
TEST(Version29, FailureAfterTheCommitRollsNothingBack) {
    StepRun run;
    run.fake->FailWhenContains("ADD 挂号选医生", "列名 '挂号选医生' 已存在。");

    EXPECT_FALSE(run.component.DoUpdate(29));
    EXPECT_EQ(run.fake->CountOf(Sent::Kind::Rollback), 0);

    const std::vector<Sent>& log = run.fake->Log();
    const auto begin = std::find_if(log.begin(), log.end(), [](const Sent& s) { return s.kind == Sent::Kind::Begin; });
    const auto commit = std::find_if(log.begin(), log.end(), [](const Sent& s) { return s.kind == Sent::Kind::Commit; });
    ASSERT_NE(begin, log.end());
    ASSERT_NE(commit, log.end());
    ASSERT_LT(begin, commit);
    std::vector<std::string> inside;
    for (auto it = begin + 1; it != commit; ++it) {
        if (it->kind == Sent::Kind::Execute) inside.push_back(it->text);
    }
    ASSERT_EQ(inside.size(), 37u);
    for (const std::string& sql : inside) EXPECT_TRUE(StartsWith(sql, "Insert Into T升级列表")) << sql;
    EXPECT_NE(inside.front().find("'2003-5-1','2.0.0',2,"), std::string::npos);
    EXPECT_NE(inside.back().find("'2004-8-27','6.1.4',28,"), std::string::npos);
    EXPECT_EQ(log.back().text, "ALTER TABLE [dbo].[T医院资料] ADD 挂号选医生 tinyint");
}

// The statements of the step follow the order the release needs: every
// landmark below is sent, each after the one before it.
TEST(Version29, StatementsInOrderWithTheLogRowsBetweenThem) {
    StepRun run;
    ASSERT_TRUE(run.component.DoUpdate(29));

    const std::vector<std::string> landmarks = {
        "CREATE TABLE [dbo].[T升级列表]",
        "WITH NOCHECK ADD \r\n\tCONSTRAINT [DF_T升级列表_发生日期]",
        "【榆舟电子处方系统】",
        "ADD 挂号选医生 tinyint",
        "ADD 挂号选科室 tinyint",
        "UPDATE T医院资料 SET 挂号选医生=1,挂号选科室=1",
        "DROP CONSTRAINT FK_D挂号列表_T科室档案",
        "DROP CONSTRAINT FK_D挂号列表_T员工档案",
        "ALTER FUNCTION dbo.Do挂号票据列表与管理",
        "ALTER FUNCTION dbo.Do挂号明细表",
        "增加挂号收费时可定义是否需要选择处方医生及科室的功能",
        "改进了挂号收费以及门诊收费的操作界面",
        "ADD 住院取整方式 tinyint",
        "ADD 住院取整位置 tinyint",
        "UPDATE T医院资料 SET 住院取整方式=0,住院取整位置=0",
        "【每笔处方金额取整】",
        "【总金额自动取整到伍角】",
        "Insert Into F报表列表(编号,名称,模式) Values (104,'#调价单','N')",
        "Insert Into T综合选项(编码,名称,类别) Values ('01','通用调价','调价原因')",
        "ALTER VIEW dbo.VJXS药品卫材",
        "ALTER FUNCTION dbo.Do药品变化明细",
        "CREATE TABLE [dbo].[D调价单]",
        "CREATE TABLE [dbo].[D调价数据]",
        "CONSTRAINT [PK_D调价单]",
        "CONSTRAINT [DF__D调价数据__行序__33807B34] DEFAULT (0) FOR [行序]",
        "CONSTRAINT [FK_D调价单_T库房药房]",
        "CONSTRAINT [FK_D调价数据_D调价单]",
        "增加了库存药品【成本调价】的功能",
        "增加了【统计报表 自动排序】的功能",
        "ALTER FUNCTION dbo.Do挂号汇总表_月报表",
        "ALTER FUNCTION dbo.Do挂号汇总表_年报表",
        "【速度提高了180%】",
        "【互相调用科室及医生】",
        "If exists (select * from dbo.sysobjects where id = object_id(N'[dbo].[QVRunSystem]') and "
        "OBJECTPROPERTY(id, N'IsProcedure') = 1)\r\ndrop procedure [dbo].[QVRunSystem]",
        "CREATE PROCEDURE dbo.QVAutoRun",
        "Set 显示标题='编号' Where 表编号=20002 And 字段名称='收款人'",
        "Set 显示标题='姓名' Where 表编号=20002 And 字段名称='名称'",
        "增加了【业务导航图】！",
        "Values (139,'允许使用导航图',70,110)",
        "数据类型='E'\r\nUpdate F报表格式 Set 对齐方式='R' Where 表编号>=20001 And 数据类型='J'",
    };
    const std::vector<std::string> executed = run.fake->Executed();
    std::size_t at = 0;
    for (const std::string& landmark : landmarks) {
        while (at < executed.size() && executed[at].find(landmark) == std::string::npos) ++at;
        ASSERT_LT(at, executed.size()) << "not sent in its place: " << landmark;
        ++at;
    }
    EXPECT_EQ(at, executed.size()) << "statements after the last one of the step";

    EXPECT_EQ(run.ExecutedContaining("Insert Into T升级列表").size(), 46u);
    EXPECT_EQ(run.ExecutedContaining("Values (104,").size(), 50u);  // form 104: 1 + 22 + 22 + 5
    EXPECT_EQ(run.fake->CountOf(Sent::Kind::Begin), 1);
    EXPECT_EQ(run.fake->CountOf(Sent::Kind::Commit), 1);
}

}  // namespace
}  // namespace quenvatrix::testing
