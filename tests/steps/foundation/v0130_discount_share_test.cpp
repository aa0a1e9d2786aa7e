#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

// The text of the first statement of `version` that begins with `start`.
std::string StatementOf(int version, const std::string& start) {
    auto fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    component.set_pCn(fake);
    component.SetMessageSink([](const std::string&, const std::string&) {});
    EXPECT_TRUE(component.DoUpdate(version));
    for (const std::string& sql : fake->Executed()) {
        if (sql.rfind(start, 0) == 0) return sql;
    }
    return {};
}

// Keywords are written in either case; Chinese names are left as they are.
std::string UpperKeywords(std::string text) {
    for (char& ch : text) {
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    }
    return text;
}

struct GuardCase {
    int version;
    const char* bedList;  // the option list whose entries beds use
};

void PrintTo(const GuardCase& c, std::ostream* os) { *os << "version " << c.version; }

class OptionDeleteGuard : public ::testing::TestWithParam<GuardCase> {};

// A statement deleting several options is refused when any of them is in use:
// the guard tests every deleted row instead of reading one row into variables.
TEST_P(OptionDeleteGuard, TestsEveryDeletedEntry) {
    const GuardCase& c = GetParam();
    const std::string body = UpperKeywords(StatementOf(c.version, "ALTER TRIGGER NoDelete_综合选项 ON "));
    ASSERT_FALSE(body.empty());
    EXPECT_EQ(body.find("= 类别"), std::string::npos) << body;
    EXPECT_EQ(body.find("=类别"), std::string::npos) << body;

    const struct {
        std::string list;
        std::string use;
        std::string message;
    } checks[] = {
        {"入库类型", "D入库单.入库方式 = D.编码", "RAISERROR ('该种入库类型已被#入库单使用,不能删除！', 16, 1)"},
        {"出库类型", "D出库单.出库方式 = D.编码", "RAISERROR ('该种出库类型已被#出库单使用,不能删除！', 16, 1)"},
        {c.bedList, "T床位档案.类别 = D.名称", "RAISERROR ('该项目已被床位档案使用,不能删除！', 16, 1)"},
    };
    std::string::size_type from = 0;
    for (const auto& check : checks) {
        const auto test = body.find("FROM DELETED D WHERE D.类别 = '" + check.list + "'", from);
        ASSERT_NE(test, std::string::npos) << check.list << "\n" << body;
        const auto use = body.find(check.use, test);
        const auto message = body.find(check.message, test);
        ASSERT_NE(use, std::string::npos) << check.list;
        ASSERT_NE(message, std::string::npos) << check.list;
        EXPECT_LT(use, message);
        const auto rollback = body.find("ROLLBACK TRANSACTION", message);
        ASSERT_NE(rollback, std::string::npos) << check.list;
        from = rollback;
    }
}

INSTANTIATE_TEST_SUITE_P(BedsAndWards, OptionDeleteGuard,
                         ::testing::Values(GuardCase{46, "床位类别"}, GuardCase{132, "病区名称"}),
                         [](const ::testing::TestParamInfo<GuardCase>& info) {
                             return "Version" + std::to_string(info.param.version);
                         });

}  // namespace
}  // namespace quenvatrix::testing
