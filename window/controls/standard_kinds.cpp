#include "window/controls/standard_kinds.h"

#include "window/controls/button_kind.h"
#include "window/controls/control_kinds.h"
#include "window/controls/entry_control.h"
#include "window/controls/spin_control.h"
#include "window/controls/text_kinds.h"
#include "window/definition/layout.h"

namespace qor::win {

void RegisterStandardControlKinds() {
  RegisterControlKind(layout::kTypeString, MakeString);
  RegisterControlKind(layout::kTypeEntry, MakeEntryControl);
  RegisterControlKind(layout::kTypeButton, MakeButton);
  RegisterControlKind(layout::kTypePrompt, MakePrompt);
  RegisterControlKind(layout::kTypeCheck, MakeCheck);
  RegisterControlKind(layout::kTypeGroup, MakeGroup);
  RegisterControlKind(layout::kTypeList, MakeList);
  RegisterControlKind(layout::kTypeSpin, MakeSpinControl);
  RegisterControlKind(layout::kTypeDrop, MakeList);
}

}  // namespace qor::win
