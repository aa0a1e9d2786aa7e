#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "frame/step_context.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

using Strings = std::vector<std::string>;

// A step context on a fake connection.
class StepHelpersTest : public ::testing::Test {
protected:
    StepHelpersTest() : fake(std::make_shared<FakeConnection>()) { component.set_pCn(fake); }

    std::shared_ptr<FakeConnection> fake;
    clsUpdate component;
    StepContext ctx{component};
};

TEST(DateTexts, DatesAndTimesArePaddedAndNullOrEmptyGiveEmptyText) {
    struct Case {
        Value value;
        std::string date;
        std::string dateTime;
    };
    const std::vector<Case> cases = {
        {Value::Null(), "", ""},
        {Value(""), "", ""},
        {Value(), "", ""},
        {Value(DateTime{2005, 1, 1, 0, 0, 0}), "2005-01-01", "2005-01-01 00:00:00"},
        {Value(DateTime{2004, 9, 4, 8, 5, 0}), "2004-09-04", "2004-09-04 08:05:00"},
        {Value(DateTime{2004, 12, 31, 23, 59, 9}), "2004-12-31", "2004-12-31 23:59:09"},
        {Value("2004-9-4"), "2004-09-04", "2004-09-04 00:00:00"},
        {Value("2006-11-20 7:03:41"), "2006-11-20", "2006-11-20 07:03:41"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StepContext::GetDateStr(c.value), c.date) << c.value.ToText();
        EXPECT_EQ(StepContext::GetDateTimeStr(c.value), c.dateTime) << c.value.ToText();
    }
}

TEST(DateTexts, AValueThatIsNotADateFails) {
    for (const Value& value : {Value("abc"), Value(" "), Value(12)}) {
        try {
            StepContext::GetDateStr(value);
            ADD_FAILURE() << "no error for " << value.ToText();
        } catch (const Error& error) {
            EXPECT_EQ(error.Number(), error_number::kTypeMismatch);
        }
        EXPECT_THROW(StepContext::GetDateTimeStr(value), Error);
    }
}

TEST_F(StepHelpersTest, PadZeroLeftPadsToTheWidthAndNeverShortens) {
    struct Case {
        Value value;
        Value width;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {7, 2, "07"},       {12, 2, "12"},          {5, 0, "5"},          {123, 2, "123"},
        {3, 5, "00003"},    {Value("8"), 3, "008"}, {7.5, 4, "07.5"},     {-4, 3, "0-4"},
        {7, Value("3"), "007"}, {7, 2.9, "07"},     {7, Value::Null(), "7"}, {Value("x"), 2, "00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ctx.PadZeroLeft(c.value, c.width), c.expected) << c.value.ToText() << ", " << c.width.ToText();
    }
}

TEST_F(StepHelpersTest, PadZeroLeftClearsTheErrorState) {
    fake->FailWhenContains("bad", "refused");
    ctx.ExecuteIgnoringErrors("bad statement");
    ASSERT_TRUE(ctx.Err().HasDescription());
    EXPECT_EQ(ctx.PadZeroLeft(1, 2), "01");
    EXPECT_FALSE(ctx.Err().HasDescription());
}

TEST_F(StepHelpersTest, UpgradeLogRowsAreOneInsertEach) {
    ctx.WriteUpgradeLog("1.2.3", 39, "成本价调价", "新增报表", "2004-9-4");
    ctx.AddUpgradeLog(48, "会员登记", "会员管理", "2004-10-12");
    EXPECT_EQ(fake->Executed(),
              (Strings{"Insert Into T升级列表(发生日期,程序版本,帐套版本,升级说明,操作说明) Values "
                       "('2004-9-4','1.2.3',39,'成本价调价','新增报表')",
                       "Insert Into T升级列表(发生日期,程序版本,帐套版本,升级说明,操作说明) Values "
                       "('2004-10-12','1.0.0',48,'会员登记','会员管理')"}));
}

TEST_F(StepHelpersTest, UpgradeLogDoublesApostrophesSoATextCannotEndItsLiteral) {
    ctx.WriteUpgradeLog("1'0", 40, "it's", "a'); DROP TABLE T升级列表 --", "2004-9-'4");
    EXPECT_EQ(fake->Executed(),
              (Strings{"Insert Into T升级列表(发生日期,程序版本,帐套版本,升级说明,操作说明) Values "
                       "('2004-9-''4','1''0',40,'it''s','a''); DROP TABLE T升级列表 --')"}));
}

TEST_F(StepHelpersTest, AFailingUpgradeLogInsertEndsTheStep) {
    fake->FailWhenContains("T升级列表", "Invalid object name 'T升级列表'.");
    EXPECT_THROW(ctx.AddUpgradeLog(29, "a", "b", "2004-9-4"), Error);
    EXPECT_EQ(ctx.Err().description, "Invalid object name 'T升级列表'.");
}

TEST_F(StepHelpersTest, AlterColumnToMoneySendsItsThreeStatements) {
    ctx.AlterColumnToMoney("D门诊收费", "金额", "");
    ctx.AlterColumnToMoney("D入库数据", "进价", "DF__D入库数据__进价__0EA330E9");
    EXPECT_EQ(fake->Executed(),
              (Strings{" Alter Table D门诊收费 Drop CONSTRAINT [DF_D门诊收费_金额]",
                       " Alter Table D门诊收费 Alter Column 金额 money",
                       " ALTER TABLE [dbo].[D门诊收费] ADD CONSTRAINT [DF_D门诊收费_金额] DEFAULT 0 FOR [金额]",
                       " Alter Table D入库数据 Drop CONSTRAINT [DF__D入库数据__进价__0EA330E9]",
                       " Alter Table D入库数据 Alter Column 进价 money",
                       " ALTER TABLE [dbo].[D入库数据] ADD CONSTRAINT [DF__D入库数据__进价__0EA330E9] DEFAULT 0 FOR [进价]"}));
}

TEST_F(StepHelpersTest, AlterColumnToMoneyWithAWrongConstraintNameReportsNothing) {
    // The drop fails on the wrong name; the old default then blocks both other statements.
    fake->FailWhenContains("Drop CONSTRAINT [DF_错误]", "'DF_错误' is not a constraint.");
    fake->FailWhenContains("Alter Column", "The object 'DF_D门诊收费_金额' is dependent on column '金额'.");
    fake->FailWhenContains("ADD CONSTRAINT", "Column already has a DEFAULT bound to it.");
    EXPECT_NO_THROW(ctx.AlterColumnToMoney("D门诊收费", "金额", "DF_错误"));
    EXPECT_EQ(fake->Executed().size(), 3u);
    EXPECT_FALSE(ctx.Err().HasDescription());
}

TEST_F(StepHelpersTest, DropColumnDefaultWithoutADefaultSendsOnlyItsQuery) {
    ctx.DropColumnDefault("D门诊收费", "结算方式");
    EXPECT_EQ(fake->Statements(),
              (Strings{"Select object_name(stuff(','+convert(varchar,cdefault),1,1,'')) from syscolumns where "
                       "id=object_id('D门诊收费') and cdefault<>0 and name='结算方式'"}));
}

TEST_F(StepHelpersTest, DropColumnDefaultDropsTheConstraintTheServerNamed) {
    fake->AnswerMatching("syscolumns", Rows{{"name"}, {{Value("DF__D门诊收费__结算__1A14E395")}}});
    ctx.DropColumnDefault("D门诊收费", "结算方式");
    EXPECT_EQ(fake->Executed(), (Strings{" alter table D门诊收费 drop constraint  DF__D门诊收费__结算__1A14E395"}));
}

TEST_F(StepHelpersTest, DropColumnDefaultFailuresEndTheStep) {
    fake->AnswerMatching("syscolumns", Rows{{"name"}, {{Value("DF_x")}}});
    fake->FailWhenContains("drop constraint", "cannot drop");
    EXPECT_THROW(ctx.DropColumnDefault("T", "c"), Error);
    EXPECT_EQ(ctx.Err().description, "cannot drop");
}

TEST_F(StepHelpersTest, CreateSSMTableSendsTheTableScriptAndIgnoresThatItExists) {
    fake->FailWhenContains("CREATE TABLE [dbo].[SSM]", "There is already an object named 'SSM' in the database.");
    EXPECT_NO_THROW(ctx.CreateSSMTable());
    EXPECT_FALSE(ctx.Err().HasDescription());
    EXPECT_EQ(fake->Executed(),
              (Strings{"CREATE TABLE [dbo].[SSM] (\r\n"
                       "    [SSCode] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL ,\r\n"
                       "    [SSName] [nvarchar] (30) COLLATE Chinese_PRC_CI_AS NULL ,\r\n"
                       "    [SSJM] [varchar] (10) COLLATE Chinese_PRC_CI_AS NULL\r\n"
                       "    ) ON [PRIMARY]"}));
}

TEST_F(StepHelpersTest, RecordExistsAndGetScalarTextReadTheFirstRow) {
    const std::string none = "select 1 from sysobjects where name='无'";
    fake->AnswerExactly("select 名称 from T有", Rows{{"名称"}, {{Value("甲")}, {Value("乙")}}});
    fake->AnswerExactly("select 空", Rows{{"c"}, {{Value::Null()}}});
    fake->AnswerExactly("select 数", Rows{{"c"}, {{Value(42)}}});
    fake->AnswerExactly("select 小数", Rows{{"c"}, {{Value(1.5)}}});

    EXPECT_FALSE(ctx.RecordExists(none));
    EXPECT_TRUE(ctx.GetScalarText(none).IsEmpty());
    EXPECT_TRUE(ctx.RecordExists("select 名称 from T有"));
    EXPECT_EQ(ctx.GetScalarText("select 名称 from T有"), Value("甲"));
    EXPECT_TRUE(ctx.RecordExists("select 空"));
    EXPECT_EQ(ctx.GetScalarText("select 空"), Value(""));
    EXPECT_EQ(ctx.GetScalarText("select 数"), Value("42"));
    EXPECT_EQ(ctx.GetScalarText("select 小数"), Value("1.5"));
    EXPECT_EQ(fake->CountOf(Sent::Kind::Query), 8);
    EXPECT_EQ(fake->CountOf(Sent::Kind::Execute), 0);
}

TEST_F(StepHelpersTest, RecordExistsAndGetScalarTextFailuresEndTheStep) {
    fake->FailWhenContains("T无表", "Invalid object name 'T无表'.");
    EXPECT_THROW(ctx.RecordExists("select * from T无表"), Error);
    EXPECT_THROW(ctx.GetScalarText("select * from T无表"), Error);
    EXPECT_EQ(ctx.Err().description, "Invalid object name 'T无表'.");
}

}  // namespace
}  // namespace quenvatrix::testing
