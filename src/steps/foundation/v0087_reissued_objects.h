#pragma once

#include <string>

// Server objects that the steps from version 87 on re-issue more than once
// with the same text.
namespace quenvatrix::steps::v0087 {

// Drugs short of stock (ALTER FUNCTION); versions 91, 108 and 155, each time so
// that its A.* follows the columns of VJ药品卫材.
std::string AlterDo库存缺货统计();

// Inpatient settlements with refund, additional payment and debt (ALTER
// FUNCTION); versions 99 and 103.
std::string AlterDo住院结帐列表();

}  // namespace quenvatrix::steps::v0087
