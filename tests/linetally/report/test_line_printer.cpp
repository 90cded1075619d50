#include <gtest/gtest.h>

#include "linetally/report/line_printer.h"
#include "tests/linetally/report/fake_surface.h"

namespace lt {
namespace {

using Events = std::vector<std::string>;

TEST(LinePrinter, LinesGoDownFromTheTopLeftInCourier) {
  FakeSurface page(300, 1000);
  PrintLines(page, "Linetally", {"one", "", "two"});
  // A line with text advances by its height + 2; an empty line by the font's height.
  EXPECT_EQ(page.events, (Events{"begin Linetally", "font Courier", "0,0 one", "0,35 two", "end"}));
}

TEST(LinePrinter, NewPageOnlyWhenThePositionPassesTheBound) {
  // Lines are 18 high; the bound is 216 - 2 * 18 = 180, reached exactly after ten lines.
  FakeSurface page(300, 216);
  LinePrinter printer(page, "t");
  for (int i = 0; i < 12; ++i) printer.WriteLine("L" + std::to_string(i));
  printer.Close();
  const Events& e = page.events;
  ASSERT_EQ(e.size(), 2u + 12u + 1u + 1u);
  EXPECT_EQ(e[2 + 10], "0,180 L10");  // y == bound: still on the first page
  EXPECT_EQ(e[2 + 11], "page");
  EXPECT_EQ(e[2 + 12], "0,0 L11");  // no header or anything else repeated
  EXPECT_EQ(e.back(), "end");
}

TEST(LinePrinter, NoEmptyPageWhenTheLastLineFillsThePage) {
  FakeSurface page(300, 216);
  std::vector<std::string> lines(11, "x");
  PrintLines(page, "t", lines);
  EXPECT_EQ(page.events.back(), "end");
  EXPECT_EQ(std::count(page.events.begin(), page.events.end(), "page"), 0);
}

TEST(LinePrinter, ALineWiderThanThePageBreaksAtTheLastCharacterThatFits) {
  FakeSurface page(305, 1000);  // 30 characters and a half
  PrintLines(page, "t", {std::string(30, 'a') + std::string(15, 'b'), "next"});
  EXPECT_EQ(page.events, (Events{"begin t", "font Courier", "0,0 " + std::string(30, 'a'),
                                 "0,18 " + std::string(15, 'b'), "0,36 next", "end"}));
}

TEST(LinePrinter, TabFormFeedAndCarriageReturn) {
  FakeSurface page(300, 1000);
  PrintLines(page, "t", {"ab\tc", "abcdefghi\tX", "one\ftwo", "ab\rcd", "0123456789012345678901234\tend"});
  EXPECT_EQ(page.events, (Events{"begin t", "font Courier",
                                 "0,0 ab", "80,0 c",        // next multiple of 8 characters
                                 "0,18 abcdefghi", "160,18 X",
                                 "0,36 one", "page", "0,0 two",  // form feed: text goes on, on a new page
                                 "0,18 ab", "20,18 cd",          // carriage return flushes, stays on the line
                                 "0,36 0123456789012345678901234", "0,54 end",  // nothing fits after the tab
                                 "end"}));
}

TEST(LinePrinter, AnOutputErrorStopsAtThatLineAndEndsTheDocument) {
  FakeSurface page(300, 1000);
  page.failOn = "bad";
  EXPECT_THROW(PrintLines(page, "t", {"good", "bad", "never"}), PrintError);
  EXPECT_EQ(page.events, (Events{"begin t", "font Courier", "0,0 good", "end"}));
}

}  // namespace
}  // namespace lt
