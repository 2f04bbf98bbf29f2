// Filling a message's placeholders: order, the code-90 rule, values that hold
// placeholders, unknown and blank ones, and the limits.
#include <gtest/gtest.h>

#include "framework/message_expansion.h"

namespace qor::fw {
namespace {

PlaceholderValues Sample() {
  PlaceholderValues v;
  v.errorCode = 2;
  v.error = "File Not Found";
  v.fileErrorCode = "1107";
  v.fileError = "Driver says no";
  v.file = "CUSTOMER.DAT";
  v.message = "the message";
  v.field = "CUS:NAME";
  v.previous = "before %File";
  return v;
}

TEST(MessageExpansionTest, EveryPlaceholderTakesItsValueAndLongerOnesWin) {
  EXPECT_EQ(ExpandPlaceholders("%ErrorCode|%ErrorText|%Error|%FileErrorCode|%FileError|%File|%Message|%Field|%Previous",
                               Sample()),
            "2|File Not Found (2)|File Not Found|1107|Driver says no|CUSTOMER.DAT|the message|CUS:NAME|before %File");
  EXPECT_EQ(ExpandPlaceholders("File (%File) could not be opened.  Error: %ErrorText.", Sample()),
            "File (CUSTOMER.DAT) could not be opened.  Error: File Not Found (2).");
}

TEST(MessageExpansionTest, CodeNinetyShowsTheFileDriversErrorInsteadOfTheRunTimeOne) {
  PlaceholderValues v = Sample();
  v.errorCode = 90;
  EXPECT_EQ(ExpandPlaceholders("Error: %ErrorText", v), "Error: Driver says no (1107)");
}

TEST(MessageExpansionTest, InsertedTextIsNeverSearchedAgain) {
  PlaceholderValues v = Sample();
  v.file = "%File%Previous%ErrorText";
  v.previous = "%Previous";
  EXPECT_EQ(ExpandPlaceholders("[%File] [%Previous]", v), "[%File%Previous%ErrorText] [%Previous]");
}

TEST(MessageExpansionTest, UnknownPlaceholdersStayAndBlankValuesInsertNothing) {
  PlaceholderValues v = Sample();
  v.file = "   ";
  v.field = "";
  EXPECT_EQ(ExpandPlaceholders("%Files %Fil %field %Field. 100% [%File]", v), "s %Fil %field . 100% []");
}

TEST(MessageExpansionTest, TheTextAndTheResultStopAt1999Characters) {
  EXPECT_EQ(ExpandPlaceholders(std::string(2500, 'x'), Sample()).size(), 1999u);
  PlaceholderValues v = Sample();
  v.file = std::string(254, 'f');
  std::string text;
  for (int i = 0; i < 20; ++i) text += "%File";
  std::string out = ExpandPlaceholders(text, v);
  EXPECT_EQ(out, std::string(1999, 'f'));
}

}  // namespace
}  // namespace qor::fw
