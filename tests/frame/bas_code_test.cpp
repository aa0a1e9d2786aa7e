#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "frame/bas_code.h"
#include "support/fake_connection.h"

namespace quenvatrix::testing {
namespace {

const std::string kRead = "Select max(IsNull(住院记帐号,0))+1 as 编号 From D编号列表";
const std::string kIncrement = "Update D编号列表 Set 住院记帐号=IsNull(住院记帐号,0)+1";

// D编号列表 with its column 住院记帐号: no row, a row holding NULL, or a number.
class NumberTable : public FakeConnection {
public:
    NumberTable() {
        AnswerWith("^Select max\\(IsNull\\(住院记帐号,0\\)\\)\\+1 as 编号 From D编号列表$", [this](const std::string&) {
            // max() over no rows is NULL.
            Value next = hasRow ? Value(static_cast<long>(column.value_or(0) + 1)) : Value::Null();
            return Rows{{"编号"}, {{next}}};
        });
    }
    void Execute(std::string_view sql) override {
        FakeConnection::Execute(sql);
        if (sql == kIncrement && hasRow) column = column.value_or(0) + 1;
    }

    bool hasRow = true;
    std::optional<long> column;
};

TEST(GetNextNumber, ReadsThenIncrements) {
    NumberTable table;
    table.column = 41;
    EXPECT_EQ(basCode::GetNextNumber(table, "住院记帐号"), 42);
    EXPECT_EQ(table.column, 42);
    EXPECT_EQ(table.Statements(), (std::vector<std::string>{kRead, kIncrement}));
    EXPECT_EQ(basCode::GetNextNumber(table, "住院记帐号"), 43);
    EXPECT_EQ(table.column, 43);
}

TEST(GetNextNumber, ANullColumnStartsAtOne) {
    NumberTable table;
    EXPECT_EQ(basCode::GetNextNumber(table, "住院记帐号"), 1);
    EXPECT_EQ(table.column, 1);
}

TEST(GetNextNumber, AnEmptyTableFailsWithNothingIncremented) {
    NumberTable table;
    table.hasRow = false;
    try {
        basCode::GetNextNumber(table, "住院记帐号");
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), error_number::kTypeMismatch);
    }
    EXPECT_EQ(table.Statements(), std::vector<std::string>{kRead});
}

TEST(GetNextNumber, AFailingReadIncrementsNothingAndAFailingIncrementIsReported) {
    NumberTable table;
    table.FailWhenContains("Select max", "Invalid column name '住院记帐号'.", 1);
    EXPECT_THROW(basCode::GetNextNumber(table, "住院记帐号"), Error);
    EXPECT_EQ(table.Executed().size(), 0u);
    table.FailWhenContains("Update", "deadlock", 1);
    EXPECT_THROW(basCode::GetNextNumber(table, "住院记帐号"), Error);
    EXPECT_FALSE(table.column.has_value());
}

TEST(GetScalarValue, FirstFieldAsTextOrEmpty) {
    FakeConnection connection;
    connection.AnswerExactly("select 数", Rows{{"a", "b"}, {{Value(7), Value("x")}, {Value(8), Value("y")}}});
    connection.AnswerExactly("select 空", Rows{{"a"}, {{Value::Null()}}});
    EXPECT_EQ(basCode::GetScalarValue(connection, "select 数"), Value("7"));
    EXPECT_EQ(basCode::GetScalarValue(connection, "select 空"), Value(""));
    EXPECT_TRUE(basCode::GetScalarValue(connection, "select 无").IsEmpty());
}

}  // namespace
}  // namespace quenvatrix::testing
