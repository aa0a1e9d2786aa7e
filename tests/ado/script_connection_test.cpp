#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "frame/sql_text.h"
#include "quenvatrix/script_connection.h"

namespace quenvatrix::testing {
namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

class ScriptConnectionTest : public ::testing::Test {
protected:
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("quenvatrix_script_" + std::to_string(::getpid()) + "_" +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".sql");
    void TearDown() override { std::filesystem::remove(path); }
};

TEST_F(ScriptConnectionTest, WritesEachStatementAsABatchWithItsMarks) {
    {
        auto script = OpenScriptConnection(path.string());
        script->Comment("version 7");
        script->Execute("ALTER TABLE T医院资料 ADD 模块类型 tinyint");
        script->Remark("errors ignored");
        script->Execute(Lines("\nCREATE VIEW V\nAS\nSELECT 1 AS A\n"));
        auto rows = script->OpenRecordset("SELECT 名称 FROM T科室档案");
        EXPECT_TRUE(rows->IsEOF());
        EXPECT_TRUE(rows->IsBOF());
        script->BeginTrans();
        script->CommitTrans();
        script->RollbackTrans();
    }
    EXPECT_EQ(ReadAll(path),
              "-- version 7\n"
              "ALTER TABLE T医院资料 ADD 模块类型 tinyint\nGO\n"
              "-- errors ignored\n"
              "CREATE VIEW V\r\nAS\r\nSELECT 1 AS A\nGO\n"
              "-- read: no rows in a dry run\n"
              "SELECT 名称 FROM T科室档案\nGO\n"
              "BEGIN TRANSACTION\nGO\n"
              "COMMIT TRANSACTION\nGO\n"
              "ROLLBACK TRANSACTION\nGO\n");
}

TEST_F(ScriptConnectionTest, AnUnwritablePathIsAnError) {
    EXPECT_THROW(OpenScriptConnection("/nonexistent-folder/x/upgrade.sql"), Error);
}

TEST(Lines, JoinsTheLinesOfARawLiteralWithCrLf) {
    struct Case {
        const char* raw;
        const char* sent;
    } cases[] = {
        {"\nA\nB\n", "A\r\nB"},
        {"A\nB", "A\r\nB"},
        {"\n  A\n    B\n    ", "  A\r\n    B"},
        {"\nA\n\nB\n", "A\r\n\r\nB"},
        {"single", "single"},
    };
    for (const Case& c : cases) EXPECT_EQ(Lines(c.raw), c.sent) << c.raw;
}

}  // namespace
}  // namespace quenvatrix::testing
