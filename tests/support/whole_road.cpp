#include "support/whole_road.h"

#include "frame/step_table.h"
#include "quenvatrix/cls_update.h"
#include "quenvatrix/script_connection.h"

namespace quenvatrix::testing {

RoadResult RunWholeRoad(const std::string& scriptPath) {
    RoadResult result;
    auto script = OpenScriptConnection(scriptPath);
    clsUpdate component;
    component.set_pCn(script);
    std::string lastMessage;
    component.SetMessageSink([&lastMessage](const std::string& text, const std::string&) { lastMessage = text; });
    for (const StepEntry& entry : StepTable()) {
        if (entry.kind == StepKind::Unbuilt) continue;
        ++result.builtVersions;
        script->Comment("version " + std::to_string(entry.version));
        if (!component.DoUpdate(entry.version)) {
            result.failed.push_back(entry.version);
            result.messages.push_back(lastMessage);
        }
    }
    return result;
}

}  // namespace quenvatrix::testing
