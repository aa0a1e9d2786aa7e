#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "quenvatrix/connection.h"
#include "quenvatrix/error.h"
#include "quenvatrix/value.h"

namespace quenvatrix {

class StepContext;
struct StepEntry;

// What the user is shown: a text under a title, with the exclamation icon and
// one OK button. The default sink writes "title text" as one line to stderr.
using MessageSink = std::function<void(const std::string& text, const std::string& title)>;

// The upgrade component. The host creates one object, hands it its open
// connection and calls DoUpdate(v) once for every database version v to pass,
// lowest first. Each call lifts the database from v to v + 1.
class clsUpdate {
public:
    static constexpr long kFirstVersion = 5;
    static constexpr long kLastVersion = 1069;

    clsUpdate();
    ~clsUpdate();
    clsUpdate(const clsUpdate&) = delete;
    clsUpdate& operator=(const clsUpdate&) = delete;

    // The host's connection; the object shares it and never opens, closes or
    // replaces it. Empty until the host sets it.
    std::shared_ptr<Connection> pCn() const;
    void set_pCn(std::shared_ptr<Connection> connection);

    // Runs the step for version vInt. True when the step finished without an
    // error; False when vInt lies outside 5..1069 or the step failed, after the
    // user has been shown why.
    bool DoUpdate(long vInt);

    // True exactly for the last version the component has a step for.
    bool Do版本校对(std::int16_t vVer) const;

    // The step for version 75, the one step the host may also call itself.
    void Update_75_To_76();

    // Calculations the host calls at run time.
    std::string LockLoginPASS(std::string& vNo, std::string& vPass);
    double ValEx(std::string& vvTs);
    double RoundEx(const Value& x2, std::int16_t DP = 0);
    double DoYPJE(double& vSource);
    void Do触发器状态(std::int16_t intType);

    void SetMessageSink(MessageSink sink);

    // The pending error of the last call (number 0 and an empty description
    // when there is none).
    long LastErrorNumber() const;
    std::string LastErrorDescription() const;

private:
    friend class StepContext;
    friend bool RunStepEntry(clsUpdate& component, const StepEntry& entry);
    struct State;

    void ShowMessage(const std::string& text);

    std::unique_ptr<State> state_;
};

}  // namespace quenvatrix
