#pragma once

#include <span>
#include <string>

namespace quenvatrix {

class StepContext;
class clsUpdate;
using StepFunction = void (*)(StepContext&);

enum class StepKind {
    Step,     // an ordinary step
    Public,   // the step the class also offers as a public member
    Empty,    // a step that sends nothing
    None,     // no step at all; the version passes
    Unbuilt,  // not in this build; the version fails
};

struct StepEntry {
    long version;
    StepKind kind;
    StepFunction function;  // null for None and Unbuilt
    const char* name;       // the step function's name, null where there is none
};

// All 1065 entries, versions 5 to 1069 in order.
std::span<const StepEntry> StepTable();

// The entry for a version inside 5..1069.
const StepEntry& StepFor(long version);

// Runs one entry of the table as DoUpdate does once the version is accepted:
// the step, then the success test, or the failure path (rollback of an open
// transaction, the message under "提示：") and False.
bool RunStepEntry(clsUpdate& component, const StepEntry& entry);

// Update_<n>_To_<n+1>.
std::string StepName(long version);

}  // namespace quenvatrix
