#include <gtest/gtest.h>

#include "yearboard/base/color.h"
#include "yearboard/base/formats.h"
#include "yearboard/base/settings_store.h"

namespace yb {
namespace {

TEST(Formats, GeneralDateLeavesOutMidnight) {
  const Formats us;
  EXPECT_EQ(FormatGeneralDate(DateTimeSerial(1998, 5, 5, 10, 0, 0), us), "5/5/1998 10:00:00 AM");
  EXPECT_EQ(FormatGeneralDate(DateTimeSerial(1998, 12, 31, 23, 5, 9), us),
            "12/31/1998 11:05:09 PM");
  EXPECT_EQ(FormatGeneralDate(DateSerial(1998, 5, 5), us), "5/5/1998");
  EXPECT_EQ(FormatGeneralDate(DateTimeSerial(1998, 5, 5, 0, 0, 1), us), "5/5/1998 12:00:01 AM");
}

TEST(Formats, DayFirstPicturesAndQuotedText) {
  Formats uk;
  uk.shortDate = "dd/MM/yyyy";
  uk.longTime = "HH:mm:ss";
  EXPECT_EQ(FormatGeneralDate(DateTimeSerial(1998, 5, 7, 9, 3, 0), uk), "07/05/1998 09:03:00");
  EXPECT_EQ(FormatPicture(DateSerial(1998, 3, 1), "dddd d MMMM yy", uk), "Sunday 1 March 98");
  EXPECT_EQ(FormatPicture(DateSerial(1998, 3, 1), "d 'of' MMM, 'o''clock'", uk),
            "1 of Mar, o'clock");
  EXPECT_EQ(FormatPicture(DateTimeSerial(1998, 3, 1, 13, 0, 0), "h t", uk), "1 P");
  EXPECT_EQ(MonthName(9, uk), "September");
}

TEST(Color, SavedTextIsTheSignedNumber) {
  EXPECT_EQ(ColorText(Rgb(0, 255, 0)), "65280");
  EXPECT_EQ(ColorText(255), "255");
  EXPECT_EQ(ColorText(kSysInactiveCaption), "-2147483645");
  EXPECT_EQ(ParseColorText("65280"), Rgb(0, 255, 0));
  EXPECT_EQ(ParseColorText(" -2147483645 "), kSysInactiveCaption);
  EXPECT_EQ(ParseColorText("4294967295"), 0xFFFFFFFFu);
}

TEST(Color, TextThatIsNoWholeNumberIsRefused) {
  for (const char* bad : {"", "  ", "green", "12.5", "1e3", "65280x", "4294967296",
                          "-2147483649"}) {
    EXPECT_FALSE(ParseColorText(bad).has_value()) << bad;
  }
}

TEST(Color, SystemColourReferences) {
  EXPECT_EQ(kSysWindow, 0x80000005u);
  EXPECT_TRUE(IsSystemColor(kSys3DLight));
  EXPECT_EQ(SystemColorIndex(kSys3DLight), 22);
  EXPECT_FALSE(IsSystemColor(Rgb(255, 255, 255)));
}

TEST(MemorySettingsStore, RoundTripWithNamesInAnyCase) {
  MemorySettingsStore store;
  EXPECT_FALSE(store.GetSetting("Yearboard", "Categories", "Travel").has_value());
  store.SaveSetting("Yearboard", "Categories", "Travel", "65280");
  store.SaveSetting("Yearboard", "Categories", "TRAVEL", "255");
  EXPECT_EQ(store.GetSetting("yearboard", "categories", "travel"), "255");
  EXPECT_EQ(store.Size(), 1u);
  EXPECT_FALSE(store.GetSetting("Yearboard", "Other", "Travel").has_value());
}

}  // namespace
}  // namespace yb
