#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

// The procedure text QVAutoRun receives at version 88.
std::string AutoRunText() {
    auto fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    component.set_pCn(fake);
    component.SetMessageSink([](const std::string&, const std::string&) {});
    EXPECT_TRUE(component.DoUpdate(88));
    const auto sent = fake->Executed();
    EXPECT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent.at(0).rfind("ALTER PROCEDURE QVAutoRun", 0), 0u);
    return sent.at(0);
}

// The text from `start` up to the next blank line: one statement of the body.
std::string StatementAt(const std::string& body, const std::string& start) {
    const auto from = body.find(start);
    if (from == std::string::npos) return {};
    const auto to = body.find("\r\n\r\n", from);
    return body.substr(from, to == std::string::npos ? std::string::npos : to - from);
}

TEST(DailyChargingAtVersion88, RecurringChargesOfAuditedStaysAreNeitherPostedNorLogged) {
    const std::string body = AutoRunText();
    const std::string total = StatementAt(body, "Select @自动记帐金额=");
    const std::string post = StatementAt(body, "Insert Into D住院记帐列表(住院编号,费用明细,单价,数量,处方医生,处方科室,核算科室,操作员,备注,记帐方式,金额)\r\nSelect A.住院编号,A.费用编号");
    const std::string log = StatementAt(body, "Update D经营日志列表 Set 住院记帐金额=住院记帐金额+IsNull(@自动记帐金额,0)");
    ASSERT_FALSE(total.empty());
    ASSERT_FALSE(post.empty());
    ASSERT_FALSE(log.empty());
    EXPECT_NE(total.find("B.已审核=0"), std::string::npos) << total;
    EXPECT_NE(post.find("B.已审核=0"), std::string::npos) << post;
}

TEST(DailyChargingAtVersion88, TheLoggedTotalIsTakenBeforeTheChargesArePosted) {
    const std::string body = AutoRunText();
    const auto total = body.find("Select @自动记帐金额=");
    const auto post = body.find("Select A.住院编号,A.费用编号");
    const auto log = body.find("IsNull(@自动记帐金额,0)");
    ASSERT_NE(total, std::string::npos);
    ASSERT_NE(post, std::string::npos);
    ASSERT_NE(log, std::string::npos);
    EXPECT_LT(total, post);
    EXPECT_LT(post, log);
    // The body stays one transaction.
    EXPECT_NE(body.find("AS\r\nBegin Tran\r\n"), std::string::npos);
    EXPECT_EQ(body.substr(body.size() - 8), "\r\nCommit");
}

TEST(DailyChargingAtVersion88, EveryStatementThatChargesAStaySkipsAuditedStays) {
    const std::string body = AutoRunText();
    // Bed-fee lines, bed totals, their posting to the stay, recurring totals
    // posted to the stay.
    for (const std::string start : {
             std::string("Insert Into D住院记帐列表(住院编号,费用明细,单价,数量,处方医生,处方科室,核算科室,操作员,备注,记帐方式,金额)\r\nSelect A.编号,'0005'"),
             std::string("Declare @tab1 Table"),
             std::string("Update D住院档案 Set 费用金额=D住院档案.费用金额+T.标准金额"),
             std::string("Update D住院档案 Set 费用金额=D住院档案.费用金额+T.金额"),
         }) {
        const std::string statement = StatementAt(body, start);
        ASSERT_FALSE(statement.empty()) << start;
        EXPECT_NE(statement.find("已审核=0"), std::string::npos) << statement;
    }
}

}  // namespace
}  // namespace quenvatrix::testing
