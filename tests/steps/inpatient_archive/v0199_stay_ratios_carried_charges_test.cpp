#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <regex>
#include <string>
#include <utility>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

std::vector<std::string> RunStep(int version) {
    auto fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    component.set_pCn(fake);
    component.SetMessageSink([](const std::string&, const std::string&) {});
    EXPECT_TRUE(component.DoUpdate(version));
    return fake->Executed();
}

// The output columns of a view: its select list split at the commas that lie
// outside parentheses, each item's name being what follows AS, or the column
// after the last point.
std::vector<std::string> OutputColumns(const std::string& view) {
    const auto select = view.find("SELECT ");
    const auto from = view.find("\r\nFROM ");
    std::vector<std::string> items;
    std::string current;
    int depth = 0;
    for (std::size_t i = select + 7; i < from; ++i) {
        const char c = view[i];
        if (c == '(') ++depth;
        if (c == ')') --depth;
        if (c == ',' && depth == 0) {
            items.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    items.push_back(current);
    std::vector<std::string> names;
    for (std::string item : items) {
        while (!item.empty() && std::isspace(static_cast<unsigned char>(item.back()))) item.pop_back();
        const auto as = item.rfind(" AS ");
        const auto dot = item.rfind('.');
        names.push_back(as != std::string::npos ? item.substr(as + 4) : item.substr(dot + 1));
    }
    return names;
}

// Versions 199 and 200 each add a stay column to the live table and its twin,
// then re-issue the union view before the stay view that reads it; the stay
// view grows by that column at its end.
TEST(Versions199And200, StayColumnsReachTwinUnionAndStayView) {
    struct Case {
        int version;
        std::vector<std::string> order;
        std::vector<std::string> tail;
    };
    const std::vector<Case> cases = {
        {199,
         {"ALTER TABLE T医院资料 ADD 住院项目重复 bit", "UPDATE T医院资料 SET 住院项目重复=0",
          "ALTER TABLE D住院档案 ADD 重病比例 real DEFAULT 0", "ALTER TABLE OLD住院档案 ADD 重病比例 real DEFAULT 0",
          "UPDATE D住院档案 SET 重病比例=0", "UPDATE OLD住院档案 SET 重病比例=0", "ALTER VIEW dbo.ALL住院档案",
          "ALTER VIEW dbo.VJ住院档案"},
         {"工龄", "重病比例"}},
        {200,
         {"ALTER TABLE D住院档案 ADD 上次累计住院费 money DEFAULT 0", "UPDATE D住院档案 SET 上次累计住院费=0",
          "ALTER TABLE OLD住院档案 ADD 上次累计住院费 money DEFAULT 0", "UPDATE OLD住院档案 SET 上次累计住院费=0",
          "ALTER VIEW dbo.ALL住院档案", "ALTER VIEW dbo.VJ住院档案"},
         {"工龄", "重病比例", "上次累计住院费"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        const auto sent = RunStep(c.version);
        ASSERT_EQ(sent.size(), c.order.size());
        for (std::size_t i = 0; i < sent.size(); ++i) {
            EXPECT_EQ(sent[i].rfind(c.order[i], 0), 0u) << sent[i];
        }
        EXPECT_EQ(sent[sent.size() - 2],
                  "ALTER VIEW dbo.ALL住院档案\r\nAS\r\nSELECT * FROM dbo.D住院档案\r\nUNION ALL\r\nSELECT * FROM "
                  "dbo.OLD住院档案");

        const std::string& view = sent.back();
        const auto columns = OutputColumns(view);
        ASSERT_EQ(columns.size(), 59u + c.tail.size());
        EXPECT_EQ(columns.front(), "出院效果");
        EXPECT_EQ(columns[7], "所在单位");
        EXPECT_EQ(columns[29], "所在单位编号");
        EXPECT_EQ(std::vector<std::string>(columns.end() - c.tail.size(), columns.end()), c.tail);
        // The unit is the stored name; the union view is the source.
        EXPECT_NE(view.find("FROM dbo.ALL住院档案 DA\r\n    LEFT OUTER JOIN dbo.T病人单位 DW ON DA.所在单位 = DW.名称\r\n"),
                  std::string::npos);
        EXPECT_EQ(view.find(",\r\nFROM"), std::string::npos);
    }
}

// The stay view of versions 199 and 200 is the text of version 191 with the
// new stay columns appended to its select list, nothing else changed.
TEST(Versions199And200, StayViewIsTheEarlierTextWithTheNewColumnsAppended) {
    std::string earlier;
    for (const std::string& sql : RunStep(191)) {
        if (sql.rfind("ALTER VIEW dbo.VJ住院档案", 0) == 0) earlier = sql;
    }
    ASSERT_FALSE(earlier.empty());
    const auto from = earlier.find("\r\nFROM ");
    ASSERT_NE(from, std::string::npos);

    const std::vector<std::pair<int, std::string>> cases = {{199, ", DA.重病比例"},
                                                            {200, ", DA.重病比例, DA.上次累计住院费"}};
    for (const auto& [version, tail] : cases) {
        SCOPED_TRACE(version);
        std::string expected = earlier;
        expected.insert(from, tail);
        EXPECT_EQ(RunStep(version).back(), expected);
    }
}

TEST(Version201, PricingListEndsWithTheRuralSchemeCode) {
    const auto sent = RunStep(201);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[0], "ALTER TABLE T员工档案 ADD 保险提示类型 tinyint DEFAULT 0");
    EXPECT_EQ(sent[1], "UPDATE T员工档案 SET 保险提示类型=0");
    const auto columns = OutputColumns(sent[2]);
    const std::vector<std::string> expected = {"编码",     "编号",     "名称",     "生产批号", "规格",
                                               "生产厂商", "拼音简码", "五笔简码", "有效状态", "销售定价",
                                               "库存数量", "可用数量", "会员售价", "保险类别", "新农编码"};
    EXPECT_EQ(columns, expected);
}

// The price and cost columns of the summary reports: one delete over the three
// drug-grouped reports, then 26 inserts in report order.
TEST(Version203, ReplacesPriceColumnsWithTwentySixFixedRows) {
    const auto sent = RunStep(203);
    ASSERT_EQ(sent.size(), 27u);
    EXPECT_EQ(sent[0],
              "DELETE FROM F报表格式 WHERE 表编号 IN (362,367,374) AND (字段名称 like '%价%' OR 字段名称 like '%成本%')");

    const std::regex row(
        R"(^INSERT INTO F报表格式 \(表编号,字段名称,显示标题,序号\) VALUES \((\d+),'([^']*)','([^']*)',(\d+)\)$)");
    std::vector<std::pair<int, std::string>> rows;
    for (std::size_t i = 1; i < sent.size(); ++i) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(sent[i], m, row)) << sent[i];
        EXPECT_EQ(m[2], m[3]);
        const std::string name = m[2];
        const int order = std::stoi(m[4]);
        const int expectedOrder = name == "成本均价" ? 2000 : name == "成本金额" ? 2001 : name == "零售均价" ? 2002 : 2003;
        EXPECT_EQ(order, expectedOrder) << name;
        rows.emplace_back(std::stoi(m[1]), name);
    }
    std::vector<std::pair<int, std::string>> expected = {
        {367, "成本均价"}, {367, "成本金额"}, {367, "零售均价"}, {367, "零售金额"}};
    for (int report : {368, 369, 370, 371, 373}) {
        expected.emplace_back(report, "成本金额");
        expected.emplace_back(report, "零售金额");
    }
    for (const char* name : {"成本金额", "零售金额", "成本均价", "零售均价"}) expected.emplace_back(374, name);
    for (int report : {375, 376, 377, 378}) {
        expected.emplace_back(report, "成本金额");
        expected.emplace_back(report, "零售金额");
    }
    EXPECT_EQ(rows, expected);
}

}  // namespace
}  // namespace quenvatrix::testing
