#pragma once

#include <string>
#include <vector>

namespace quenvatrix::testing {

struct RoadResult {
    std::vector<long> failed;   // built versions whose DoUpdate returned False
    std::vector<std::string> messages;  // what the user was shown for them
    int builtVersions = 0;
};

// Runs every built version from 5 to 1069 in order on the script backend,
// writing the dry-run script to `scriptPath`.
RoadResult RunWholeRoad(const std::string& scriptPath);

}  // namespace quenvatrix::testing
