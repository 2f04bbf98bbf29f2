#pragma once
// Registers the factory of every control kind this runtime makes, by record type:
// string 2, button 9, prompt 10, check box 12, group box 13, list 14, drop list 33 (and
// the entry and spin kinds where they are built). Other types create nothing.
namespace qor::win {

void RegisterStandardControlKinds();

}  // namespace qor::win
