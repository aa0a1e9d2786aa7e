#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

class Version137 : public ::testing::Test {
protected:
    void SetUp() override {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }

    std::ptrdiff_t IndexOf(const std::string& sql) const {
        const auto it = std::find(sent.begin(), sent.end(), sql);
        return it == sent.end() ? -1 : it - sent.begin();
    }

    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;
    std::vector<std::string> sent;
};

// Permissions 88 and 112 are deleted and their numbers given to two new top
// categories. Their grants are deleted before the numbers are used again, so a
// role that held the old permission does not silently hold the new category;
// grants of the other deleted numbers are left as they are.
TEST_F(Version137, GrantsOfTheReusedNumbersGoBeforeTheNumbersAreUsedAgain) {
    ASSERT_TRUE(component.DoUpdate(137)) << (shown.empty() ? "" : shown[0]);
    sent = fake->Executed();

    const auto grants = IndexOf("DELETE FROM D角色权限 WHERE 权限编号 IN (112,88)");
    const auto rows = IndexOf("DELETE FROM T操作权限 WHERE 编号 IN (112,88,109,150,151,42,43,154,155,156,157,63,133)");
    const auto doctorStations = IndexOf("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (112,'医生医技站',0,112)");
    const auto enhanced = IndexOf("INSERT INTO T操作权限 (编号,名称,所属分类,序号) VALUES (88,'增强运用',0,1)");
    ASSERT_GE(grants, 0);
    ASSERT_GE(rows, 0);
    EXPECT_EQ(rows, grants + 1);
    EXPECT_LT(rows, doctorStations);
    EXPECT_LT(doctorStations, enhanced);

    int grantStatements = 0;
    for (const std::string& sql : sent) grantStatements += sql.find("D角色权限") != std::string::npos ? 1 : 0;
    EXPECT_EQ(grantStatements, 1);
}

}  // namespace
}  // namespace quenvatrix::testing
