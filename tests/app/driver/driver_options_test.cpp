// The program's options: the uses it accepts and one table of the misuses it refuses.
#include <gtest/gtest.h>

#include "app/driver/driver_options.h"

namespace qor::app::drv {
namespace {

TEST(DriverOptions, AcceptsEachOptionOnceInAnyOrder) {
  OptionsReading none = ParseDriverOptions({});
  ASSERT_TRUE(none.options);
  EXPECT_FALSE(none.options->seed || none.options->script || none.options->headless || none.options->help);

  OptionsReading all = ParseDriverOptions({"--script", "-", "--seed", "4294967295", "--headless", "--help"});
  ASSERT_TRUE(all.options) << all.problem;
  EXPECT_EQ(all.options->seed, 4294967295u);
  EXPECT_EQ(all.options->script, "-");
  EXPECT_TRUE(all.options->headless && all.options->help);

  OptionsReading seedZero = ParseDriverOptions({"--seed", "0"});
  ASSERT_TRUE(seedZero.options);
  EXPECT_EQ(seedZero.options->seed, 0u);
  EXPECT_TRUE(ParseDriverOptions({"--first-frame"}).options->firstFrame);
  EXPECT_EQ(ParseDriverOptions({"--script", "--help"}).options->script, "--help");  // a file of that name
}

TEST(DriverOptions, RefusesEveryOtherUse) {
  const std::vector<std::vector<std::string>> misuses = {
      {"--frob"},
      {"-h"},
      {"script.txt"},
      {"--seed"},
      {"--seed", "4294967296"},
      {"--seed", "-1"},
      {"--seed", "0x10"},
      {"--seed", ""},
      {"--seed", "1", "--seed", "1"},
      {"--headless"},
      {"--headless", "--seed", "3"},
      {"--script"},
      {"--script", "a", "--script", "b"},
      {"--first-frame", "--seed", "1"},
      {"--first-frame", "--help"},
      {"--first-frame", "--first-frame"},
      {"--help", "--help"},
  };
  for (const std::vector<std::string>& args : misuses) {
    OptionsReading reading = ParseDriverOptions(args);
    EXPECT_FALSE(reading.options) << testing::PrintToString(args);
    EXPECT_FALSE(reading.problem.empty());
  }
}

}  // namespace
}  // namespace qor::app::drv
