#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

using Strings = std::vector<std::string>;

const std::string kTriggerQuery =
    "select A.name from sysobjects A,(select name,parent_obj from sysobjects where type = N'TR') B "
    "where A.ID=B.parent_obj";

Rows TriggerTables(const Strings& tables) {
    Rows rows{{"name"}, {}};
    for (const std::string& table : tables) rows.rows.push_back({Value(table)});
    return rows;
}

class TriggerStateTest : public ::testing::Test {
protected:
    TriggerStateTest() : fake(std::make_shared<FakeConnection>()) { component.set_pCn(fake); }

    std::shared_ptr<FakeConnection> fake;
    clsUpdate component;
};

TEST_F(TriggerStateTest, ADatabaseWithoutTriggersGetsOnlyTheQuery) {
    component.Do触发器状态(0);
    EXPECT_EQ(fake->Statements(), Strings{kTriggerQuery});
}

TEST_F(TriggerStateTest, OneStatementPerTriggerInTheServersOrder) {
    fake->AnswerExactly(kTriggerQuery, TriggerTables({"T药品卫材", "D门诊收费", "D门诊收费"}));
    component.Do触发器状态(0);
    component.Do触发器状态(1);
    component.Do触发器状态(-1);
    const Strings disable = {"alter table [T药品卫材] disable trigger all", "alter table [D门诊收费] disable trigger all",
                             "alter table [D门诊收费] disable trigger all"};
    const Strings enable = {"alter table [T药品卫材] enable  trigger all", "alter table [D门诊收费] enable  trigger all",
                            "alter table [D门诊收费] enable  trigger all"};
    Strings expected = disable;
    expected.insert(expected.end(), enable.begin(), enable.end());
    expected.insert(expected.end(), enable.begin(), enable.end());
    EXPECT_EQ(fake->Executed(), expected);
}

TEST_F(TriggerStateTest, TheFirstFailingStatementFailsTheCallAndEarlierTablesStaySwitched) {
    fake->AnswerExactly(kTriggerQuery, TriggerTables({"T甲", "T乙", "T丙"}));
    fake->FailWhenContains("[T乙]", "Cannot find the object \"T乙\".");
    try {
        component.Do触发器状态(0);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Description(), "Cannot find the object \"T乙\".");
    }
    EXPECT_EQ(fake->Executed(),
              (Strings{"alter table [T甲] disable trigger all", "alter table [T乙] disable trigger all"}));
}

TEST(TriggerState, WithoutAConnectionTheCallFails) {
    clsUpdate component;
    EXPECT_THROW(component.Do触发器状态(1), Error);
}

}  // namespace
}  // namespace quenvatrix::testing
