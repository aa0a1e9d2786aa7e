#pragma once

#include <string>

// Server objects that the steps from version 46 on re-issue with the same text.
namespace quenvatrix::steps::v0046 {

// VJ药品卫材 with the maker's name and address and a zero sales amount (ALTER
// VIEW); versions 46 and 49, the second time so that its T药品卫材.* takes in
// the new member price.
std::string AlterVJ药品卫材WithMakerAddress();

}  // namespace quenvatrix::steps::v0046
