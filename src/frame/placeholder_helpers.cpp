// Temporary: replaced by the helpers' and calculations' own sources.
#include "frame/step_context.h"

namespace quenvatrix {
namespace {
[[noreturn]] void Missing(const char* what) { throw Error(error_number::kInvalidCall, std::string(what) + " is missing from this build"); }
}
std::string StepContext::GetDateStr(const Value&) { Missing("GetDateStr"); }
std::string StepContext::GetDateTimeStr(const Value&) { Missing("GetDateTimeStr"); }
Value StepContext::GetWBCode(std::string&) { Missing("GetWBCode"); }
void StepContext::AddUpgradeLog(std::int16_t, std::string_view, std::string_view, std::string_view) { Missing("AddUpgradeLog"); }
void StepContext::WriteUpgradeLog(std::string_view, std::int16_t, std::string_view, std::string_view, std::string_view) { Missing("WriteUpgradeLog"); }
void StepContext::AlterColumnToMoney(std::string_view, std::string_view, std::string_view) { Missing("AlterColumnToMoney"); }
void StepContext::DropColumnDefault(std::string_view, std::string_view) { Missing("DropColumnDefault"); }
void StepContext::CreateSSMTable() { Missing("CreateSSMTable"); }
bool StepContext::RecordExists(std::string_view) { Missing("RecordExists"); }
Value StepContext::GetScalarText(std::string_view) { Missing("GetScalarText"); }
std::string StepContext::PadZeroLeft(const Value&, const Value&) { Missing("PadZeroLeft"); }
std::string clsUpdate::LockLoginPASS(std::string&, std::string&) { Missing("LockLoginPASS"); }
double clsUpdate::ValEx(std::string&) { Missing("ValEx"); }
double clsUpdate::RoundEx(const Value&, std::int16_t) { Missing("RoundEx"); }
double clsUpdate::DoYPJE(double&) { Missing("DoYPJE"); }
void clsUpdate::Do触发器状态(std::int16_t) { Missing("Do触发器状态"); }
}
