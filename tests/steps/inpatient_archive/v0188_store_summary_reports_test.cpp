#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

using Kind = Sent::Kind;

const std::vector<std::string> kStoreViewFields = {"编号", "名称",   "类别",   "种类",     "有效状态", "备注",
                                                   "所属类", "编码", "保管员", "门诊发药", "住院发药"};

struct Fixture {
    std::shared_ptr<FakeConnection> fake = std::make_shared<FakeConnection>();
    clsUpdate component;
    std::vector<std::string> shown;

    Fixture() {
        component.set_pCn(fake);
        component.SetMessageSink([this](const std::string& text, const std::string&) { shown.push_back(text); });
    }

    void Fields(const std::string& source, std::vector<std::string> names) {
        fake->AnswerExactly("Select * From " + source + " Where 1=2", Rows{std::move(names), {}});
    }

    // The statements executed after the n-th query (0-based) up to the next query.
    std::vector<std::string> AfterQuery(std::size_t n) const {
        std::vector<std::string> out;
        std::size_t seen = 0;
        bool inside = false;
        for (const Sent& sent : fake->Log()) {
            if (sent.kind == Kind::Query) {
                if (inside) break;
                inside = seen++ == n;
            } else if (inside && sent.kind == Kind::Execute) {
                out.push_back(sent.text);
            }
        }
        return out;
    }

    std::vector<std::string> Queries() const {
        std::vector<std::string> out;
        for (const Sent& sent : fake->Log()) {
            if (sent.kind == Kind::Query) out.push_back(sent.text);
        }
        return out;
    }

    std::ptrdiff_t IndexOf(const std::string& fragment) const {
        const auto statements = fake->Statements();
        for (std::size_t i = 0; i < statements.size(); ++i) {
            if (statements[i].find(fragment) != std::string::npos) return static_cast<std::ptrdiff_t>(i);
        }
        return -1;
    }
};

std::string Row(int report, const std::string& field, int order) {
    return "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号) VALUES (" + std::to_string(report) + ",'" + field +
           "','" + field + "'," + std::to_string(order) + ")";
}

std::string TotalRow(int report) {
    return "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (" + std::to_string(report) +
           ",'合计金额','合计金额',501,'E',0)";
}

std::string OrderUpdate(int report, int order, const std::string& field) {
    return "UPDATE F报表格式 SET 序号=" + std::to_string(order) + " WHERE 表编号=" + std::to_string(report) +
           " AND 字段名称='" + field + "'";
}

TEST(Version188, GeneratesOneColumnPerSourceFieldThenTheTotalAndLeadsWithCodeAndName) {
    Fixture f;
    f.Fields("VJ库房药房", kStoreViewFields);
    ASSERT_TRUE(f.component.DoUpdate(188));

    // Queries: 362 drugs, 363 partners, 365 stores, then the same for 367, 368, 370.
    const std::vector<std::string> sources = {"VJ药品卫材", "T供货单位", "VJ库房药房",
                                              "VJ药品卫材", "T供货单位", "VJ库房药房"};
    ASSERT_EQ(f.Queries().size(), sources.size());
    for (std::size_t i = 0; i < sources.size(); ++i) {
        EXPECT_EQ(f.Queries()[i], "Select * From " + sources[i] + " Where 1=2");
    }

    // Report 365: eleven columns at 500, the total, the code and name moved to 0 and 1,
    // then the fixed columns of report 366.
    std::vector<std::string> expected;
    for (const std::string& field : kStoreViewFields) expected.push_back(Row(365, field, 500));
    expected.push_back(TotalRow(365));
    expected.push_back(OrderUpdate(365, 0, "编号"));
    expected.push_back(OrderUpdate(365, 1, "名称"));
    expected.push_back(Row(366, "药品类型", 2));
    expected.push_back(
        "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (366,'合计金额','合计金额',3,'E',0)");
    expected.push_back("INSERT INTO F报表列表 (编号,名称) VALUES (367,'出库汇总表_药品名称')");
    const auto after365 = f.AfterQuery(2);
    ASSERT_GE(after365.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(after365.begin(), after365.begin() + expected.size()), expected);

    // Report 370 gets the same twelve rows.
    const auto after370 = f.AfterQuery(5);
    ASSERT_GE(after370.size(), 14u);
    EXPECT_EQ(after370[0], Row(370, "编号", 500));
    EXPECT_EQ(after370[10], Row(370, "住院发药", 500));
    EXPECT_EQ(after370[11], TotalRow(370));

    // The five report rows come before the first query; the required flag is the last statement.
    EXPECT_EQ(f.fake->Statements().front(), "INSERT INTO F报表列表 (编号,名称) VALUES (362,'入库汇总表_药品名称')");
    EXPECT_EQ(f.fake->Statements()[5], "Select * From VJ药品卫材 Where 1=2");
    EXPECT_EQ(f.fake->Statements().back(),
              "UPDATE F报表格式 SET 此列必选=1 WHERE 表编号>=362 AND 表编号<=371 AND (字段名称='编号' OR "
              "字段名称='名称' OR 字段名称='编码')");
}

TEST(Version188, SourceWithoutFieldsGetsOnlyTheTotalAndTheTwoUpdates) {
    Fixture f;  // no query answered: every source yields no fields
    ASSERT_TRUE(f.component.DoUpdate(188));

    // Report 363, then the fixed columns of report 364.
    const std::vector<std::string> expected = {
        TotalRow(363),
        OrderUpdate(363, 0, "编号"),
        OrderUpdate(363, 1, "名称"),
        Row(364, "编码", 1),
        Row(364, "名称", 2),
        "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (364,'合计金额','合计金额',3,'E',0)",
    };
    EXPECT_EQ(f.AfterQuery(1), expected);
}

TEST(Version188, FieldNameWithAnApostropheIsQuotedSafely) {
    Fixture f;
    f.Fields("T供货单位", {"编号", "O'Brien"});
    ASSERT_TRUE(f.component.DoUpdate(188));

    const auto after363 = f.AfterQuery(1);
    ASSERT_GE(after363.size(), 2u);
    EXPECT_EQ(after363[0], Row(363, "编号", 500));
    EXPECT_EQ(after363[1],
              "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号) VALUES (363,'O''Brien','O''Brien',500)");
}

TEST(Version188, FailingFieldQueryEndsTheStepKeepingTheRowsBeforeIt) {
    Fixture f;
    f.Fields("VJ药品卫材", {"编号", "名称"});
    f.fake->FailWhenContains("Select * From VJ库房药房 Where 1=2", "Invalid object name 'VJ库房药房'.");
    EXPECT_FALSE(f.component.DoUpdate(188));
    ASSERT_EQ(f.shown.size(), 1u);
    EXPECT_NE(f.shown[0].find("VJ库房药房"), std::string::npos);

    // 362, 363 and 364 are written; the failed query is the last thing sent.
    EXPECT_GE(f.IndexOf("(362,'编号','编号',500)"), 0);
    EXPECT_GE(f.IndexOf("(364,'合计金额','合计金额',3,'E',0)"), 0);
    EXPECT_EQ(f.fake->Statements().back(), "Select * From VJ库房药房 Where 1=2");
    EXPECT_EQ(f.IndexOf("序号) VALUES (365,"), -1);
}

TEST(Version191, UnitNamesViewPaperSizeThenTheTransferSummaries) {
    Fixture f;
    f.Fields("VJ药品卫材", {"生产厂商", "编号", "名称"});
    f.Fields("VJ库房药房", kStoreViewFields);
    ASSERT_TRUE(f.component.DoUpdate(191));

    const std::vector<std::string> inOrder = {
        "ALTER TABLE D住院档案 ALTER COLUMN 所在单位 nvarchar(50)",
        "ALTER TABLE OLD住院档案 ALTER COLUMN 所在单位 nvarchar(50)",
        "UPDATE D住院档案 SET 所在单位=Left(T病人单位.名称,50)",
        "UPDATE OLD住院档案 SET 所在单位=Left(T病人单位.名称,50)",
        "ALTER VIEW dbo.VJ住院档案",
        "ALTER TABLE T网络列表 ADD 打印纸张尺寸 tinyint DEFAULT 0",
        "UPDATE T网络列表 SET 打印纸张尺寸=0",
        "VALUES (374,'调拨汇总表_药品名称')",
        "VALUES (378,'调拨汇总表_药品剂型')",
        "Select * From VJ药品卫材 Where 1=2",
    };
    std::ptrdiff_t previous = -1;
    for (const std::string& fragment : inOrder) {
        const auto at = f.IndexOf(fragment);
        ASSERT_GT(at, previous) << fragment;
        previous = at;
    }

    ASSERT_EQ(f.Queries().size(), 3u);
    const std::vector<std::string> after374 = {
        Row(374, "生产厂商", 500), Row(374, "编号", 500), Row(374, "名称", 500), TotalRow(374),
        OrderUpdate(374, 0, "编号"), OrderUpdate(374, 1, "名称"),
    };
    EXPECT_EQ(f.AfterQuery(0), after374);
    EXPECT_EQ(f.Queries()[1], "Select * From VJ库房药房 Where 1=2");
    EXPECT_EQ(f.Queries()[2], "Select * From VJ库房药房 Where 1=2");
    EXPECT_EQ(f.AfterQuery(1).size(), 14u);
    const auto after376 = f.AfterQuery(2);
    ASSERT_EQ(after376.size(), 18u);  // 376's fourteen rows, then 377's and 378's two each
    EXPECT_EQ(after376[0], Row(376, "编号", 500));
    EXPECT_EQ(after376[14], Row(377, "药品类型", 2));
    EXPECT_EQ(after376[16], Row(378, "药品剂型", 2));
    EXPECT_EQ(f.fake->Statements().back(),
              "INSERT INTO F报表格式 (表编号,字段名称,显示标题,序号,数据类型,统计结果) VALUES (378,'合计金额','合计金额',3,'E',0)");
}

}  // namespace
}  // namespace quenvatrix::testing
