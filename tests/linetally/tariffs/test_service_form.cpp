#include <gtest/gtest.h>

#include <cstring>

#include "linetally/tariffs/service_form.h"

namespace lt {
namespace {

TEST(ServiceForm, AmountFilterTakesDigitsBackspaceAndOnePoint) {
  for (char c : std::string("0123456789\b")) EXPECT_TRUE(AmountKeyAllowed(c, "1.5")) << int(c);
  EXPECT_TRUE(AmountKeyAllowed('.', "15"));
  EXPECT_FALSE(AmountKeyAllowed('.', "1.5")) << "a second point";
  EXPECT_FALSE(AmountKeyAllowed('.', ".")) << "even when it is the whole selection";
  for (char c : std::string(",-+e a\r\t\x1b\x16")) EXPECT_FALSE(AmountKeyAllowed(c, "")) << int(c);
}

TEST(ServiceForm, NamesWithTheElevenCharactersAreRefused) {
  for (char c : std::string("\"&*,/:<>?\\|")) {
    EXPECT_EQ(IllegalNameCharacter(std::string("Night") + c + "Rate"), c);
  }
  EXPECT_EQ(IllegalNameCharacter("a/b&c"), '/') << "the first one met";
  EXPECT_FALSE(IllegalNameCharacter("Night rate (BT) - 10% off; #2"));
  EXPECT_EQ(IllegalCharacterMessage('&'), "Service contains an illegal character ( & )");
  EXPECT_EQ(IllegalCharacterMessage('/'), "Service contains an illegal character ( / )");
  EXPECT_TRUE(IsBlankName(""));
  EXPECT_TRUE(IsBlankName("   "));
  EXPECT_FALSE(IsBlankName(" a "));
}

std::vector<uint8_t> Bytes(double value) {
  std::vector<uint8_t> bytes(8);
  std::memcpy(bytes.data(), &value, 8);
  return bytes;
}

TEST(ServiceForm, TimeTextsBecomeStoredFractionsAndBack) {
  EXPECT_EQ(Bytes(*TimeTextToFraction("18:00")),
            (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0xE8, 0x3F}));
  EXPECT_EQ(Bytes(*TimeTextToFraction("08:00")),
            (std::vector<uint8_t>{0x55, 0x55, 0x55, 0x55, 0x55, 0x55, 0xD5, 0x3F}));
  EXPECT_EQ(*TimeTextToFraction(" 8:00"), *TimeTextToFraction("08:00"));
  EXPECT_EQ(*TimeTextToFraction("00:00"), 0.0);
  EXPECT_EQ(*TimeTextToFraction("23:59"), (23 * 60 + 59) * 60000 / 86400000.0);
  for (const char* bad : {"  :  ", "24:00", "12:60", "12: ", "ab:cd", "12:345", ""})
    EXPECT_FALSE(TimeTextToFraction(bad)) << bad;
  EXPECT_EQ(FractionToTimeText(0.75), "18:00");
  EXPECT_EQ(FractionToTimeText(1.0 / 3), "08:00");
  EXPECT_EQ(FractionToTimeText(0), "00:00");
  EXPECT_EQ(FractionToTimeText(*TimeTextToFraction("07:05")), "07:05");
}

TEST(ServiceForm, TimeMaskFillsPositionsAroundTheSeparator) {
  TimeMask mask;
  EXPECT_EQ(mask.Text(), "  :  ");
  EXPECT_EQ(mask.DisplayText(), "__:__");
  EXPECT_FALSE(mask.Complete());
  EXPECT_FALSE(mask.TypeChar('x'));
  EXPECT_FALSE(mask.Modified());
  for (char c : std::string("1830")) EXPECT_TRUE(mask.TypeChar(c));
  EXPECT_EQ(mask.Text(), "18:30");
  EXPECT_FALSE(mask.TypeChar('1')) << "full";
  EXPECT_TRUE(mask.Complete());
  mask.Backspace();
  mask.Backspace();
  mask.Backspace();
  EXPECT_EQ(mask.Text(), "1 :  ") << "backspace steps over the separator";
  EXPECT_FALSE(mask.Complete());
  mask.Revert();
  EXPECT_EQ(mask.Text(), "  :  ");
  EXPECT_FALSE(mask.Modified());

  EXPECT_TRUE(mask.TypeChar(' ')) << "the first hour digit may stay blank";
  EXPECT_FALSE(mask.TypeChar(' ')) << "the second may not";
  for (char c : std::string("800")) mask.TypeChar(c);
  EXPECT_EQ(mask.Text(), " 8:00");
  EXPECT_TRUE(mask.Complete());
  EXPECT_EQ(*TimeTextToFraction(mask.Text()), 1.0 / 3);

  mask.SetText("07:45");
  EXPECT_FALSE(mask.Modified());
  mask.SetCaret(2);
  mask.Delete();
  EXPECT_EQ(mask.Text(), "07: 5");
}

TEST(ServiceForm, TimeMaskTakesWhatAControlShows) {
  const std::pair<const char*, const char*> cases[] = {
      {"18:30", "18:30"}, {"8:05", " 8:05"}, {"0800", "08:00"}, {"1_:__", "1 :  "},
      {"__:__", "  :  "}, {"", "  :  "},   {":45", "  :45"},  {"7x:3", "7 :3 "},
  };
  for (auto [shown, text] : cases) EXPECT_EQ(TimeMask::FromShown(shown), text) << shown;

  TimeMask mask;
  mask.SetText("07:45");
  mask.BeginEdit();
  mask.Replace("12:00");
  EXPECT_EQ(mask.Text(), "12:00");
  EXPECT_TRUE(mask.Modified()) << "a paste is an edit";
  mask.Revert();
  EXPECT_EQ(mask.Text(), "07:45");
}

TEST(ServiceForm, CheckRefusesMissingAmountsAndBadTimesBeforeAnyWrite) {
  ServiceForm form;
  form.after = "08:00";
  form.before = "18:00";
  form.mon = form.fri = true;
  FormCheck ok = CheckForm(form, "Day");
  ASSERT_TRUE(ok.service) << ok.error;
  EXPECT_EQ(ok.service->Days, "26");
  EXPECT_EQ(ok.service->After, 1.0 / 3);
  EXPECT_EQ(ok.service->Cost, "0.000");

  ServiceForm empty = form;
  empty.cost = "";
  EXPECT_EQ(CheckForm(empty, "Day").error, "Please enter an amount for \"Cost per minute\".");
  empty = form;
  empty.minCharge = "";
  EXPECT_TRUE(CheckForm(empty, "Day").service) << "a disabled edit may be empty";
  empty.minChargeOn = true;
  EXPECT_EQ(CheckForm(empty, "Day").error, "Please enter an amount for \"Minimum call charge\".");

  ServiceForm late = form;
  late.before = "24:00";
  EXPECT_EQ(CheckForm(late, "Day").error, "'24:00:00' is not a valid time");
  late.after = "  :  ";
  EXPECT_EQ(CheckForm(late, "Day").error, "'  :  :00' is not a valid time") << "editAfter first";
}

// Stored as the names kept, joined by ";"; a name no connection can have refuses the save.
TEST(ServiceForm, ConnectionsAreCheckedAndStoredOncePerName) {
  ServiceForm form;
  form.after = form.before = "00:00";
  const struct {
    const char* typed;
    const char* stored;  // nullptr: refused with `error`
    const char* error;
  } cases[] = {
      {"", "", nullptr},
      {"  ;; ", "", nullptr},
      {" Office link ;Home;office LINK; home", "Office link;Home", nullptr},
      {"Caf\xE9;CAF\xC9", "Caf\xE9", nullptr},
      {"Home;Office/ISDN;a:b", nullptr, "the name \"Office/ISDN\" holds \"/\""},
      {"a:b", nullptr, "holds \":\""},
      {"Home|2", nullptr, "holds \"|\""},
      {".hidden", nullptr, "the name \".hidden\" begins with \".\""},
      {"Pay as you go (eve.)", "Pay as you go (eve.)", nullptr},
  };
  for (const auto& c : cases) {
    form.connections = c.typed;
    FormCheck check = CheckForm(form, "Day");
    if (c.stored) {
      ASSERT_TRUE(check.service) << c.typed << ": " << check.error;
      EXPECT_EQ(check.service->Connections, c.stored) << c.typed;
      EXPECT_EQ(FormOf(*check.service).connections, c.stored);
    } else {
      EXPECT_FALSE(check.service) << c.typed;
      EXPECT_EQ(check.error.rfind("Connections: ", 0), 0u) << check.error;
      EXPECT_NE(check.error.find(c.error), std::string::npos) << check.error;
    }
  }
}

TEST(ServiceForm, StoredServiceShowsInTheForm) {
  TelecomService s;
  s.Cost = "5";
  s.Discount = ".5";
  s.DiscountOn = true;
  s.Sun = true;
  s.After = 0.75;
  s.Before = 1.0 / 3;
  ServiceForm form = FormOf(s);
  EXPECT_EQ(form.cost, "5");
  EXPECT_EQ(form.discount, ".5");
  EXPECT_TRUE(form.discountOn);
  EXPECT_TRUE(form.sun);
  EXPECT_FALSE(form.mon);
  EXPECT_EQ(form.after, "18:00");
  EXPECT_EQ(form.before, "08:00");
}

}  // namespace
}  // namespace lt
