// The state a control keeps for its properties: resolved font, texts, position and the
// automatic size marks, repeat timing, and the change each setter reports.
#include <gtest/gtest.h>

#include <vector>

#include "window/controls/control.h"
#include "window/definition/layout.h"
#include "window/detail/window_object.h"

namespace qor::win {
namespace {

class Watched : public Control {
 public:
  using Control::Control;
  void Changed(ControlChange what) override { changes.push_back(what); }
  std::vector<ControlChange> changes;
};

ControlRecord ButtonRecord() {
  ControlRecord record;
  record.type = layout::kTypeButton;
  record.number = 7;
  record.text = "R";
  record.help = "V1 = random( 0 , 0FFFFFFFFh )";
  record.at = {50, 26, 15, layout::kNotGiven};
  record.repeatDelay = 20;
  record.repeatInterval = 10;
  return record;
}

TEST(ControlFontResolution, EmptyFieldsTakeTheWindowFontAndNoWindowFontIsSystemTen) {
  WindowRecord window;
  ControlRecord control;
  EXPECT_EQ(ResolveControlFont(window, control), (ControlFont{"System", 10, -1, 400}));

  window.font = FontRecord{"Arial", 8, layout::kDefaultColour, layout::kDefaultStyle};
  EXPECT_EQ(ResolveControlFont(window, control), (ControlFont{"Arial", 8, -1, 400}));

  control.font = FontRecord{"Courier New", 0, layout::kDefaultColour, layout::kDefaultStyle};
  EXPECT_EQ(ResolveControlFont(window, control), (ControlFont{"Courier New", 8, -1, 400}));

  control.font = FontRecord{"", 72, 0xFFFFFF, 700};
  EXPECT_EQ(ResolveControlFont(window, control), (ControlFont{"Arial", 72, 0xFFFFFF, 700}));
}

TEST(ControlState, StartsFromTheRecordAndReportsEachChange) {
  Window window;
  window.record.font = FontRecord{"Arial", 8, layout::kDefaultColour, layout::kDefaultStyle};
  Watched control(window, ButtonRecord());
  EXPECT_EQ(control.Text(), "R");
  EXPECT_EQ(control.Tip(), "V1 = random( 0 , 0FFFFFFFFh )");
  EXPECT_EQ(control.Font().face, "Arial");
  EXPECT_FALSE(control.AutoWidth());
  EXPECT_TRUE(control.AutoHeight());
  EXPECT_EQ(control.RepeatDelayMs(), 200);
  EXPECT_EQ(control.RepeatIntervalMs(), 100);

  control.SetText("S");
  control.SetTip("");
  control.SetFont(ControlFont{"Arial", 8, 0xFF, 400});
  control.SetPosition({1, 2, layout::kNotGiven, 4});
  control.SetFlags(control.Flags() | 0x08);   // justification only
  control.SetFlags(control.Flags() | 0x800);  // another bit only
  control.SetState(kStatePressed);
  control.SetState(kStatePressed);  // unchanged: no report
  control.SetRepeatDelayMs(500);
  EXPECT_EQ(control.changes,
            (std::vector<ControlChange>{ControlChange::kText, ControlChange::kTip, ControlChange::kFont,
                                        ControlChange::kPlacement, ControlChange::kJustification,
                                        ControlChange::kFlags, ControlChange::kState, ControlChange::kRepeat}));
  EXPECT_EQ(control.Position(), (Placement{1, 2, layout::kNotGiven, 4}));
  EXPECT_TRUE(control.AutoWidth());
  EXPECT_FALSE(control.AutoHeight());  // a given height clears the mark
  control.SetAutoSize(false, true);
  control.SetPosition({9, 9, layout::kNotGiven, 4});  // x and y only: the marks stay
  EXPECT_FALSE(control.AutoWidth());
  EXPECT_TRUE(control.AutoHeight());
}

TEST(ControlState, TildeTextShowsTheAlternativeText) {
  Window window;
  ControlRecord record = ButtonRecord();
  record.text = "~x";
  record.altText = "Other";
  Watched control(window, record);
  EXPECT_EQ(control.Text(), "Other");
}

}  // namespace
}  // namespace qor::win
