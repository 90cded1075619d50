// The tick over a large log with a journal of 100 sessions the log could not take, loading and
// parsing a log, appending one session to it, and keeping the session in progress.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <numeric>

#include "linetally/database/csv_export.h"
#include "linetally/database/file_store_memory.h"
#include "linetally/database/session_database.h"
#include "linetally/database/session_journal.h"
#include "linetally/monitor/session_monitor.h"
#include "linetally/summary/status_bar.h"
#include "linetally/tariffs/call_cost.h"
#include "bench/linetally/tariffs/fifty_services.h"

namespace lt {
namespace {

class QuietUi : public DatabaseUi {
 public:
  void ShowError(const std::string&) override {}
  void ShowSizeWarning(const std::string&, int) override {}
};

std::string LogText(int records) {
  std::string text;
  for (int i = 0; i < records; ++i)
    text += "07/12/2026 09:15:02,07/12/2026 09:47:40," + std::to_string(1000 + i % 5000) + ",Office link,1.2516,\r\n";
  return text;
}

struct ScratchLog {
  explicit ScratchLog(int records) {
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "Lnt.dat", std::ios::binary) << LogText(records);
  }
  ~ScratchLog() { std::filesystem::remove_all(folder); }
  std::filesystem::path folder = std::filesystem::temp_directory_path() / "lt-bench-log";
  std::string Prefix() const { return folder.string() + "/"; }
};

// A log of `records` loaded and parsed, as at start-up.
struct LoadedLog {
  explicit LoadedLog(int records) : log(records) {
    db.LoadDatabase(db.WorkingFile());
    db.ReadDatabase(1);
  }
  ScratchLog log;
  RegionalFormats formats = DayFirstFormats();
  StdFileStore files;
  QuietUi ui;
  SessionDatabase db{files, ui, formats, log.Prefix()};
};

void LoadAndParse100000(benchmark::State& state) {
  ScratchLog log(100000);
  RegionalFormats formats = DayFirstFormats();
  StdFileStore files;
  QuietUi ui;
  for (auto _ : state) {
    SessionDatabase db(files, ui, formats, log.Prefix());
    db.LoadDatabase(db.WorkingFile());
    db.ReadDatabase(1);
    benchmark::DoNotOptimize(db.SumCost());
  }
}
BENCHMARK(LoadAndParse100000)->Unit(benchmark::kMillisecond);

void AppendOneSessionTo10000(benchmark::State& state) {
  LoadedLog loaded(10000);
  SessionDatabase& db = loaded.db;
  SessionRecord record{{2026, 12, 8, 10, 0, 0}, {2026, 12, 8, 11, 0, 0}, 3600, "Home", Currency::FromRaw(23700), ""};
  for (auto _ : state) {
    db.UpdateDB(record);
    benchmark::DoNotOptimize(db.SaveWorkingFile());
  }
}
BENCHMARK(AppendOneSessionTo10000)->Unit(benchmark::kMillisecond);

// The whole-file atomic rewrite of a 100,000-record log (about 6 MB) after each change.
void RewriteWorkingFile100000(benchmark::State& state) {
  LoadedLog loaded(100000);
  for (auto _ : state) benchmark::DoNotOptimize(loaded.db.SaveWorkingFile());
}
BENCHMARK(RewriteWorkingFile100000)->Unit(benchmark::kMillisecond);

// The CSV text of a 100,000-record log, every record chosen (the export without its file).
void ExportCsv100000(benchmark::State& state) {
  LoadedLog loaded(100000);
  std::vector<size_t> records(loaded.db.Table().Count());
  std::iota(records.begin(), records.end(), size_t(1));
  const Utf8Converter asIs = [](std::string_view text) { return std::string(text); };
  for (auto _ : state) benchmark::DoNotOptimize(ExportCsv(loaded.db.Table(), records, loaded.formats, asIs));
}
BENCHMARK(ExportCsv100000)->Unit(benchmark::kMillisecond);

// A journal holding `unsaved` finished sessions that no save took (the log held open by another
// program all day), as the session in progress finds it.
void FillJournal(SessionJournal& journal, int unsaved) {
  journal.Open();
  for (int i = 0; i < unsaved; ++i)
    journal.Finish(SessionRecord{{2026, 12, 8, 8 + i / 60, i % 60, 0}, {2026, 12, 8, 8 + i / 60, i % 60, 30}, 30,
                                 "Office link", Currency::FromRaw(300), ""});
}

// What the tick that keeps the session in progress spends on it, once a minute: the journal
// (the session in progress after `range(0)` unsaved ones) written, flushed to the disk and
// renamed over the last one.
void KeepTheSessionInProgress(benchmark::State& state) {
  ScratchLog log(0);
  RegionalFormats formats = DayFirstFormats();
  StdFileStore files;
  SessionJournal journal(files, formats, log.Prefix());
  FillJournal(journal, int(state.range(0)));
  SessionRecord record{{2026, 12, 9, 10, 0, 0}, {2026, 12, 9, 11, 0, 0}, 3600, "Home", Currency::FromRaw(23700), ""};
  for (auto _ : state) {
    ++record.seconds;  // each keep is new text, so each is written
    journal.Keep(record);
  }
}
BENCHMARK(KeepTheSessionInProgress)->Arg(0)->Arg(100)->Unit(benchmark::kMillisecond);

class ConnectedRas : public RemoteAccess {
 public:
  uint16_t QueryPlatformId() override { return 2; }
  void SelectLayout(uint16_t) override {}
  int32_t EnumerateConnections(std::string& name) override {
    name = "Office link";
    return 1;
  }
  uint16_t ConnectionState() override { return kStateConnected; }
};

// The window's side of the tick without the window: the status texts are computed as the
// main window computes them, over the whole log, and only not sent to any control; the session
// is kept in a journal that already holds 100 unsaved sessions (in memory: the disk's flush
// once a minute is KeepTheSessionInProgress's).
class SilentView : public MonitorView {
 public:
  explicit SilentView(const SessionDatabase& log) : log(log) { FillJournal(journal, 100); }
  void SetStatusText(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
  void UpdateStatusBar() override {
    // The window reads the wall clock here; the benchmark keeps the day fixed instead.
    const StatusSettings settings{"\xA3", false, Currency::FromRaw(100000), PeriodOf(today, 1)};
    StatusTexts texts = CurrentStatusTexts(*monitor, log, totalCost, settings);
    benchmark::DoNotOptimize(texts);
  }
  void LogSession(const SessionRecord&) override {}
  void KeepSession(const SessionRecord& soFar) override { journal.Keep(soFar); }
  void DropKeptSession() override { journal.DropInProgress(); }
  void ResetSessionDisplay() override {}
  void SetDebugCaptions(bool) override {}
  void ToggleDebugControls() override {}
  void SetPriceLabel(const std::string&) override {}
  void DoProgressBar(const std::string&, int, long double, long double) override {}
  void ShowTrayFrame(int) override {}

  const SessionDatabase& log;
  MemoryFileStore files;
  RegionalFormats formats = DayFirstFormats();
  SessionJournal journal{files, formats, "C:\\"};
  const SessionMonitor* monitor = nullptr;
  CivilDateTime today{2026, 12, 9, 10, 0, 1, 0};
  Currency totalCost;
};

class FlatCost : public CostStep {
 public:
  Currency UpdateCallCost(CostState& s, CostDisplay&) override {
    s.accumulatedCost += 0.001L;
    return Currency::FromReal(s.accumulatedCost);
  }
  void UpdatePriceLabel(CostDisplay&) override {}
};

// A tick while on line, the status bar refreshed from a 100,000-record log on three ticks in
// four, the session kept once a minute in a journal of 100 unsaved sessions, and the fourth
// pricing its second: at a flat rate, or by 50 services each for three connections.
void OneTick(benchmark::State& state, bool priced) {
  LoadedLog loaded(100000);
  const SessionDatabase& db = loaded.db;
  ConnectedRas ras;
  // A quarter of a second a tick, however often the tick and the cost step read the clock.
  SettableClock clock(CivilDateTime{2026, 12, 9, 10, 0, 1, 0});
  FlatCost flat;
  const ServiceTable services = FiftyServices(true);
  TariffCostStep tariffs(services, clock);
  CostStep& costs = priced ? static_cast<CostStep&>(tariffs) : flat;
  SilentView view(db);
  SessionMonitor monitor(ras, clock, costs, view);
  view.monitor = &monitor;
  view.totalCost = db.SumCost();
  for (auto _ : state) {
    monitor.Timer1Timer();
    clock.AdvanceMilliseconds(250);
  }
}
BENCHMARK_CAPTURE(OneTick, flat_rate, false);
BENCHMARK_CAPTURE(OneTick, fifty_services_for_connections, true);

}  // namespace
}  // namespace lt
