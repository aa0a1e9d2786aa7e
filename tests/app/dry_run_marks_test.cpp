#include <gtest/gtest.h>
#include <unistd.h>

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
    // The step for version 90 converts columns to money with errors ignored.
    const auto batches = Batches(DryRunLines(90, 91));
    int ignored = 0;
    for (const auto& batch : batches) {
        ASSERT_FALSE(batch.empty());
        if (batch.front() == "-- errors ignored" || (batch.size() > 1 && batch[1] == "-- errors ignored")) {
            ++ignored;
            const std::string& statement = batch.back();
            EXPECT_TRUE(statement.find("Alter Table") != std::string::npos ||
                        statement.find("ALTER TABLE") != std::string::npos)
                << statement;
        }
    }
    EXPECT_GT(ignored, 0);
}

}  // namespace
}  // namespace quenvatrix::testing
