#pragma once

#include <string>
#include <string_view>

// Catalogue rows that the steps from version 117 on write again and again:
// report columns, print fields and bare report entries. Each function returns
// the one INSERT statement for one row; the step sends it.
namespace quenvatrix::steps::v0117 {

// A column row of a report, list or document form with all eleven columns.
std::string ReportColumnRow(int table, std::string_view field, std::string_view title, int order, int hidden,
                            int width, std::string_view align, int required, std::string_view type, int total,
                            std::string_view headAlign);

// The usual column row: caption equal to the field name, shown, width 1000,
// left-aligned, centred caption.
std::string StandardColumnRow(int table, std::string_view field, int order, int required = 0,
                              std::string_view type = "S", int total = -1);

// A named print field that a report offers to its print layout.
std::string PrintFieldRow(int table, std::string_view field);

// A report entry given by number and name only.
std::string ReportRow(int id, std::string_view name);

}  // namespace quenvatrix::steps::v0117
