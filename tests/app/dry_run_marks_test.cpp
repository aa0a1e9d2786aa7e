#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "upgrade_run.h"

namespace quenvatrix::testing {
namespace {

// The dry-run script of the host program for versions [from, to).
std::vector<std::string> DryRunLines(long from, long to) {
    const auto path = std::filesystem::temp_directory_path() /
                      ("quenvatrix_marks_" + std::to_string(::getpid()) + "_" +
                       ::testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
                       std::to_string(from) + ".sql");
    std::ostringstream out;
    std::ostringstream err;
    const int status = host::Main({"--from", std::to_string(from), "--to", std::to_string(to), "--script",
                                   path.string()},
                                  out, err);
    EXPECT_EQ(status, 0) << err.str();
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    std::filesystem::remove(path);
    return lines;
}

// The batches of a script: the lines between two GO lines.
std::vector<std::vector<std::string>> Batches(const std::vector<std::string>& lines) {
    std::vector<std::vector<std::string>> batches(1);
    for (const std::string& line : lines) {
        if (line == "GO") {
            batches.emplace_back();
        } else {
            batches.back().push_back(line);
        }
    }
    if (batches.back().empty()) batches.pop_back();
    return batches;
}

TEST(DryRunMarks, AVersionThatSendsNothingStillHasItsMark) {
    EXPECT_EQ(DryRunLines(311, 312), std::vector<std::string>{"-- version 311"});
    EXPECT_EQ(DryRunLines(543, 544), std::vector<std::string>{"-- version 543"});
}

TEST(DryRunMarks, EachVersionStartsWithItsMarkBeforeItsFirstStatement) {
    const auto lines = DryRunLines(26, 28);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "-- version 26");
    int marks = 0;
    for (const std::string& line : lines) marks += line.rfind("-- version ", 0) == 0 ? 1 : 0;
    EXPECT_EQ(marks, 2);
}

TEST(DryRunMarks, AReadIsMarkedInItsOwnBatch) {
    // The step for version 26 reads whether report 20024 has its column F0001.
    const auto batches = Batches(DryRunLines(26, 27));
    bool found = false;
    for (const auto& batch : batches) {
        for (std::size_t i = 0; i + 1 < batch.size(); ++i) {
            if (batch[i] == "-- read: no rows in a dry run" &&
                batch[i + 1].find("Select 表编号 From F报表格式 Where 表编号=20024") != std::string::npos) {
                found = true;
            }
        }
    }
    EXPECT_TRUE(found);
}

TEST(DryRunMarks, AStatementSentWithErrorsIgnoredIsMarkedInItsBatch) {
    // The step for version 90 converts columns to money with errors ignored:
    // each conversion first looks up the column's bound default (a read whose
    // failure is ignored too), then sends the helper's three statements.
    const auto batches = Batches(DryRunLines(90, 91));
    int ignoredChanges = 0;
    int ignoredReads = 0;
    for (const auto& batch : batches) {
        ASSERT_FALSE(batch.empty());
        const bool ignored = std::find(batch.begin(), batch.end(), "-- errors ignored") != batch.end();
        if (!ignored) continue;
        const bool read = std::find(batch.begin(), batch.end(), "-- read: no rows in a dry run") != batch.end();
        const std::string& statement = batch.back();
        if (read) {
            ++ignoredReads;
            EXPECT_NE(statement.find("from syscolumns"), std::string::npos) << statement;
        } else {
            ++ignoredChanges;
            EXPECT_TRUE(statement.find("Alter Table") != std::string::npos ||
                        statement.find("ALTER TABLE") != std::string::npos)
                << statement;
        }
    }
    EXPECT_EQ(ignoredReads, 38);
    EXPECT_EQ(ignoredChanges, 3 * 38);
}

}  // namespace
}  // namespace quenvatrix::testing
