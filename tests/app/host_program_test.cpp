#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/fake_connection.h"
#include "upgrade_run.h"

namespace quenvatrix::testing {
namespace {

using host::Main;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunHost(const std::vector<std::string>& arguments) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = Main(arguments, out, err);
    return {status, out.str(), err.str()};
}

std::filesystem::path TempScript(const std::string& name) {
    return std::filesystem::temp_directory_path() /
           ("quenvatrix_host_" + std::to_string(::getpid()) + "_" + name + ".sql");
}

int LineCount(const std::string& text) {
    int lines = 0;
    for (char c : text) lines += c == '\n' ? 1 : 0;
    return lines;
}

TEST(HostProgram, BadArgumentsGiveOneLineAndANonZeroStatusAndTouchNothing) {
    const auto script = TempScript("bad_arguments");
    std::filesystem::remove(script);
    const std::vector<std::vector<std::string>> cases = {
        {"--from", "4", "--script", script.string()},
        {"--from", "1070", "--script", script.string()},
        {"--from", "-3", "--script", script.string()},
        {"--from", "100", "--to", "100", "--script", script.string()},
        {"--from", "100", "--to", "99", "--script", script.string()},
        {"--from", "100", "--to", "1071", "--script", script.string()},
        {"--from", "5"},
        {"--from", "5", "--script", script.string(), "--connect", "DSN=x"},
        {"--from", "5", "--script", script.string(), "--verbose"},
        {"--script", script.string()},
        {"--from", "five", "--script", script.string()},
    };
    for (const auto& arguments : cases) {
        const Outcome outcome = RunHost(arguments);
        std::string joined;
        for (const auto& a : arguments) joined += a + " ";
        EXPECT_NE(outcome.status, 0) << joined;
        EXPECT_EQ(LineCount(outcome.err), 1) << joined << "\n" << outcome.err;
        EXPECT_TRUE(outcome.out.empty()) << joined;
        EXPECT_FALSE(std::filesystem::exists(script)) << joined;
    }
}

TEST(HostProgram, AnUnwritableScriptOrAFailingConnectionIsAOneLineError) {
    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"--from", "5", "--script", "/nonexistent-folder/upgrade.sql"},
             {"--from", "5", "--connect", "Driver=/nonexistent/driver.so;Database=x"}}) {
        const Outcome outcome = RunHost(arguments);
        EXPECT_EQ(outcome.status, 2) << arguments[3];
        EXPECT_EQ(LineCount(outcome.err), 1) << outcome.err;
        EXPECT_TRUE(outcome.out.empty());
    }
}

TEST(HostProgram, AScriptThatCannotBeWrittenToIsNoSuccess) {
    // Version 311 sends nothing; only its mark would go to the full device.
    const Outcome outcome = RunHost({"--from", "311", "--to", "312", "--script", "/dev/full"});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, "version 311: failed\n");
    EXPECT_NE(outcome.err.find("quenvatrix-upgrade: version 311: "), std::string::npos) << outcome.err;
}

TEST(HostProgram, StopsAtTheFirstFailedVersionAndSaysWhereTheDatabaseStands) {
    // Every statement fails: 311 has no step and passes, 312 fails.
    auto fake = std::make_shared<FakeConnection>();
    fake->FailWhenContains("", "refused by the server");
    clsUpdate component;
    std::string shown;
    component.SetMessageSink([&shown](const std::string& text, const std::string&) { shown = text; });
    component.set_pCn(fake);
    host::UpgradeRequest request;
    request.from = 311;
    request.to = 315;
    request.script = "unused";
    std::ostringstream progress;
    std::ostringstream err;
    EXPECT_EQ(host::RunVersions(component, request, progress, err, nullptr), 312);
    EXPECT_EQ(progress.str(), "version 311 -> 312: done\nversion 312: failed\n");
    EXPECT_FALSE(shown.empty());
    EXPECT_LE(fake->Statements().size(), 1u);  // at most 312's first statement; nothing of 313 or 314
}

// A connection whose rollback fails, as a lost one would.
class RollbackRefused : public FakeConnection {
public:
    void RollbackTrans() override {
        FakeConnection::RollbackTrans();
        throw Error(-2147467259, "连接已断开，\n事务无法回滚。");
    }
};

TEST(HostProgram, AnErrorRaisedByTheComponentsFailurePathEndsTheRunWithOneLine) {
    // Version 29 writes its release history inside a flagged transaction; a row
    // of it fails and the rollback that follows fails too.
    auto fake = std::make_shared<RollbackRefused>();
    fake->FailWhenContains("从Dos平台", "违反了 PRIMARY KEY 约束。");
    clsUpdate component;
    component.SetMessageSink([](const std::string&, const std::string&) {});
    component.set_pCn(fake);
    host::UpgradeRequest request;
    request.from = 28;
    request.to = 31;
    request.script = "unused";
    std::ostringstream progress;
    std::ostringstream err;
    EXPECT_EQ(host::RunVersions(component, request, progress, err, nullptr), 29);
    EXPECT_EQ(fake->CountOf(Sent::Kind::Rollback), 1);
    EXPECT_EQ(progress.str(), "version 28 -> 29: done\nversion 29: failed\n");
    EXPECT_EQ(err.str(), "quenvatrix-upgrade: version 29: 连接已断开， / 事务无法回滚。\n");
}

TEST(HostProgram, ADryRunWritesTheScriptAndReportsTheTargetOrTheFailure) {
    const auto script = TempScript("dry_run");
    const Outcome outcome = RunHost({"--from", "311", "--to", "312", "--script", script.string()});
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("the database stands at version 312"), std::string::npos);
    std::ifstream in(script);
    std::string first;
    std::getline(in, first);
    EXPECT_EQ(first, "-- version 311");
    in.close();
    std::filesystem::remove(script);

    // The road from version 5 stops at the first version it cannot pass.
    const Outcome road = RunHost({"--from", "5", "--script", script.string()});
    EXPECT_EQ(road.status, 1);
    EXPECT_NE(road.err.find("the database stands at version"), std::string::npos) << road.err;
    std::filesystem::remove(script);
}

}  // namespace
}  // namespace quenvatrix::testing
