// Building a year into the model, and loading and marking a year of 10,000 appointments from
// the in-memory calendar.
#include <benchmark/benchmark.h>

#include <memory>

#include "yearboard/calendar/load_appointments.h"
#include "yearboard/calendar/memory_calendar.h"

namespace yb {
namespace {

class QuietView : public PlannerView {
 public:
  void BeginShowYear(int) override {}
  void EndShowYear() override {}
  void SetStatusText(const std::string&) override {}
  void BeginProgress() override {}
  void SetProgress(float value) override { benchmark::DoNotOptimize(value); }
  void EndProgress() override {}
  Color PickColor(Color preset) override { return preset; }
};

struct Planner {
  Planner() : planner(view, Formats{}) {
    planner.CategoryList = std::make_unique<cCategories>(planner.flxCategories, AsciiCase());
    for (const char* name : {"Holiday", "Travel", "Work", "Birthday"}) planner.CategoryList->Add(name, 65280);
    planner.PreparePlanner();
    planner.ShownYear = 2026;
  }
  QuietView view;
  YearPlanner planner;
};

void BM_BuildYearGrid(benchmark::State& state) {
  Planner p;
  for (auto _ : state) {
    p.planner.BuildYearGrid();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BuildYearGrid)->Unit(benchmark::kMicrosecond);

// 10,000 appointments over the year: most an hour long, every tenth running three days,
// in six categories (one of them new to the table, one empty).
void BM_LoadAndMark10000(benchmark::State& state) {
  const char* const categories[] = {"Holiday", "Travel", "Work", "Birthday", "Learning", ""};
  MemoryCalendar calendar;
  for (int i = 0; i < 10000; ++i) {
    const OleDate start = DateTimeSerial(2026, 1, 1, 8 + i % 10, 0, 0) + i * 365 / 10000;
    const OleDate end = i % 10 == 0 ? start + 3 : start + 1.0 / 24;
    calendar.Add({start, end, categories[i % 6], "Appointment", {}});
  }
  CalendarSession session(calendar.CreateApplication());
  Planner p;
  for (auto _ : state) {
    p.planner.BuildYearGrid();
    LoadAppointments(p.planner, session.CalendarFolder());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_LoadAndMark10000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace yb
