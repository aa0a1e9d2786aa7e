#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

struct Fixture {
    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;

    Fixture() {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }

    std::vector<std::string> Containing(const std::string& fragment) const {
        std::vector<std::string> out;
        for (const std::string& sql : fake->Executed()) {
            if (sql.find(fragment) != std::string::npos) out.push_back(sql);
        }
        return out;
    }
    std::ptrdiff_t IndexOf(const std::string& fragment) const {
        const auto sent = fake->Executed();
        for (std::size_t i = 0; i < sent.size(); ++i) {
            if (sent[i].find(fragment) != std::string::npos) return static_cast<std::ptrdiff_t>(i);
        }
        return -1;
    }
};

// Report 380 gets exactly the columns 编号, 名称 and 第3列 … 第100列, each
// caption equal to its name and its order the column's number.
TEST(Version198, MultiColumnSummaryHasOneHundredColumnsNumberedThreeToOneHundred) {
    Fixture f;
    ASSERT_TRUE(f.component.DoUpdate(198));

    const std::regex row(
        R"(^INSERT INTO F报表格式 \(表编号,字段名称,显示标题,序号,此列屏蔽,显示长度,对齐方式,此列必选,数据类型,统计结果,表头对齐\) )"
        R"(VALUES \(380,'([^']*)','([^']*)',(-?\d+),0,1000,'L',0,'([SE])',(-?\d+),'C'\)$)");
    std::vector<int> orders;
    std::set<std::string> names;
    for (const std::string& sql : f.Containing("INSERT INTO F报表格式")) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(sql, m, row)) << sql;
        const std::string name = m[1];
        const int order = std::stoi(m[3]);
        EXPECT_EQ(m[2], name);
        if (order <= 1) {
            EXPECT_EQ(name, order == 0 ? "编号" : "名称");
            EXPECT_EQ(m[4], "S");
            EXPECT_EQ(m[5], "-1");
        } else {
            EXPECT_EQ(name, "第" + std::to_string(order) + "列");
            EXPECT_EQ(m[4], "E");
            EXPECT_EQ(m[5], "0");
        }
        orders.push_back(order);
        names.insert(name);
    }
    ASSERT_EQ(orders.size(), 100u);
    EXPECT_EQ(names.size(), 100u);
    std::vector<int> expected = {0, 1};
    for (int i = 3; i <= 100; ++i) expected.push_back(i);
    EXPECT_EQ(orders, expected);

    // The switch comes first, the report row before its fields and columns.
    EXPECT_EQ(f.IndexOf("ALTER TABLE T医院资料 ADD 门诊显示合计 bit"), 0);
    EXPECT_EQ(f.IndexOf("UPDATE T医院资料 SET 门诊显示合计=1"), 1);
    EXPECT_EQ(f.IndexOf("INSERT INTO F报表列表 (编号,名称) VALUES (380,'多元汇总表')"), 2);
    const auto fields = f.Containing("INSERT INTO F扩展字段");
    ASSERT_EQ(fields.size(), 13u);
    EXPECT_EQ(fields.front(), "INSERT INTO F扩展字段 (表编号,字段名称) VALUES (380,'开始时间')");
    EXPECT_EQ(fields.back(), "INSERT INTO F扩展字段 (表编号,字段名称) VALUES (380,'取表头n')");
    EXPECT_LT(f.IndexOf("取表头n"), f.IndexOf("VALUES (380,'编号'"));
    EXPECT_EQ(f.fake->Executed().size(), 3u + 13u + 100u);
}

// The negative-stock guard, read from the trigger's text: it fires on updates
// only, looks at the updated rows of stores that forbid negative stock, and
// raises the message before it undoes the transaction.
TEST(Version197, TriggerRefusesNegativeStockOnUpdateOnly) {
    Fixture f;
    ASSERT_TRUE(f.component.DoUpdate(197));
    const auto triggers = f.Containing("CREATE TRIGGER");
    ASSERT_EQ(triggers.size(), 1u);
    const std::string& body = triggers.front();

    EXPECT_NE(body.find("CREATE TRIGGER dbo.Do检查库存 ON dbo.T库存药品\r\nFOR UPDATE\r\nAS\r\n"), std::string::npos);
    EXPECT_NE(body.find("FROM Inserted A INNER JOIN dbo.T库房药房 B ON A.仓库编号 = B.编号"), std::string::npos);
    EXPECT_NE(body.find("WHERE B.负库存 = 0 AND A.库存数量 < 0"), std::string::npos);
    const auto raise = body.find("RAISERROR ('库存不能小于零!', 16, 1)");
    const auto rollback = body.find("ROLLBACK TRANSACTION");
    ASSERT_NE(raise, std::string::npos);
    ASSERT_NE(rollback, std::string::npos);
    EXPECT_LT(raise, rollback);
    // Both inside the one branch taken when a row goes negative.
    const auto begin = body.find("BEGIN");
    const auto end = body.find("END");
    EXPECT_LT(begin, raise);
    EXPECT_LT(rollback, end);
}

TEST(Version197, StatementsInOrderWithTheDropRightBeforeTheTrigger) {
    Fixture f;
    ASSERT_TRUE(f.component.DoUpdate(197));
    const std::vector<std::string> order = {
        "ALTER TABLE T库房药房 ADD 负库存 bit DEFAULT 0",
        "UPDATE T库房药房 SET 负库存=0",
        "VALUES (24,'负库存','负库存',100,'S',-1)",
        "ALTER VIEW dbo.VJ库房药房",
        "DELETE FROM F报表格式 WHERE 表编号=24 AND 字段名称='保管员'",
        "ALTER TABLE T库存药品 DROP CONSTRAINT CK_T库存药品",
        "CREATE TRIGGER dbo.Do检查库存",
    };
    ASSERT_EQ(f.fake->Executed().size(), order.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(f.IndexOf(order[i]), static_cast<std::ptrdiff_t>(i)) << order[i];
    }
    // The store list words the switch; NULL counts as not allowed.
    EXPECT_NE(f.fake->Executed()[3].find("CASE WHEN K.负库存 = 1 THEN '允许' ELSE '不允许' END AS 负库存"),
              std::string::npos);
}

// Without the constraint the drop fails: what came before stays sent, the
// trigger is never created and the user sees the provider's message.
TEST(Version197, MissingConstraintEndsTheStepBeforeTheTrigger) {
    Fixture f;
    f.fake->FailWhenContains("DROP CONSTRAINT CK_T库存药品", "CK_T库存药品 is not a constraint.");
    EXPECT_FALSE(f.component.DoUpdate(197));
    EXPECT_EQ(f.Containing("CREATE TRIGGER").size(), 0u);
    EXPECT_EQ(f.IndexOf("DELETE FROM F报表格式 WHERE 表编号=24"), 4);
    ASSERT_EQ(f.shown.size(), 1u);
    EXPECT_NE(f.shown.front().find("CK_T库存药品 is not a constraint."), std::string::npos);
}

// The drug view keeps its earlier columns and ends with the conversion text.
TEST(Version195, DrugViewEndsWithTheConversionText) {
    Fixture f;
    ASSERT_TRUE(f.component.DoUpdate(195));
    const auto views = f.Containing("ALTER VIEW dbo.VJXS药品卫材");
    ASSERT_EQ(views.size(), 1u);
    EXPECT_NE(views.front().find("dbo.T药品卫材.*, 0 AS 销售金额, 0 AS 会员销售金额,\r\n'1' + dbo.T药品卫材.辅助单位 + '=' + "
                                 "CAST(dbo.T药品卫材.换算关系 AS varchar) + dbo.T药品卫材.药品单位 AS 药品换算关系\r\nFROM"),
              std::string::npos);
    // The view comes after form 101's rows and before form 102's.
    EXPECT_EQ(f.IndexOf("ALTER VIEW dbo.VJXS药品卫材"), 2);
    EXPECT_EQ(f.IndexOf("INSERT INTO T单据格式 VALUES (102,'药品换算关系',0,0,0,0)"), 3);
    EXPECT_EQ(f.fake->Executed().back(), "ALTER TABLE D病员档案 ADD 病员照片 Image");
}

}  // namespace
}  // namespace quenvatrix::testing
