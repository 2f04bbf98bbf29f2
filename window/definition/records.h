#pragma once
// A window definition as native records: what the byte image says, decoded. The
// resource compiler builds these from the readable source and encodes them; the window
// runtime decodes them from the loaded buffer. Fields the stored format leaves to the
// implementer are written as zero and not kept here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "window/definition/layout.h"

namespace qor::win {

// Where a record was found in its buffer. It is not part of the record's content, so
// two records compare equal wherever they were stored.
struct ImageOffset {
  uint32_t value = 0;
  bool operator==(const ImageOffset&) const { return true; }
};

struct FontRecord {
  std::string face;                            // empty: the window font's face
  int32_t points = 0;                          // 0: the window font's size
  uint32_t colour = layout::kDefaultColour;    // 0x00BBGGRR
  int32_t style = layout::kDefaultStyle;       // weight, 400 normal, 700 bold
  bool operator==(const FontRecord&) const = default;
};

struct UseDescriptor {
  uint8_t typeCode = 0;  // 1 BYTE, 6 LONG, 7 ULONG, 18 STRING, ...
  uint32_t byteSize = 0;
  bool operator==(const UseDescriptor&) const = default;
};

struct Placement {
  int32_t x = layout::kNotGiven;
  int32_t y = layout::kNotGiven;
  int32_t width = layout::kNotGiven;
  int32_t height = layout::kNotGiven;
  bool operator==(const Placement&) const = default;
};

// One control. Which fields a kind stores is fixed by its layout (layout.h); the others
// stay at their defaults.
struct ControlRecord {
  uint8_t type = 0;
  uint32_t flags = 0;
  int32_t number = 0;
  Placement at;
  std::string text;     // displayed text, button text, group or check box caption
  std::string altText;  // used instead of text when text begins with "~"
  std::string help;     // tool tip
  std::string second;
  std::string further;
  std::string cursor;
  std::string icon;     // button
  std::string picture;  // entry, spin, list, drop box
  uint32_t value = 0;
  std::vector<uint32_t> entries;  // small-entry list
  std::optional<FontRecord> font;
  std::optional<UseDescriptor> use;
  uint32_t numeric = 0;           // entry, spin, check box: 1 numeric, 0 text
  int16_t angle = 0;              // string: tenths of a degree
  uint32_t buttonFlags = 0;       // 0x10 default button
  uint8_t iconPlacement = 0;
  uint16_t repeatDelay = 0;       // hundredths of a second
  uint16_t repeatInterval = 0;
  uint8_t dropForm = 0;           // list: non-zero = drop-down
  double low = 0, high = 0;       // spin range, both 0 = unlimited
  double step = 0;                // spin step, 0 = 1
  std::vector<ControlRecord> children;  // group box
  ImageOffset offset;
  bool operator==(const ControlRecord&) const = default;
};

struct WindowRecord {
  uint32_t flags = 0;
  Placement at;
  std::string label;  // "P1$WINDOW"
  std::optional<FontRecord> font;
  std::string title;
  std::string icon;
  std::vector<uint32_t> entries;
  uint32_t flags2 = 0;  // bit 3: modal
  uint32_t timer = 0;   // hundredths of a second, 0 = none
  std::string cursor;
  std::vector<ControlRecord> controls;
  ImageOffset offset;
  bool operator==(const WindowRecord&) const = default;
};

struct WindowDefinition {
  std::string qualifiedName;  // "kzt_asm$KZT_A001"
  std::vector<WindowRecord> windows;
  bool operator==(const WindowDefinition&) const = default;
};

// The layout family a record type uses, and the stored size of its record.
enum class RecordLayout { kWindow, kText, kString, kButton, kGroup, kEntry, kCheck, kList, kSpin, kOther };
std::optional<RecordLayout> LayoutOf(uint8_t type);  // nullopt: not a known record type
uint32_t RecordSize(RecordLayout layout);
bool ShowsVariable(RecordLayout layout);
std::string KindName(uint8_t type);  // "button", "entry", ...; "typeN" for the others
std::optional<uint8_t> KindType(const std::string& name);

// The resource name of a qualified name: the part after the first "$", then "_RSC".
std::string ResourceNameFor(const std::string& qualifiedName);

}  // namespace qor::win
