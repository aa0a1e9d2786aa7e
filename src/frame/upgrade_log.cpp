// Rows of the upgrade log T升级列表.
#include "frame/step_context.h"

namespace quenvatrix {

namespace {

// The component's own version, as the log rows carry it.
constexpr int kMajorVersion = 1;
constexpr int kMinorVersion = 0;
constexpr int kRevision = 0;

// A text between single quotes: an apostrophe inside is doubled, so it can
// never end the literal early.
std::string Quoted(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (char c : text) {
        result += c;
        if (c == '\'') result += '\'';
    }
    return result;
}

}  // namespace

void StepContext::AddUpgradeLog(std::int16_t databaseVersion, std::string_view change, std::string_view usage,
                                std::string_view date) {
    const std::string programVersion =
        std::to_string(kMajorVersion) + "." + std::to_string(kMinorVersion) + "." + std::to_string(kRevision);
    WriteUpgradeLog(programVersion, databaseVersion, change, usage, date);
}

// One row; a failing insert ends the calling step.
void StepContext::WriteUpgradeLog(std::string_view programVersion, std::int16_t databaseVersion,
                                  std::string_view change, std::string_view usage, std::string_view date) {
    Execute("Insert Into T升级列表(发生日期,程序版本,帐套版本,升级说明,操作说明) Values ('" + Quoted(date) + "','" +
            Quoted(programVersion) + "'," + std::to_string(databaseVersion) + ",'" + Quoted(change) + "','" +
            Quoted(usage) + "')");
}

}  // namespace quenvatrix
