#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

struct Option {
    std::string code;
    std::string category;
    std::string name;
};

// Version 135 on a fake database whose option lists are the rows given plus
// whatever the step has inserted so far, so that each query sees the effect of
// the inserts before it.
class Version135 : public ::testing::Test {
protected:
    void SetUp() override {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
        fake->AnswerWith("FROM T综合选项 WHERE 类别=", [this](const std::string& sql) { return Answer(sql); });
    }

    std::vector<Option> CurrentOptions() const {
        std::vector<Option> all = options;
        const std::regex insert(R"(^INSERT INTO T综合选项 \(编码,类别,名称\) VALUES \('([^']*)','([^']*)','([^']*)'\)$)");
        for (const std::string& sql : fake->Executed()) {
            std::smatch m;
            if (std::regex_match(sql, m, insert)) all.push_back({m[1], m[2], m[3]});
        }
        return all;
    }

    static std::string Quoted(const std::string& sql, const std::string& column) {
        const std::regex pattern(column + "='([^']*)'");
        std::smatch m;
        return std::regex_search(sql, m, pattern) ? m[1].str() : std::string();
    }

    Rows Answer(const std::string& sql) const {
        const std::string category = Quoted(sql, "类别");
        const std::vector<Option> all = CurrentOptions();
        if (sql.rfind("SELECT Max(编码)", 0) == 0) {
            // An aggregate always answers one row; NULL over an empty list.
            Value highest = Value::Null();
            for (const Option& option : all) {
                if (option.category != category) continue;
                if (highest.IsNull() || option.code > highest.ToText()) highest = Value(option.code);
            }
            return Rows{{"Max"}, {{highest}}};
        }
        const std::string name = Quoted(sql, "名称");
        Rows rows{{"编码", "名称", "类别"}, {}};
        for (const Option& option : all) {
            if (option.category == category && option.name == name) {
                rows.rows.push_back({Value(option.code), Value(option.name), Value(option.category)});
            }
        }
        return rows;
    }

    std::vector<std::string> OptionInserts() const {
        std::vector<std::string> inserts;
        for (const std::string& sql : fake->Executed()) {
            if (sql.rfind("INSERT INTO T综合选项", 0) == 0) inserts.push_back(sql);
        }
        return inserts;
    }

    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;
    std::vector<Option> options;
};

std::string Inserted(const std::string& code, const std::string& category, const std::string& name) {
    return "INSERT INTO T综合选项 (编码,类别,名称) VALUES ('" + code + "','" + category + "','" + name + "')";
}

TEST_F(Version135, TypesAlreadyListedAreNotAddedButStillMarkedBuiltIn) {
    options = {{"01", "入库类型", "期初入库"}, {"02", "入库类型", "采购入库"}, {"03", "入库类型", "盘盈入库"},
               {"01", "出库类型", "销售出库"}, {"02", "出库类型", "盘亏出库"}};
    ASSERT_TRUE(component.DoUpdate(135)) << (shown.empty() ? "" : shown[0]);
    EXPECT_TRUE(OptionInserts().empty());

    std::vector<std::string> queries;
    for (const Sent& sent : fake->Log()) {
        if (sent.kind == Sent::Kind::Query) queries.push_back(sent.text);
    }
    EXPECT_EQ(queries, (std::vector<std::string>{
                           "SELECT * FROM T综合选项 WHERE 类别='入库类型' AND 名称='期初入库'",
                           "SELECT * FROM T综合选项 WHERE 类别='入库类型' AND 名称='采购入库'",
                           "SELECT * FROM T综合选项 WHERE 类别='入库类型' AND 名称='盘盈入库'",
                           "SELECT * FROM T综合选项 WHERE 类别='出库类型' AND 名称='销售出库'",
                           "SELECT * FROM T综合选项 WHERE 类别='出库类型' AND 名称='盘亏出库'",
                       }));
    const std::vector<std::string> sent = fake->Executed();
    EXPECT_NE(std::find(sent.begin(), sent.end(),
                        "UPDATE T综合选项 SET 内置=1 WHERE (类别='入库类型' AND 名称 IN ('期初入库','采购入库','盘盈入库')) OR "
                        "(类别='出库类型' AND 名称 IN ('销售出库','盘亏出库')) OR (类别='病人类型' AND 编码 IN ('01','02'))"),
              sent.end());
}

TEST_F(Version135, MissingTypesTakeTheNextCodesReadAgainForEachType) {
    // 采购入库 is listed; 期初入库 and 盘盈入库 are not, and the 出库类型 list is empty.
    options = {{"01", "入库类型", "调拨入库"}, {"02", "入库类型", "采购入库"}, {"03", "入库类型", "退货入库"},
               {"04", "入库类型", "捐赠入库"}, {"05", "入库类型", "其它入库"}, {"01", "病人类型", "普通"}};
    ASSERT_TRUE(component.DoUpdate(135)) << (shown.empty() ? "" : shown[0]);
    EXPECT_EQ(OptionInserts(), (std::vector<std::string>{
                                   Inserted("06", "入库类型", "期初入库"),
                                   Inserted("07", "入库类型", "盘盈入库"),
                                   Inserted("01", "出库类型", "销售出库"),
                                   Inserted("02", "出库类型", "盘亏出库"),
                               }));
    // Existence first, then the highest code of that list, then the insert.
    const std::vector<std::string> all = fake->Statements();
    const auto first = std::find(all.begin(), all.end(), "SELECT * FROM T综合选项 WHERE 类别='入库类型' AND 名称='期初入库'");
    ASSERT_NE(first, all.end());
    EXPECT_EQ(*(first + 1), "SELECT Max(编码) FROM T综合选项 WHERE 类别='入库类型'");
    EXPECT_EQ(*(first + 2), Inserted("06", "入库类型", "期初入库"));
    EXPECT_EQ(*(first + 3), "SELECT * FROM T综合选项 WHERE 类别='入库类型' AND 名称='采购入库'");
    EXPECT_EQ(*(first + 4), "SELECT * FROM T综合选项 WHERE 类别='入库类型' AND 名称='盘盈入库'");
}

// How the highest code of a list turns into the code of the added type: the
// number the text starts with, plus 1, as a 16-bit number, padded to two digits.
TEST_F(Version135, TheHighestCodeIsReadAsTheNumberItStartsWith) {
    struct Case {
        const char* highest;
        const char* expected;
    };
    for (const Case c : {Case{"A1", "01"}, Case{"", "01"}, Case{"9", "10"}, Case{"09", "10"}, Case{"99", "100"},
                         Case{" 7", "08"}, Case{"3X", "04"}, Case{"1.5", "02"}}) {
        SCOPED_TRACE(std::string("highest code '") + c.highest + "'");
        fake->ClearLog();
        // Only 期初入库 is missing; the list's highest code is the case's.
        options = {{c.highest, "入库类型", "采购入库"}, {c.highest, "入库类型", "盘盈入库"},
                   {"01", "出库类型", "销售出库"}, {"02", "出库类型", "盘亏出库"}};
        ASSERT_TRUE(component.DoUpdate(135)) << (shown.empty() ? "" : shown.back());
        EXPECT_EQ(OptionInserts(), (std::vector<std::string>{Inserted(c.expected, "入库类型", "期初入库")}));
    }
}

TEST_F(Version135, TheUnguardedKeyDropEndsTheStepAfterTheFrontPage) {
    fake->FailWhenContains("DROP CONSTRAINT FK_T药品卫材_T生产单位", "“FK_T药品卫材_T生产单位”不是约束。");
    EXPECT_FALSE(component.DoUpdate(135));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "“FK_T药品卫材_T生产单位”不是约束。");
    const std::vector<std::string> sent = fake->Executed();
    ASSERT_FALSE(sent.empty());
    EXPECT_EQ(sent.back(), "ALTER TABLE T药品卫材 DROP CONSTRAINT FK_T药品卫材_T生产单位");
    EXPECT_EQ(sent[sent.size() - 2].rfind("ALTER TABLE [dbo].[D病案首页] WITH NOCHECK ADD", 0), 0u);
}

TEST_F(Version135, TheUnionViewsComeFirstAndTheFrontPageHasItsColumns) {
    ASSERT_TRUE(component.DoUpdate(135));
    const std::vector<std::string> sent = fake->Executed();
    ASSERT_GE(sent.size(), 7u);
    EXPECT_EQ(sent[0], "CREATE VIEW dbo.ALL住院档案\r\nAS\r\nSELECT * FROM dbo.D住院档案\r\nUNION ALL\r\nSELECT * FROM dbo.OLD住院档案");
    EXPECT_EQ(sent[1].rfind("ALTER FUNCTION dbo.Do住院结帐列表", 0), 0u);
    EXPECT_EQ(sent[2].rfind("ALTER VIEW dbo.VJ住院档案", 0), 0u);
    EXPECT_EQ(sent[3], "CREATE VIEW dbo.ALL住院记帐列表\r\nAS\r\nSELECT * FROM dbo.D住院记帐列表\r\nUNION ALL\r\nSELECT * FROM dbo.OLD住院记帐列表");
    EXPECT_EQ(sent[4].rfind("CREATE VIEW dbo.ALL住院划价单\r\n", 0), 0u);
    EXPECT_EQ(sent[5].rfind("CREATE VIEW dbo.ALL住院划价数据\r\n", 0), 0u);
    EXPECT_EQ(sent[6].rfind("ALTER FUNCTION dbo.Do住院划价单统计表", 0), 0u);

    const auto table = std::find_if(sent.begin(), sent.end(), [](const std::string& sql) {
        return sql.rfind("CREATE TABLE [dbo].[D病案首页]", 0) == 0;
    });
    ASSERT_NE(table, sent.end());
    // One line per column between the opening line and ") ON [PRIMARY]".
    int columns = 0;
    for (std::size_t at = table->find("\r\n    ["); at != std::string::npos; at = table->find("\r\n    [", at + 1)) {
        ++columns;
    }
    EXPECT_EQ(columns, 193);
    EXPECT_NE(table->find("[术后并发手术] [nchar] (2) COLLATE Chinese_PRC_CI_AS NULL ,"), std::string::npos);
    EXPECT_NE(table->find("[主要诊断手术] [nchar] (1) COLLATE Chinese_PRC_CI_AS NULL ,"), std::string::npos);
    EXPECT_NE(table->find("[输血血桨] [real] NULL ,"), std::string::npos);
}

}  // namespace
}  // namespace quenvatrix::testing
