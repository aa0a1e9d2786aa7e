#include "quenvatrix/cls_update.h"

#include <iostream>

#include "frame/step_context.h"
#include "frame/step_table.h"

namespace quenvatrix {

namespace {

const std::string kPromptTitle = "提示：";
const std::string kVersionNotAcceptedText = "抱歉，升级支持脚本组件程序太旧，请与供应商联系！";

// A provider may report several diagnostic records, one per line; the message
// stays on one line.
void WriteToStandardError(const std::string& text, const std::string& title) {
    std::string line;
    for (char c : text) {
        if (c == '\r') continue;
        line += c == '\n' ? std::string(" / ") : std::string(1, c);
    }
    std::cerr << title << ' ' << line << std::endl;
}

bool VersionAccepted(long vInt) {
    // vInt - 5 taken as an unsigned 32-bit number must not exceed 1064. The
    // subtraction is done unsigned, where it wraps instead of overflowing.
    const auto offset = static_cast<std::uint32_t>(vInt) - 5u;
    return vInt == static_cast<std::int32_t>(vInt) && offset <= 1064u;
}

Error UnbuiltStep(long version) {
    return Error(error_number::kStepNotBuilt, "版本 " + std::to_string(version) + " 的升级步骤 " +
                                                  StepName(version) +
                                                  " 不在本组件中，数据库不能从此版本升级。");
}

}  // namespace

clsUpdate::clsUpdate() : state_(std::make_unique<State>()) { state_->sink = WriteToStandardError; }

clsUpdate::~clsUpdate() = default;

std::shared_ptr<Connection> clsUpdate::pCn() const { return state_->pCn; }

void clsUpdate::set_pCn(std::shared_ptr<Connection> connection) { state_->pCn = std::move(connection); }

void clsUpdate::SetMessageSink(MessageSink sink) {
    state_->sink = sink ? std::move(sink) : MessageSink(WriteToStandardError);
}

long clsUpdate::LastErrorNumber() const { return state_->err.number; }

std::string clsUpdate::LastErrorDescription() const { return state_->err.description; }

void clsUpdate::ShowMessage(const std::string& text) { state_->sink(text, kPromptTitle); }

bool clsUpdate::Do版本校对(std::int16_t vVer) const { return vVer == kLastVersion; }

void clsUpdate::Update_75_To_76() {
    const StepEntry& entry = StepFor(75);
    if (entry.function == nullptr) throw UnbuiltStep(75);
    StepContext context(*this);
    entry.function(context);
}

bool clsUpdate::DoUpdate(long vInt) {
    state_->err.Clear();
    if (!VersionAccepted(vInt)) {
        ShowMessage(kVersionNotAcceptedText);
        return false;
    }
    return RunStepEntry(*this, StepFor(vInt));
}

bool RunStepEntry(clsUpdate& component, const StepEntry& entry) {
    clsUpdate::State& state = *component.state_;
    try {
        switch (entry.kind) {
            case StepKind::None:
                break;
            case StepKind::Unbuilt:
                throw UnbuiltStep(entry.version);
            case StepKind::Public:
                component.Update_75_To_76();
                break;
            case StepKind::Step:
            case StepKind::Empty: {
                StepContext context(component);
                entry.function(context);
                break;
            }
        }
        if (!state.err.HasDescription()) return true;
    } catch (const Error& error) {
        state.err.Set(error.Number(), error.Description());
    } catch (const std::exception& error) {
        state.err.Set(error_number::kInvalidCall, error.what());
    }
    // Failure path. What goes wrong here (the rollback failing) reaches the caller.
    if (state.blnInTrans) {
        if (!state.pCn) throw Error(error_number::kNoConnection, "未设置数据库连接（pCn），无法回滚事务。");
        state.pCn->RollbackTrans();
        state.blnInTrans = false;
    }
    component.ShowMessage(state.err.description);
    return false;
}

}  // namespace quenvatrix
