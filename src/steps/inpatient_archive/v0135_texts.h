#pragma once

// Statement texts shared by the steps for versions 135 to 141: the union view
// of live and archived charge lines and the statistics of inpatient
// prescriptions, both issued again by later steps with the same text.

#include <string>
#include <string_view>

namespace quenvatrix::steps::v0135 {

// ALL住院记帐列表, the live charge lines followed by the archived ones; `verb`
// is "CREATE" for its first issue and "ALTER" for a re-issue of the same text.
std::string ChargeLinesUnionView(std::string_view verb);

// Do住院划价单统计表 over the live and archived prescriptions and stays
// (ALTER FUNCTION, whole text).
std::string InpatientPrescriptionStatistics();

}  // namespace quenvatrix::steps::v0135
