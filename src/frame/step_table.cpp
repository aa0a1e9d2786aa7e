#include "frame/step_table.h"

#include <array>
#include <string>

#include "frame/step_context.h"

namespace quenvatrix {

namespace steps {
#define QV_STEP(n, fn) void fn(StepContext&);
#define QV_PUBLIC(n, fn) void fn(StepContext&);
#define QV_EMPTY(n)
#define QV_NONE(n)
#define QV_UNBUILT(n)
#include "frame/step_table.inc"
#undef QV_STEP
#undef QV_PUBLIC
#undef QV_EMPTY
#undef QV_NONE
#undef QV_UNBUILT

// The one body shared by the steps that send nothing.
void NothingToSend(StepContext&) {}
}  // namespace steps

namespace {

constexpr StepEntry kTable[] = {
#define QV_STEP(n, fn) {n, StepKind::Step, &steps::fn, #fn},
#define QV_PUBLIC(n, fn) {n, StepKind::Public, &steps::fn, #fn},
#define QV_EMPTY(n) {n, StepKind::Empty, &steps::NothingToSend, nullptr},
#define QV_NONE(n) {n, StepKind::None, nullptr, ""},
#define QV_UNBUILT(n) {n, StepKind::Unbuilt, nullptr, nullptr},
#include "frame/step_table.inc"
#undef QV_STEP
#undef QV_PUBLIC
#undef QV_EMPTY
#undef QV_NONE
#undef QV_UNBUILT
};

constexpr bool TableIsComplete() {
    if (std::size(kTable) != 1065) return false;
    for (std::size_t i = 0; i < std::size(kTable); ++i) {
        if (kTable[i].version != static_cast<long>(i) + 5) return false;
    }
    return true;
}
static_assert(TableIsComplete(), "the step table must list every version from 5 to 1069 in order");

}  // namespace

std::span<const StepEntry> StepTable() { return kTable; }

const StepEntry& StepFor(long version) { return kTable[version - 5]; }

std::string StepName(long version) {
    return "Update_" + std::to_string(version) + "_To_" + std::to_string(version + 1);
}

}  // namespace quenvatrix
