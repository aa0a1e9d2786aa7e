#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "quenvatrix/cls_update.h"
#include "quenvatrix/connection.h"
#include "quenvatrix/value.h"

namespace quenvatrix {

// The current error of the component: cleared by DoUpdate, set by a failing
// statement (also while errors are ignored), cleared by code that ignores them.
struct ErrorState {
    long number = 0;
    std::string description;

    void Set(long n, std::string text) {
        number = n;
        description = std::move(text);
    }
    void Clear() {
        number = 0;
        description.clear();
    }
    bool HasDescription() const { return !description.empty(); }
};

struct clsUpdate::State {
    std::shared_ptr<Connection> pCn;
    bool blnInTrans = false;
    ErrorState err;
    MessageSink sink;
};

// What a step works with: the connection, the error state, the in-transaction
// flag, the shared helpers and the class's public methods. A step reads as the
// list of the statements it sends:
//
//     ctx.Execute("ALTER TABLE T医院资料 ADD 模块类型 tinyint");
//     ctx.Execute("UPDATE T医院资料 SET 模块类型=0");
//
// Execute ends the step at the first failing statement (the error is recorded
// and raised); ExecuteIgnoringErrors records the failure and carries on.
class StepContext {
public:
    explicit StepContext(clsUpdate& self);

    void Execute(std::string_view sql);
    // Sends a statement whose failure does not end the step: the error is
    // recorded (and stays recorded until cleared) and false is returned.
    bool ExecuteIgnoringErrors(std::string_view sql);
    std::unique_ptr<Recordset> Open(std::string_view sql);
    // A read whose failure does not end the step: the error is recorded and
    // no recordset (null) is returned.
    std::unique_ptr<Recordset> OpenIgnoringErrors(std::string_view sql);

    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    void SetInTrans(bool inTransaction);

    const ErrorState& Err() const;
    void ClearError();

    Connection& Cn();
    clsUpdate& Self();

    // Shared helpers of the steps.
    static std::string GetDateStr(const Value& value);
    static std::string GetDateTimeStr(const Value& value);
    Value GetWBCode(std::string& text);
    void AddUpgradeLog(std::int16_t databaseVersion, std::string_view change, std::string_view usage,
                       std::string_view date);
    void WriteUpgradeLog(std::string_view programVersion, std::int16_t databaseVersion, std::string_view change,
                         std::string_view usage, std::string_view date);
    void AlterColumnToMoney(std::string_view table, std::string_view column, std::string_view constraintName);
    void DropColumnDefault(std::string_view table, std::string_view column);
    void CreateSSMTable();
    bool RecordExists(std::string_view query);
    Value GetScalarText(std::string_view query);
    std::string PadZeroLeft(const Value& value, const Value& width);

private:
    Connection& RequireConnection();
    [[noreturn]] void Fail(const Error& error);

    clsUpdate& self_;
    clsUpdate::State& state_;
};

}  // namespace quenvatrix
