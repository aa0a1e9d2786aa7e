#include "frame/step_context.h"

namespace quenvatrix {

StepContext::StepContext(clsUpdate& self) : self_(self), state_(*self.state_) {}

Connection& StepContext::RequireConnection() {
    if (!state_.pCn) {
        throw Error(error_number::kNoConnection, "未设置数据库连接（pCn），语句无法发送。");
    }
    return *state_.pCn;
}

void StepContext::Fail(const Error& error) {
    state_.err.Set(error.Number(), error.Description());
    throw error;
}

void StepContext::Execute(std::string_view sql) {
    try {
        RequireConnection().Execute(sql);
    } catch (const Error& error) {
        Fail(error);
    }
}

bool StepContext::ExecuteIgnoringErrors(std::string_view sql) {
    try {
        Connection& connection = RequireConnection();
        connection.Remark("errors ignored");
        connection.Execute(sql);
        return true;
    } catch (const Error& error) {
        state_.err.Set(error.Number(), error.Description());
        return false;
    }
}

std::unique_ptr<Recordset> StepContext::OpenIgnoringErrors(std::string_view sql) {
    try {
        Connection& connection = RequireConnection();
        connection.Remark("errors ignored");
        return connection.OpenRecordset(sql);
    } catch (const Error& error) {
        state_.err.Set(error.Number(), error.Description());
        return nullptr;
    }
}

std::unique_ptr<Recordset> StepContext::Open(std::string_view sql) {
    try {
        return RequireConnection().OpenRecordset(sql);
    } catch (const Error& error) {
        Fail(error);
    }
}

void StepContext::BeginTrans() {
    try {
        RequireConnection().BeginTrans();
    } catch (const Error& error) {
        Fail(error);
    }
}

void StepContext::CommitTrans() {
    try {
        RequireConnection().CommitTrans();
    } catch (const Error& error) {
        Fail(error);
    }
}

void StepContext::RollbackTrans() {
    try {
        RequireConnection().RollbackTrans();
    } catch (const Error& error) {
        Fail(error);
    }
}

void StepContext::SetInTrans(bool inTransaction) { state_.blnInTrans = inTransaction; }

const ErrorState& StepContext::Err() const { return state_.err; }

void StepContext::ClearError() { state_.err.Clear(); }

Connection& StepContext::Cn() { return RequireConnection(); }

clsUpdate& StepContext::Self() { return self_; }

}  // namespace quenvatrix
