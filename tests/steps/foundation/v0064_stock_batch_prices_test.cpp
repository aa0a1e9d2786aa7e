#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

constexpr const char* kCopyFromSalePrice = "UPDATE T药品卫材 SET 零售价格=销售定价";
constexpr const char* kFallbackFromStock = "RIGHT OUTER JOIN (SELECT 药品编号,Max(零售单价) AS 零售单价 FROM T库存药品";

// The step for version 66 on a fake connection, with what the user was shown.
struct Version66 : ::testing::Test {
    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;

    void SetUp() override {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }

    bool Sent(const std::string& fragment) const {
        for (const std::string& sql : fake->Executed()) {
            if (sql.find(fragment) != std::string::npos) return true;
        }
        return false;
    }
};

TEST_F(Version66, CopyFromSalePriceSucceedsAndNoStockPriceIsRead) {
    EXPECT_TRUE(component.DoUpdate(66));
    const std::vector<std::string> sent = fake->Executed();
    ASSERT_EQ(sent.size(), 6u);
    EXPECT_EQ(sent[0], "UPDATE F报表格式 SET 字段名称='所属类型' WHERE 表编号=220 AND 字段名称='所属类别'");
    EXPECT_EQ(sent[1], "UPDATE F报表格式 SET 字段名称='所属类型' WHERE 表编号=226 AND 字段名称='所属类别'");
    EXPECT_EQ(sent[5], kCopyFromSalePrice);
    EXPECT_FALSE(Sent(kFallbackFromStock));
    EXPECT_TRUE(shown.empty());
}

TEST_F(Version66, FailedCopyFallsBackToHighestStockPriceAndTheStepSucceeds) {
    fake->FailWhenContains(kCopyFromSalePrice, "列名 '销售定价' 无效。");
    EXPECT_TRUE(component.DoUpdate(66));
    const std::vector<std::string> sent = fake->Executed();
    ASSERT_EQ(sent.size(), 7u);
    EXPECT_EQ(sent[5], kCopyFromSalePrice);
    EXPECT_EQ(sent[6],
              "UPDATE T药品卫材 SET 零售价格=B.零售单价 FROM T药品卫材 RIGHT OUTER JOIN (SELECT 药品编号,"
              "Max(零售单价) AS 零售单价 FROM T库存药品 GROUP BY 药品编号) B ON T药品卫材.编号=B.药品编号");
    // The error of the copy is cleared: nothing is reported.
    EXPECT_TRUE(shown.empty());
    EXPECT_EQ(component.LastErrorDescription(), "");
    EXPECT_EQ(component.LastErrorNumber(), 0);
}

TEST_F(Version66, FailedFallbackFailsTheStepWithItsOwnError) {
    fake->FailWhenContains(kCopyFromSalePrice, "列名 '销售定价' 无效。");
    fake->FailWhenContains(kFallbackFromStock, "列名 '零售单价' 无效。");
    EXPECT_FALSE(component.DoUpdate(66));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "列名 '零售单价' 无效。");
    EXPECT_EQ(fake->Executed().size(), 7u);
}

// Only the copy is guarded: a failure before it ends the step in the ordinary
// way, and neither the copy nor the fallback is sent.
TEST_F(Version66, FailureBeforeTheGuardedCopyEndsTheStep) {
    fake->FailWhenContains("INSERT INTO F报表格式", "违反了 PRIMARY KEY 约束。");
    EXPECT_FALSE(component.DoUpdate(66));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "违反了 PRIMARY KEY 约束。");
    EXPECT_EQ(fake->Executed().size(), 5u);
    EXPECT_FALSE(Sent(kCopyFromSalePrice));
    EXPECT_FALSE(Sent(kFallbackFromStock));
}

// After the fallback has rescued one run, a later failing version still
// reports its own error: the cleared state does not hide anything.
TEST_F(Version66, ClearedErrorDoesNotLeakIntoTheNextCall) {
    fake->FailWhenContains(kCopyFromSalePrice, "列名 '销售定价' 无效。", 1);
    EXPECT_TRUE(component.DoUpdate(66));
    fake->FailWhenContains("ALTER TABLE T药品卫材 ADD 零售价格", "列名已存在。");
    EXPECT_FALSE(component.DoUpdate(66));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "列名已存在。");
}

}  // namespace
}  // namespace quenvatrix::testing
