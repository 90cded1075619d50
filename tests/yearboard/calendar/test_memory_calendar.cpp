#include <gtest/gtest.h>

#include "yearboard/base/ole_date.h"
#include "yearboard/calendar/memory_calendar.h"

namespace yb {
namespace {

double May(int day, int hour = 0) {
  return DateTimeSerial(1998, 5, day, hour, 0, 0);
}

std::vector<std::string> Subjects(ItemCollection& items, const std::string& filter) {
  std::vector<std::string> result;
  for (AppointmentItem a = items.Find(filter); a; a = items.FindNext())
    result.push_back(a->Subject());
  return result;
}

TEST(YearFilter, NamesTheYearAndTheNext) {
  EXPECT_EQ(YearFilter(1998), "[Start] >= '01/01/1998' And [Start] < '01/01/1999'");
  EXPECT_EQ(YearFilter(1999), "[Start] >= '01/01/1999' And [Start] < '01/01/2000'");
}

TEST(MemoryCalendar, SessionOpensMapiCalendarAndReleasesInOrder) {
  MemoryCalendar calendar;
  {
    CalendarSession session(calendar.CreateApplication());
    session.CalendarFolder().Items();
  }
  EXPECT_EQ(calendar.Calls(), (std::vector<std::string>{
                                  "GetNamespace MAPI", "GetDefaultFolder 9", "Items",
                                  "Release Folder", "Release Namespace", "Release Application"}));
}

TEST(MemoryCalendar, ReleasedSessionHasNoFolder) {
  MemoryCalendar calendar;
  CalendarSession session(calendar.CreateApplication());
  session.Release();
  EXPECT_THROW(session.CalendarFolder(), CalendarError);
}

TEST(MemoryCalendar, FindHonoursYearFilterAndSort) {
  MemoryCalendar calendar;
  calendar.Add({May(7, 10), May(7, 11), "Travel", "later", {}});
  calendar.Add({DateSerial(1999, 1, 1), DateSerial(1999, 1, 2), "", "next year", {}});
  calendar.Add({May(5, 10), May(5, 11), "Holiday", "earlier", {}});
  calendar.Add({DateSerial(1998, 1, 1), DateTimeSerial(1998, 1, 1, 1, 0, 0), "", "new year", {}});
  calendar.Add({DateTimeSerial(1997, 12, 31, 23, 0, 0),
                DateTimeSerial(1998, 1, 1, 1, 0, 0),
                "",
                "old year",
                {}});
  CalendarSession session(calendar.CreateApplication());

  auto unsorted = session.CalendarFolder().Items();
  EXPECT_EQ(Subjects(*unsorted, YearFilter(1998)),
            (std::vector<std::string>{"later", "earlier", "new year"}));

  auto items = session.CalendarFolder().Items();
  items->Sort("[Start]", false);
  EXPECT_EQ(Subjects(*items, YearFilter(1998)),
            (std::vector<std::string>{"new year", "earlier", "later"}));
  items->Sort("[Start]", true);
  EXPECT_EQ(Subjects(*items, YearFilter(1998)),
            (std::vector<std::string>{"later", "earlier", "new year"}));
}

TEST(MemoryCalendar, RecurrencesAreOneItemUnlessIncluded) {
  MemoryCalendar calendar;
  calendar.Add({May(4, 9), May(4, 10), "Work", "weekly", {May(4, 9), May(11, 9), May(18, 9)}});
  calendar.Add({May(12, 9), May(12, 10), "", "single", {}});
  CalendarSession session(calendar.CreateApplication());
  auto items = session.CalendarFolder().Items();
  items->Sort("[Start]", false);
  EXPECT_EQ(Subjects(*items, YearFilter(1998)), (std::vector<std::string>{"weekly", "single"}));

  items->SetIncludeRecurrences(true);
  std::vector<double> starts;
  for (AppointmentItem a = items->Find(YearFilter(1998)); a; a = items->FindNext()) {
    starts.push_back(a->Start());
    EXPECT_NEAR(a->End() - a->Start(), 1.0 / 24, 1e-9);
  }
  EXPECT_EQ(starts, (std::vector<double>{May(4, 9), May(11, 9), May(12, 9), May(18, 9)}));
}

TEST(MemoryCalendar, ChangesShowAtTheNextFind) {
  MemoryCalendar calendar;
  CalendarSession session(calendar.CreateApplication());
  auto items = session.CalendarFolder().Items();
  EXPECT_EQ(items->Find(YearFilter(1998)), nullptr);
  EXPECT_EQ(items->FindNext(), nullptr);
  calendar.Add({May(5), May(6), "", "added", {}});
  EXPECT_EQ(Subjects(*items, YearFilter(1998)), (std::vector<std::string>{"added"}));
}

TEST(MemoryCalendar, InspectorDisplaysTheItem) {
  MemoryCalendar calendar;
  calendar.Add({May(5), May(6), "Holiday", "Beach", {}});
  CalendarSession session(calendar.CreateApplication());
  auto items = session.CalendarFolder().Items();
  AppointmentItem item = items->Find(YearFilter(1998));
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->Categories(), "Holiday");
  item->GetInspector()->Display();
  EXPECT_EQ(calendar.Displayed(), std::vector<std::string>{"Beach"});
}

TEST(MemoryCalendar, FailingMemberThrowsItsText) {
  MemoryCalendar calendar;
  calendar.FailOn("GetNamespace", "Automation error");
  try {
    CalendarSession session(calendar.CreateApplication());
    FAIL() << "no error";
  } catch (const CalendarError& e) {
    EXPECT_STREQ(e.what(), "Automation error");
  }
  EXPECT_EQ(calendar.Calls().back(), "Release Application");
}

TEST(MemoryCalendar, WrongNamespaceOrFolderFails) {
  MemoryCalendar calendar;
  auto app = calendar.CreateApplication();
  EXPECT_THROW(app->GetNamespace("XYZ"), CalendarError);
  EXPECT_THROW(app->GetNamespace("MAPI")->GetDefaultFolder(6), CalendarError);
}

}  // namespace
}  // namespace yb
