#pragma once

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "quenvatrix/cls_update.h"

namespace quenvatrix::host {

struct UpgradeRequest {
    long from = 0;                       // the version the database stands at
    long to = clsUpdate::kLastVersion + 1;  // the version to reach
    std::optional<std::string> connect;  // ODBC connection string
    std::optional<std::string> script;   // dry-run script file
};

// Checks what the command line asked for; the text of the first problem, or
// nothing when the request can run.
std::optional<std::string> CheckRequest(const UpgradeRequest& request);

// Calls DoUpdate for every version from request.from to request.to - 1, lowest
// first, writing one progress line per version to `progress`, and stops at the
// first failure. An error that DoUpdate itself raises (its failure path
// failing) is written to `err` as one line and ends the run like a failure.
// Returns the version the database stands at afterwards.
long RunVersions(clsUpdate& component, const UpgradeRequest& request, std::ostream& progress, std::ostream& err,
                 class ScriptConnection* script);

// The whole program after argument parsing: opens the backend, runs, reports.
// Returns the process exit status.
int RunUpgrade(const UpgradeRequest& request, std::ostream& out, std::ostream& err);

// Parses the command line and runs; the exit status.
int Main(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace quenvatrix::host
