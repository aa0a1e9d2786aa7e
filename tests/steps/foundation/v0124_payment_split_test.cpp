#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

// The three columns whose default the step looks up before changing the type.
struct DefaultedColumn {
    std::string table;
    std::string column;
    std::string firstTypeChange;  // the statement that must come after the drop
};

const std::vector<DefaultedColumn> kColumns = {
    {"D门诊收费列表", "帐户支付", "ALTER TABLE D门诊收费列表 ALTER COLUMN 帐户支付 money"},
    {"T门诊项目", "会员金额", "ALTER TABLE T门诊项目 ALTER COLUMN 会员金额 real"},
    {"T门诊项目", "优惠金额", "ALTER TABLE T门诊项目 ALTER COLUMN 优惠金额 real"},
};

std::string CatalogueQuery(const DefaultedColumn& c) {
    return "Select object_name(stuff(','+convert(varchar,cdefault),1,1,'')) from syscolumns where id=object_id('" +
           c.table + "') and cdefault<>0 and name='" + c.column + "'";
}

std::string DefaultName(const DefaultedColumn& c) { return "DF__" + c.table + "__" + c.column + "__0815"; }

std::string DropStatement(const DefaultedColumn& c) {
    return " alter table " + c.table + " drop constraint  " + DefaultName(c);
}

std::ptrdiff_t IndexOf(const std::vector<std::string>& texts, const std::string& text) {
    const auto it = std::find(texts.begin(), texts.end(), text);
    return it == texts.end() ? -1 : it - texts.begin();
}

// Which of the three columns carry a default on the database at hand.
struct DefaultsCase {
    const char* name;
    std::set<std::string> withDefault;
};

void PrintTo(const DefaultsCase& c, std::ostream* os) { *os << c.name; }

class Version124Defaults : public ::testing::TestWithParam<DefaultsCase> {};

TEST_P(Version124Defaults, DropsExactlyTheDefaultsTheCatalogueNamesBeforeTheTypeChange) {
    const std::set<std::string>& withDefault = GetParam().withDefault;
    auto fake = std::make_shared<FakeConnection>();
    for (const DefaultedColumn& c : kColumns) {
        if (withDefault.count(c.column)) fake->AnswerExactly(CatalogueQuery(c), Rows{{""}, {{Value(DefaultName(c))}}});
    }
    clsUpdate component;
    component.set_pCn(fake);
    std::string shown;
    component.SetMessageSink([&shown](const std::string& text, const std::string&) { shown = text; });

    ASSERT_TRUE(component.DoUpdate(124)) << shown;

    const std::vector<std::string> sent = fake->Statements();
    const std::vector<std::string> executed = fake->Executed();
    for (const DefaultedColumn& c : kColumns) {
        SCOPED_TRACE(c.column);
        const auto query = IndexOf(sent, CatalogueQuery(c));
        const auto change = IndexOf(sent, c.firstTypeChange);
        ASSERT_GE(query, 0) << "the catalogue was not asked";
        ASSERT_GT(change, query);
        const auto drop = IndexOf(sent, DropStatement(c));
        if (withDefault.count(c.column)) {
            EXPECT_GT(drop, query);
            EXPECT_LT(drop, change);
        } else {
            EXPECT_EQ(drop, -1);
        }
    }
    const auto drops = std::count_if(executed.begin(), executed.end(), [](const std::string& s) {
        return s.find("drop constraint") != std::string::npos;
    });
    EXPECT_EQ(static_cast<std::size_t>(drops), withDefault.size());
}

INSTANTIATE_TEST_SUITE_P(EachWay, Version124Defaults,
                         ::testing::Values(DefaultsCase{"NoDefaults", {}},
                                           DefaultsCase{"AllDefaults", {"帐户支付", "会员金额", "优惠金额"}},
                                           DefaultsCase{"AccountShareOnly", {"帐户支付"}},
                                           DefaultsCase{"MemberPriceOnly", {"会员金额"}},
                                           DefaultsCase{"DiscountPriceOnly", {"优惠金额"}}),
                         [](const ::testing::TestParamInfo<DefaultsCase>& info) { return std::string(info.param.name); });

// Both price defaults are looked up and dropped before either price changes type,
// and each price passes through real on its way to text.
TEST(Version124, PricesLoseTheirDefaultsThenBecomeTextThroughReal) {
    auto fake = std::make_shared<FakeConnection>();
    for (const DefaultedColumn& c : kColumns) fake->AnswerExactly(CatalogueQuery(c), Rows{{""}, {{Value(DefaultName(c))}}});
    clsUpdate component;
    component.set_pCn(fake);
    component.SetMessageSink([](const std::string&, const std::string&) {});
    ASSERT_TRUE(component.DoUpdate(124));

    const std::vector<std::string> sent = fake->Statements();
    const auto start = IndexOf(sent, CatalogueQuery(kColumns[1]));
    ASSERT_GE(start, 0);
    const std::vector<std::string> expected = {
        CatalogueQuery(kColumns[1]),
        DropStatement(kColumns[1]),
        CatalogueQuery(kColumns[2]),
        DropStatement(kColumns[2]),
        "ALTER TABLE T门诊项目 ALTER COLUMN 会员金额 real",
        "ALTER TABLE T门诊项目 ALTER COLUMN 会员金额 varchar(10)",
        "ALTER TABLE T门诊项目 ALTER COLUMN 优惠金额 real",
        "ALTER TABLE T门诊项目 ALTER COLUMN 优惠金额 varchar(10)",
    };
    ASSERT_LE(static_cast<std::size_t>(start) + expected.size(), sent.size());
    EXPECT_EQ(std::vector<std::string>(sent.begin() + start, sent.begin() + start + expected.size()), expected);
}

// A failing lookup ends the step there: nothing of the type change is sent.
TEST(Version124, FailingCatalogueLookupEndsTheStep) {
    auto fake = std::make_shared<FakeConnection>();
    fake->FailWhenContains("name='帐户支付'", "Invalid object name 'syscolumns'.");
    clsUpdate component;
    component.set_pCn(fake);
    std::string shown;
    component.SetMessageSink([&shown](const std::string& text, const std::string&) { shown = text; });
    EXPECT_FALSE(component.DoUpdate(124));
    EXPECT_EQ(shown, "Invalid object name 'syscolumns'.");
    const std::vector<std::string> executed = fake->Executed();
    ASSERT_FALSE(executed.empty());
    EXPECT_EQ(executed.back(), "UPDATE D门诊收费列表 SET 会员支付=0");
}

}  // namespace
}  // namespace quenvatrix::testing
