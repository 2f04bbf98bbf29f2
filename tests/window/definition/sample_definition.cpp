#include "sample_definition.h"

#include "window/definition/encode.h"
#include "window/definition/layout.h"
#include "window/definition/validate.h"

namespace qor::win::testing {

ControlRecord Control(uint8_t type, int32_t number) {
  ControlRecord control;
  control.type = type;
  control.number = number;
  // Positions follow the number so that each control is told apart; wrapped, not overflowed.
  control.at = {number, static_cast<int32_t>(2u * static_cast<uint32_t>(number)), 30, 10};
  return control;
}

namespace {

ControlRecord WithTexts(ControlRecord control, bool allTexts) {
  std::string tag = std::to_string(control.number);
  control.text = "text " + tag;
  control.cursor = "cursor " + tag;
  control.further = "further " + tag;
  control.font = FontRecord{"Face " + tag, 9, 0x00123456, 700};
  control.flags = 0x4000 | static_cast<uint32_t>(control.number);
  if (!allTexts) return control;
  control.altText = "alt " + tag;
  control.help = "help " + tag;
  control.second = "second " + tag;
  control.value = 77;
  control.entries = {5, 6, 7};
  return control;
}

ControlRecord Field(uint8_t type, int32_t number, uint8_t code, uint32_t size) {
  ControlRecord control = WithTexts(Control(type, number), true);
  control.use = UseDescriptor{code, size};
  if (type != layout::kTypeCheck) {
    control.text.clear();
    control.picture = "n-14";
  }
  control.numeric = LayoutOf(type) == RecordLayout::kList ? 0 : 1;
  return control;
}

}  // namespace

WindowDefinition SampleDefinition() {
  ControlRecord prompt = WithTexts(Control(layout::kTypePrompt, 1), false);
  ControlRecord string = WithTexts(Control(layout::kTypeString, 2), false);
  string.angle = 900;
  ControlRecord button = WithTexts(Control(layout::kTypeButton, 3), true);
  button.icon = "QFUPROW.ICO";
  button.buttonFlags = 0x10;
  button.iconPlacement = 2;
  button.repeatDelay = 20;
  button.repeatInterval = 10;
  ControlRecord spin = Field(layout::kTypeSpin, 5, 6, 4);
  spin.low = -9999999999.0;
  spin.high = 9999999999.0;
  spin.step = 0.5;
  ControlRecord list = Field(layout::kTypeList, 7, 18, 40);
  list.dropForm = 1;
  ControlRecord group = WithTexts(Control(layout::kTypeGroup, 1000), true);
  group.children = {Field(layout::kTypeEntry, 1001, 18, 90), Field(layout::kTypeCheck, 1002, 1, 1)};
  ControlRecord other = Control(5, 9);
  other.flags = 3;

  WindowRecord window;
  window.flags = 0x800;
  window.at = {layout::kNotGiven, layout::kNotGiven, 531, 295};
  window.label = "P1$WINDOW";
  window.font = FontRecord{"Arial", 8, layout::kDefaultColour, layout::kDefaultStyle};
  window.title = "A title";
  window.icon = "APP.ICO";
  window.entries = {1, 2};
  window.flags2 = 0x3040;
  window.timer = 500;
  window.cursor = "WAIT";
  window.controls = {prompt, string, button, group, spin, list, other,
                     WithTexts(Control(layout::kTypeCustom, 10), false),
                     WithTexts(Control(layout::kTypePanel, 11), false),
                     Field(layout::kTypeDrop, 12, 18, 20)};
  WindowRecord second;
  second.label = "$SECOND";
  second.controls = {Control(layout::kTypeButton, 1)};
  second.controls[0].text = "OK";  // the image then ends in this string
  return {"module$PROC", {window, second}};
}

DefinitionBuffer BufferOf(const std::vector<uint8_t>& body) {
  return DefinitionBuffer::WithBody(body);
}

std::vector<uint8_t> BodyOf(const WindowDefinition& definition) {
  return EncodeDefinitionBody(definition.windows);
}

void PutU32(std::vector<uint8_t>& body, uint32_t bufferOffset, uint32_t value) {
  for (int i = 0; i < 4; ++i) body.at(bufferOffset - layout::kBodyStart + i) = static_cast<uint8_t>(value >> (8 * i));
}

bool Valid(const std::vector<uint8_t>& body) {
  return ValidateDefinition(BufferOf(body));
}

}  // namespace qor::win::testing
