#pragma once

#include <string>
#include <string_view>

namespace quenvatrix {

// A statement written over several source lines, as a raw string literal:
//
//     Lines(R"(
//     CREATE VIEW dbo.VJ例子
//     AS
//     SELECT 编号 FROM T例子
//     )")
//
// gives its lines joined by CR LF, as the server receives them. The line break
// right after the opening and the one right before the closing delimiter are
// not part of the statement; every other line is sent exactly as written.
std::string Lines(std::string_view raw);

}  // namespace quenvatrix
