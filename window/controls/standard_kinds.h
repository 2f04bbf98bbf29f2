#pragma once
// Registers the factory of every control kind this runtime makes, by record type:
// string 2, entry 8, button 9, prompt 10, check box 12, group box 13, list 14, spin box
// 16, drop list 33. Other types create nothing.
namespace qor::win {

void RegisterStandardControlKinds();

}  // namespace qor::win
