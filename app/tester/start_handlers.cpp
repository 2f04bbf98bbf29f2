#include "app/tester/start_handlers.h"

#include <initializer_list>
#include <memory>

#include "app/tester/application_globals.h"
#include "framework/files/data_file.h"
#include "framework/files/file_manager.h"
#include "runtime/builtins/random.h"
#include "runtime/startup/language_setup.h"
#include "window/controls/control_kinds.h"
#include "window/controls/standard_kinds.h"
#include "window/definition/layout.h"
#include "window/windows/window_lifecycle.h"

namespace qor::app {
namespace {

std::optional<uint32_t> startSeed;
win::Window* itemPicker = nullptr;

// A kind this runtime builds no control for still registers: its controls create nothing.
std::unique_ptr<win::Control> CreateNothing(win::Window&, const win::ControlRecord&) { return nullptr; }

// The runtime's own factory of a kind, or one that creates nothing.
win::ControlFactory FactoryOf(uint8_t type) {
  static const bool standardKnown = (win::RegisterStandardControlKinds(), true);
  (void)standardKnown;
  const win::ControlFactory factory = win::ControlKindOf(type);
  return factory ? factory : CreateNothing;
}

void RegisterKinds(std::initializer_list<uint8_t> types) {
  for (uint8_t type : types) win::RegisterControlKind(type, FactoryOf(type));
}

namespace kind = win::layout;

void SetUpLanguageAndGlobals(int32_t phase) {
  if (phase != rt::kInitStart) return;
  rt::LanguageSetUpOnce();
  if (startSeed) rt::SeedRandom(*startSeed);
  ApplicationGlobals& globals = Globals();
  globals.request = 0;
  globals.response = 0;
  globals.navigationRequest = 0;
}

void RegisterTesterKinds(int32_t) {
  RegisterKinds({kind::kTypeString, kind::kTypeEntry, kind::kTypeButton, kind::kTypePrompt, kind::kTypeGroup,
                 kind::kTypeSpin});
}

void DisposeFileManagers(int32_t phase) {
  if (phase == rt::kInitStop) fw::DisposeFileManagerList();
}

void RegisterButtonKind(int32_t) { RegisterKinds({kind::kTypeButton}); }

void RegisterItemPickerKinds() {
  RegisterKinds({kind::kTypeEntry, kind::kTypeButton, kind::kTypeCheck, kind::kTypeGroup, kind::kTypeList,
                 kind::kTypeDrop, kind::kTypeCustom, kind::kTypePanel});
}

// The item picker is prepared from its definition and never opened.
void PrepareItemPicker(int32_t phase) {
  if (phase == rt::kInitStart) {
    itemPicker = win::PrepareWindow("QFEIP", "$MULTIWINDOW", {});
  } else if (itemPicker) {
    win::ReleaseWindow(itemPicker);
    itemPicker = nullptr;
  }
  RegisterItemPickerKinds();
}

void RegisterFieldKinds(int32_t) { RegisterKinds({kind::kTypeEntry, kind::kTypeButton, kind::kTypePrompt}); }

void DisposeFileLayerList(int32_t phase) {
  if (phase == rt::kInitStop) fw::DisposeDataFileList();
}

constexpr rt::InitRecord kHandlers[] = {
    {kApplicationPriority, SetUpLanguageAndGlobals}, {kApplicationPriority, RegisterTesterKinds},
    {kApplicationPriority, DisposeFileManagers},     {kApplicationPriority, RegisterButtonKind},
    {kApplicationPriority, PrepareItemPicker},       {kApplicationPriority, RegisterFieldKinds},
    {kApplicationPriority, DisposeFileLayerList},
};

}  // namespace

std::span<const rt::InitRecord> ApplicationHandlers() { return kHandlers; }

void SetStartSeed(std::optional<uint32_t> seed) { startSeed = seed; }

}  // namespace qor::app
