#include <gtest/gtest.h>

#include <string>

#include "support/whole_road.h"

namespace quenvatrix::testing {
namespace {

// Every built step, in version order, on the dry-run backend: each must succeed.
// The script it writes is what the T-SQL check reads afterwards.
TEST(WholeRoad, EveryBuiltVersionSucceedsInOrder) {
    const std::string path = std::string(QUENVATRIX_BINARY_DIR) + "/whole_road.sql";
    const RoadResult result = RunWholeRoad(path);
    EXPECT_GT(result.builtVersions, 0);
    for (std::size_t i = 0; i < result.failed.size(); ++i) {
        ADD_FAILURE() << "version " << result.failed[i] << " failed: " << result.messages[i];
    }
}

}  // namespace
}  // namespace quenvatrix::testing
