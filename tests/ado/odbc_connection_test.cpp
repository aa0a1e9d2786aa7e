// The ODBC backend, for real, against the SQLite ODBC driver used by its path.

#include <gtest/gtest.h>

#include <locale.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "quenvatrix/connection.h"

namespace quenvatrix {
namespace {

namespace fs = std::filesystem;

// The SQLite ODBC driver's library: $QUENVATRIX_SQLITE_ODBC_DRIVER, else the
// place the Debian package puts it for any architecture.
std::string FindSqliteDriver() {
    if (const char* given = std::getenv("QUENVATRIX_SQLITE_ODBC_DRIVER"); given && *given) return given;
    std::vector<fs::path> candidates;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/usr/lib", ec)) {
        candidates.push_back(entry.path() / "odbc" / "libsqlite3odbc.so");
    }
    for (const char* dir : {"/usr/lib/odbc", "/usr/lib64/odbc", "/usr/local/lib/odbc", "/usr/lib64", "/usr/local/lib"}) {
        candidates.push_back(fs::path(dir) / "libsqlite3odbc.so");
    }
    for (const auto& path : candidates) {
        if (fs::exists(path, ec)) return path.string();
    }
    return {};
}

class OdbcConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        driver_ = FindSqliteDriver();
        ASSERT_FALSE(driver_.empty()) << "the SQLite ODBC driver (package libsqliteodbc) is not installed";
        std::string pattern = (fs::temp_directory_path() / "quenvatrix-odbc-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        dir_ = pattern;
        cn_ = Open();
    }
    void TearDown() override {
        cn_.reset();
        std::error_code ec;
        if (!dir_.empty()) fs::remove_all(dir_, ec);
    }

    std::string ConnectionString() const {
        return "Driver=" + driver_ + ";Database=" + (dir_ / "test.db").string() + ";";
    }
    std::shared_ptr<Connection> Open() const { return OpenOdbcConnection(ConnectionString()); }

    // Every row of the query as the texts of its fields.
    static std::vector<std::vector<std::string>> Texts(Connection& cn, const std::string& sql) {
        std::vector<std::vector<std::string>> rows;
        auto rs = cn.OpenRecordset(sql);
        while (!rs->IsEOF()) {
            std::vector<std::string> row;
            for (std::size_t i = 0; i < rs->FieldCount(); ++i) row.push_back(rs->Field(i).ToText());
            rows.push_back(row);
            rs->MoveNext();
        }
        return rows;
    }

    std::string driver_;
    fs::path dir_;
    std::shared_ptr<Connection> cn_;
};

using Rows = std::vector<std::vector<std::string>>;

TEST_F(OdbcConnectionTest, ReadsRowsWithNullsChineseTextIntegersAndDoubles) {
    cn_->Execute("CREATE TABLE 单据 (ID integer, 名称 varchar(40), 金额 double, 备注 text)");
    cn_->Execute("INSERT INTO 单据 VALUES (1, '住院划价单', 12.5, NULL)");
    cn_->Execute("INSERT INTO 单据 VALUES (2, NULL, NULL, '门诊“收费”，℃')");
    cn_->Execute("INSERT INTO 单据 VALUES (-3000000000, '', 0.1, 'x')");

    auto rs = cn_->OpenRecordset("SELECT ID, 名称, 金额, 备注 FROM 单据 ORDER BY ID DESC");
    ASSERT_EQ(rs->FieldCount(), 4u);
    EXPECT_EQ(rs->FieldName(0), "ID");
    EXPECT_EQ(rs->FieldName(1), "名称");
    EXPECT_EQ(rs->FieldName(3), "备注");
    EXPECT_FALSE(rs->IsBOF());

    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field("id"), Value(2));
    EXPECT_TRUE(rs->Field("名称").IsNull());
    EXPECT_TRUE(rs->Field(2).IsNull());
    EXPECT_EQ(rs->Field(3), Value("门诊“收费”，℃"));
    rs->MoveNext();

    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field(0), Value(1));
    EXPECT_EQ(rs->Field(0).GetKind(), Value::Kind::Integer);
    EXPECT_EQ(rs->Field("名称"), Value("住院划价单"));
    EXPECT_EQ(rs->Field("金额"), Value(12.5));
    EXPECT_EQ(rs->Field("金额").GetKind(), Value::Kind::Double);
    EXPECT_TRUE(rs->Field("备注").IsNull());
    rs->MoveNext();

    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field(0), Value(-3000000000LL));
    EXPECT_EQ(rs->Field(1), Value(""));
    EXPECT_EQ(rs->Field(2), Value(0.1));
    rs->MoveNext();

    EXPECT_TRUE(rs->IsEOF());
    EXPECT_FALSE(rs->IsBOF());
}

TEST_F(OdbcConnectionTest, ReadsDatesTimesAndBits) {
    cn_->Execute("CREATE TABLE 记录 (日期 date, 时间 timestamp, 时刻 time, 标志 bit)");
    cn_->Execute("INSERT INTO 记录 VALUES ('2024-02-29', '2023-12-31 23:59:59.600', '10:11:12', 1)");
    cn_->Execute("INSERT INTO 记录 VALUES ('2024-03-01', '2024-03-01 08:30:15.400', NULL, 0)");
    cn_->Execute("INSERT INTO 记录 VALUES (NULL, NULL, NULL, NULL)");

    auto rs = cn_->OpenRecordset("SELECT 日期, 时间, 时刻, 标志 FROM 记录 ORDER BY rowid");
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field(0), Value(DateTime{2024, 2, 29, 0, 0, 0}));
    // Six tenths of a second round up, carrying into the new year.
    EXPECT_EQ(rs->Field(1), Value(DateTime{2024, 1, 1, 0, 0, 0}));
    EXPECT_EQ(rs->Field(2), Value(DateTime{1899, 12, 30, 10, 11, 12}));
    EXPECT_EQ(rs->Field(3), Value(true));
    rs->MoveNext();
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field(0).ToText(), "2024-03-01");
    EXPECT_EQ(rs->Field(1).ToText(), "2024-03-01 08:30:15");
    EXPECT_TRUE(rs->Field(2).IsNull());
    EXPECT_EQ(rs->Field(3), Value(false));
    rs->MoveNext();
    ASSERT_FALSE(rs->IsEOF());
    for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(rs->Field(i).IsNull()) << rs->FieldName(i);
}

TEST_F(OdbcConnectionTest, ReadsTextLongerThanOneFetchWhole) {
    std::string text;
    for (int i = 0; i < 5000; ++i) text += (i % 2 ? "院" : "住");
    text += "end";
    cn_->Execute("CREATE TABLE 长文本 (内容 text)");
    cn_->Execute("INSERT INTO 长文本 VALUES ('" + text + "')");
    auto rs = cn_->OpenRecordset("SELECT 内容 FROM 长文本");
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field(0).ToText(), text);
}

TEST_F(OdbcConnectionTest, RecordsetWithoutRowsIsBothEofAndBof) {
    cn_->Execute("CREATE TABLE 空表 (ID integer, 名称 text)");
    auto rs = cn_->OpenRecordset("SELECT ID, 名称 FROM 空表");
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_EQ(rs->FieldCount(), 2u);
    EXPECT_EQ(rs->FieldName(1), "名称");
    try {
        rs->Field(0);
        FAIL() << "a field at EOF was read";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), 3021);
    }
    EXPECT_THROW(rs->MoveNext(), Error);
}

TEST_F(OdbcConnectionTest, RecordsetRefusesUnknownFieldsAndUseAfterClose) {
    auto rs = cn_->OpenRecordset("SELECT 1 AS 编号");
    ASSERT_FALSE(rs->IsEOF());
    EXPECT_EQ(rs->Field("编号"), Value(1));
    try {
        rs->Field("不存在");
        FAIL() << "an unknown field was read";
    } catch (const Error& error) {
        EXPECT_EQ(error.Number(), 3265);
    }
    EXPECT_THROW(rs->Field(1), Error);
    rs->MoveNext();
    EXPECT_TRUE(rs->IsEOF());
    rs->Close();
    EXPECT_THROW(rs->IsEOF(), Error);
    EXPECT_THROW(rs->Field(0), Error);
}

TEST_F(OdbcConnectionTest, StatementsWithoutRowsAreAcceptedEitherWay) {
    cn_->Execute("CREATE TABLE 科室 (ID integer, 名称 text)");
    // An UPDATE or DELETE that touches no row is not a failure.
    EXPECT_NO_THROW(cn_->Execute("UPDATE 科室 SET 名称 = '内科' WHERE ID = 99"));
    EXPECT_NO_THROW(cn_->Execute("DELETE FROM 科室 WHERE ID = 99"));
    // A statement opened as a query that yields no result columns gives an empty recordset.
    auto rs = cn_->OpenRecordset("INSERT INTO 科室 VALUES (1, '内科')");
    EXPECT_TRUE(rs->IsEOF());
    EXPECT_TRUE(rs->IsBOF());
    EXPECT_EQ(rs->FieldCount(), 0u);
    EXPECT_EQ(Texts(*cn_, "SELECT ID, 名称 FROM 科室"), (Rows{{"1", "内科"}}));
}

TEST_F(OdbcConnectionTest, CommitKeepsWorkRollbackUndoesItAndAutoCommitReturns) {
    cn_->Execute("CREATE TABLE 票据 (ID integer, 名称 text)");

    cn_->BeginTrans();
    cn_->Execute("INSERT INTO 票据 VALUES (1, '住院划价单')");
    cn_->CommitTrans();

    cn_->BeginTrans();
    cn_->Execute("INSERT INTO 票据 VALUES (2, '作废')");
    EXPECT_EQ(Texts(*cn_, "SELECT COUNT(*) FROM 票据"), (Rows{{"2"}}));
    cn_->RollbackTrans();
    EXPECT_EQ(Texts(*cn_, "SELECT ID, 名称 FROM 票据 ORDER BY ID"), (Rows{{"1", "住院划价单"}}));

    // Outside a transaction every statement is committed at once: another
    // connection sees it while this one is still open.
    cn_->Execute("INSERT INTO 票据 VALUES (3, '门诊')");
    auto other = Open();
    EXPECT_EQ(Texts(*other, "SELECT ID, 名称 FROM 票据 ORDER BY ID"), (Rows{{"1", "住院划价单"}, {"3", "门诊"}}));
}

TEST_F(OdbcConnectionTest, TransactionCallsOutOfOrderRaise) {
    cn_->Execute("CREATE TABLE 票据 (ID integer)");
    EXPECT_THROW(cn_->CommitTrans(), Error);
    EXPECT_THROW(cn_->RollbackTrans(), Error);
    cn_->BeginTrans();
    EXPECT_THROW(cn_->BeginTrans(), Error);
    // The open transaction is still the one in force.
    cn_->Execute("INSERT INTO 票据 VALUES (1)");
    cn_->RollbackTrans();
    EXPECT_EQ(Texts(*cn_, "SELECT COUNT(*) FROM 票据"), (Rows{{"0"}}));
}

TEST_F(OdbcConnectionTest, ClosingWithAnOpenTransactionUndoesIt) {
    cn_->Execute("CREATE TABLE 票据 (ID integer)");
    cn_->BeginTrans();
    cn_->Execute("INSERT INTO 票据 VALUES (1)");
    cn_.reset();
    auto again = Open();
    EXPECT_EQ(Texts(*again, "SELECT COUNT(*) FROM 票据"), (Rows{{"0"}}));
}

TEST_F(OdbcConnectionTest, FailingStatementRaisesTheDriversMessage) {
    cn_->Execute("CREATE TABLE 票据 (ID integer PRIMARY KEY)");
    cn_->Execute("INSERT INTO 票据 VALUES (1)");
    struct Case {
        bool query;
        std::string sql;
        std::string message;
    };
    const std::vector<Case> cases = {
        {false, "INSERT INTO 不存在的表 VALUES (1)", "no such table: 不存在的表"},
        {true, "SELECT * FROM 不存在的表", "no such table: 不存在的表"},
        {false, "INSERT INTO 票据 VALUES (1)", "UNIQUE constraint failed"},
        {false, "CREATE TABLE 表 (", "incomplete input"},
        {false, "SELEC 1", "syntax error"},
    };
    for (const Case& c : cases) {
        try {
            if (c.query) {
                cn_->OpenRecordset(c.sql);
            } else {
                cn_->Execute(c.sql);
            }
            ADD_FAILURE() << "no error from: " << c.sql;
        } catch (const Error& error) {
            EXPECT_NE(error.Description().find(c.message), std::string::npos) << error.Description();
            EXPECT_NE(error.Number(), 0) << c.sql;
        }
    }
    // The connection is still usable after its failures.
    EXPECT_EQ(Texts(*cn_, "SELECT ID FROM 票据"), (Rows{{"1"}}));
}

TEST_F(OdbcConnectionTest, TextThatIsNotUtf8IsRefusedBeforeItIsSent) {
    cn_->Execute("CREATE TABLE 票据 (名称 text)");
    EXPECT_THROW(cn_->Execute("INSERT INTO 票据 VALUES ('\xC4\xDA')"), Error);  // GBK bytes, not UTF-8
    EXPECT_EQ(Texts(*cn_, "SELECT COUNT(*) FROM 票据"), (Rows{{"0"}}));
}

// The test program runs in the "C" locale, where the driver manager would pass
// Chinese text to a driver without wide functions (as SQLite's is) mangled;
// the connection settles on UTF-8 for itself and leaves the thread's locale
// as it found it.
TEST_F(OdbcConnectionTest, ChineseTextSurvivesTheCLocaleWhichIsLeftAlone) {
    ASSERT_EQ(uselocale(static_cast<locale_t>(0)), LC_GLOBAL_LOCALE);
    auto other = Open();
    EXPECT_EQ(uselocale(static_cast<locale_t>(0)), LC_GLOBAL_LOCALE);
    EXPECT_EQ(Texts(*other, "SELECT '门诊收费' AS 名称"), (Rows{{"门诊收费"}}));
    EXPECT_EQ(other->OpenRecordset("SELECT '门诊收费' AS 名称")->FieldName(0), "名称");
}

TEST_F(OdbcConnectionTest, DefaultDatabaseOfADriverWithoutCatalogsIsEmpty) {
    EXPECT_EQ(cn_->DefaultDatabase(), "");
}

TEST_F(OdbcConnectionTest, ConnectionThatCannotBeMadeRaisesAClearError) {
    struct Case {
        std::string connectionString;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"Driver=/nonexistent/libnothing.so;Database=" + (dir_ / "x.db").string(), "/nonexistent/libnothing.so"},
        {"Driver=" + driver_ + ";Database=/nonexistent-folder/x.db", "connect failed"},
        {"DSN=不存在的数据源", "Data source name not found"},
        {"", "Data source name not found"},
    };
    for (const Case& c : cases) {
        try {
            OpenOdbcConnection(c.connectionString);
            ADD_FAILURE() << "connected with: " << c.connectionString;
        } catch (const Error& error) {
            EXPECT_NE(error.Description().find(c.message), std::string::npos) << error.Description();
        }
    }
}

}  // namespace
}  // namespace quenvatrix
