#include "tests/linetally/database/database_fixture.h"

#include <functional>

namespace lt::testing {
namespace {

const std::string kLine1 = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office link,1.2516,";
const std::string kLine2 = "07/12/2026 10:00:00,07/12/2026 10:00:45,45,Home,0.045,";
const std::string kLine3 = "08/12/2026 10:00:00,08/12/2026 11:00:00,3600,Home,2.37,";

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const auto& line : lines) text += line + "\r\n";
  return text;
}

using Loading = DatabaseTest;

TEST_F(Loading, FirstLoadCreatesAnEmptyWorkingFile) {
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  EXPECT_TRUE(FileExists("Lnt.dat"));
  EXPECT_EQ(ReadFile("Lnt.dat"), "");
  EXPECT_EQ(db.Count(), 0u);
  EXPECT_TRUE(ui.errors.empty());
}

TEST_F(Loading, MissingCopyKeepsTheRecordsButBecomesCurrent) {
  WriteFile("Lnt.dat", Lines({kLine1}));
  db.LoadDatabase(db.WorkingFile());
  db.LoadDatabase(PathOf("gone.ltb"));
  EXPECT_EQ(ui.errors, std::vector<std::string>{"Database file missing or does not exist."});
  EXPECT_EQ(db.Lines(), RecordLines{kLine1});
  EXPECT_EQ(db.CurrentFile(), PathOf("gone.ltb"));
}

// The real files, except one that exists but cannot be opened.
class UnreadableFile : public FileStore {
 public:
  UnreadableFile(FileStore& files, std::string path) : files(files), path(std::move(path)) {}
  bool Exists(const std::string& p) override { return files.Exists(p); }
  std::optional<std::string> ReadAll(const std::string& p) override {
    return p == path ? std::nullopt : files.ReadAll(p);
  }
  void ReplaceAtomically(const std::string& p, const std::string& text) override { files.ReplaceAtomically(p, text); }
  std::string MoveAside(const std::string& p, const std::string& to) override { return files.MoveAside(p, to); }
  void Remove(const std::string& p) override { files.Remove(p); }

 private:
  FileStore& files;
  std::string path;
};

TEST_F(Loading, AnUnreadableWorkingFileIsSaidSoAndNeverOverwritten) {
  WriteFile("Lnt.dat", Lines({kLine1}));
  UnreadableFile locked(files, PathOf("Lnt.dat"));
  SessionDatabase lockedDb(locked, ui, formats, prefix);
  lockedDb.LoadDatabase(lockedDb.WorkingFile());
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], "Database file \"" + PathOf("Lnt.dat") + "\" could not be read.");
  lockedDb.UpdateDB(SessionRecord{});
  EXPECT_FALSE(lockedDb.SaveWorkingFile());
  EXPECT_EQ(ReadFile("Lnt.dat"), Lines({kLine1}));
}

TEST_F(Loading, ParsesEveryLineEndingAndTheLastUnendedLine) {
  WriteFile("Lnt.dat", kLine1 + "\n" + kLine2 + "\r" + kLine3);
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  ASSERT_EQ(db.Table().Count(), 3u);
  EXPECT_EQ(db.Table().Row(3)[3], "Home");
  EXPECT_EQ(db.SumSeconds(), 1958 + 45 + 3600);
  EXPECT_EQ(db.SumCost(), Currency::FromRaw(12516 + 450 + 23700));
}

TEST_F(Loading, SizeWarningFromRecord901WithHelpContext) {
  std::string text;
  for (int i = 0; i < 900; ++i) text += kLine2 + "\r\n";
  WriteFile("Lnt.dat", text);
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  EXPECT_TRUE(ui.warnings.empty());
  SessionRecord record;
  record.start = record.end = {2026, 12, 9, 8, 0, 0};
  db.UpdateDB(record);
  ASSERT_EQ(ui.warnings.size(), 1u);
  EXPECT_EQ(ui.warnings[0],
            "Your Linetally database contains more than 900 records.\r"
            "Reduce the number of records or the program may become unstable.");
  EXPECT_EQ(ui.helpContexts[0], 8030);
  EXPECT_EQ(db.Table().Count(), 901u) << "the table grows past its old limits";
  db.ReadDatabase(1);
  EXPECT_EQ(ui.warnings.size(), 2u) << "every parse warns again";
}

using Totals = DatabaseTest;

// The kept totals against the sum of what the file would hold after each change; a summary
// that starts watching later sees the same.
TEST_F(Totals, FollowLoadAppendDeleteAndReload) {
  WriteFile("Lnt.dat", Lines({kLine1, kLine2, kLine3}));
  WriteFile("copy.ltb", Lines({kLine2}));
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  RunningTotals late;
  db.Watch(late);
  SessionRecord record{{2026, 12, 9, 8, 0, 0}, {2026, 12, 9, 8, 1, 0}, 60, "Home", Currency::FromRaw(1), ""};
  const struct {
    const char* step;
    std::function<void()> change;
    int64_t cost, seconds;
  } steps[] = {
      {"load", [] {}, 12516 + 450 + 23700, 1958 + 45 + 3600},
      {"append", [&] { db.UpdateDB(record); }, 12516 + 450 + 23700 + 1, 1958 + 45 + 3600 + 60},
      {"delete 1 and 3", [&] { db.DeleteRows({2, 0}); }, 450 + 1, 45 + 60},
      {"open a copy", [&] { db.LoadDatabase(PathOf("copy.ltb")); db.ReadDatabase(1); }, 450, 45},
      {"new", [&] { db.Clear(); db.ReadDatabase(1); }, 0, 0},
  };
  for (const auto& s : steps) {
    s.change();
    EXPECT_EQ(db.SumCost(), Currency::FromRaw(s.cost)) << s.step;
    EXPECT_EQ(db.SumSeconds(), s.seconds) << s.step;
    EXPECT_EQ(late.Cost(), Currency::FromRaw(s.cost)) << s.step;
    EXPECT_EQ(late.Seconds(), s.seconds) << s.step;
  }
}

TEST_F(Totals, AnUnreadableCostIsToldOnceNamingTheFirstField) {
  const std::string bad1 = "07/12/2026 10:00:00,07/12/2026 10:00:45,45,Home,1.2.5,";
  const std::string bad2 = "07/12/2026 11:00:00,07/12/2026 11:00:45,45,Home,x,";
  WriteFile("Lnt.dat", Lines({kLine1, bad1, kLine2, bad2}));
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  EXPECT_EQ(db.UnreadableCostToTell(), "'1.2.5' is not a valid floating point value");
  EXPECT_EQ(db.UnreadableCostToTell(), std::nullopt);
  EXPECT_EQ(db.SumCost(), Currency::FromRaw(12516 + 450)) << "the others still count";
  db.DeleteRows({1, 3});
  EXPECT_EQ(db.UnreadableCostToTell(), std::nullopt);
  EXPECT_EQ(db.SumCost(), Currency::FromRaw(12516 + 450));
}

// New once emptied the lines only: the list, the totals and the summary went on showing the
// records until the next parse.
TEST_F(Totals, ClearLeavesNoRowsAndNoTotals) {
  WriteFile("Lnt.dat", Lines({kLine1, kLine2}));
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  db.Clear();
  EXPECT_EQ(db.Count(), 0u);
  EXPECT_EQ(db.Table().Count(), 0u);
  EXPECT_EQ(db.SumCost(), Currency());
  EXPECT_EQ(db.SumSeconds(), 0);
  EXPECT_TRUE(db.Periods().All().empty());
}

// Asked to parse from past the end, the table once kept rows that no line backs any more.
TEST(RecordTableParse, RowsFollowTheLinesWhereverTheParseStarts) {
  RecordLines lines = {kLine1, kLine2, kLine3};
  RecordTable table;
  RunningTotals totals;
  table.Watch(totals);
  table.Parse(lines, 1);
  for (size_t from : {size_t(0), size_t(2), size_t(3), size_t(4), size_t(10)}) {
    SCOPED_TRACE(from);
    RecordLines shrinking = {kLine1, kLine2, kLine3};
    RecordTable shorter;
    RunningTotals kept;
    shorter.Watch(kept);
    shorter.Parse(shrinking, 1);
    shrinking = {kLine1};
    shorter.Parse(shrinking, from);
    EXPECT_EQ(shorter.Count(), 1u);
    EXPECT_EQ(kept.Seconds(), 1958);
    EXPECT_EQ(kept.Cost(), Currency::FromRaw(12516));
  }
  lines.push_back(kLine1);
  table.Parse(lines, 10);
  EXPECT_EQ(table.Count(), 4u) << "rows not parsed yet are parsed whatever the start";
  EXPECT_EQ(totals.Seconds(), 1958 + 45 + 3600 + 1958);
}

using Saving = DatabaseTest;

TEST_F(Saving, AppendRewritesTheWholeFileWithCrLf) {
  WriteFile("Lnt.dat", kLine1 + "\n");
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  SessionRecord record;
  record.start = {2026, 12, 8, 10, 0, 0};
  record.end = {2026, 12, 8, 11, 0, 0};
  record.seconds = 3600;
  record.service = "Home";
  record.cost = Currency::FromRaw(23700);
  db.UpdateDB(record);
  ASSERT_TRUE(db.SaveWorkingFile());
  EXPECT_EQ(ReadFile("Lnt.dat"), Lines({kLine1, kLine3}));
  EXPECT_FALSE(FileExists("Lnt.dat.tmp"));
}

TEST_F(Saving, FailedWriteLeavesTheOldFileAndSaysSo) {
  WriteFile("Lnt.dat", Lines({kLine1}));
  db.LoadDatabase(db.WorkingFile());
  std::filesystem::create_directory(PathOf("Lnt.dat.tmp"));  // the temporary cannot be written
  db.UpdateDB(SessionRecord{});
  EXPECT_FALSE(db.SaveWorkingFile());
  EXPECT_EQ(ReadFile("Lnt.dat"), Lines({kLine1}));
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_NE(ui.errors[0].find("could not be saved"), std::string::npos) << ui.errors[0];
}

TEST_F(Saving, DeletesRowsByTheirListIndexes) {
  WriteFile("Lnt.dat", Lines({"r1", "r2", "r3", "r4", "r5"}));
  db.LoadDatabase(db.WorkingFile());
  db.DeleteRows({3, 1});
  EXPECT_EQ(db.Lines(), (RecordLines{"r1", "r3", "r5"}));
}

// The rows are read from the lines when asked: after a delete from a parsed log each row must
// still read its own line, and the kept totals must be those of the lines left.
TEST_F(Saving, ParsedRowsAndTotalsFollowTheLinesThroughDeletes) {
  const std::vector<std::string> all = {kLine1, "", kLine2, "not a record", kLine3, kLine1};
  const std::vector<std::vector<size_t>> deletes = {{}, {0}, {5}, {1, 2}, {0, 2, 4}, {3, 5, 1}, {0, 1, 2, 3, 4, 5}};
  for (const auto& rows : deletes) {
    SCOPED_TRACE(::testing::PrintToString(rows));
    std::string text;
    for (const auto& line : all) text += line + "\r\n";
    WriteFile("Lnt.dat", text);
    db.LoadDatabase(db.WorkingFile());
    db.ReadDatabase(1);
    db.DeleteRows(rows);
    RecordLines left;
    int64_t seconds = 0;
    for (size_t i = 0; i < all.size(); ++i)
      if (std::find(rows.begin(), rows.end(), i) == rows.end()) {
        left.push_back(all[i]);
        seconds += ParseRecordInteger(SplitRecordLine(all[i])[2]).value_or(0);
      }
    EXPECT_EQ(db.Lines(), left);
    ASSERT_EQ(db.Table().Count(), left.size());
    for (size_t k = 1; k <= left.size(); ++k) EXPECT_EQ(db.Table().Row(k), SplitRecordLine(left[k - 1])) << k;
    EXPECT_EQ(db.SumSeconds(), seconds);
  }
}

TEST_F(Saving, NeverOverwritesAWorkingFileItCouldNotRead) {
  // Start-up failed before the load: the first save reads the file back and keeps its records.
  WriteFile("Lnt.dat", Lines({kLine1}));
  db.UpdateDB(SessionRecord{{2026, 12, 8, 10, 0, 0}, {2026, 12, 8, 11, 0, 0}, 3600, "Home", Currency::FromRaw(23700), ""});
  ASSERT_TRUE(db.SaveWorkingFile());
  EXPECT_EQ(ReadFile("Lnt.dat"), Lines({kLine1, kLine3}));

  SessionDatabase fresh(files, ui, formats, prefix);
  WriteFile("Lnt.dat", Lines({"not a record"}));
  fresh.UpdateDB(SessionRecord{});
  EXPECT_FALSE(fresh.SaveWorkingFile());
  EXPECT_EQ(ReadFile("Lnt.dat"), Lines({"not a record"}));
  EXPECT_EQ(fresh.Count(), 1u) << "the new session stays in memory";
}

TEST_F(Saving, TheFatalPathAppendsToTheFileOnDiskNotToTheCopyInMemory) {
  WriteFile("Lnt.dat", kLine1);  // no line break at the end
  WriteFile("copy.ltb", Lines({kLine2}));
  db.LoadDatabase(db.WorkingFile());
  db.LoadDatabase(PathOf("copy.ltb"));
  const SessionRecord record{{2026, 12, 8, 10, 0, 0}, {2026, 12, 8, 11, 0, 0}, 3600, "Home", Currency::FromRaw(23700), ""};
  ASSERT_TRUE(db.AppendToWorkingFile(record));
  EXPECT_EQ(ReadFile("Lnt.dat"), Lines({kLine1, kLine3}));
  EXPECT_EQ(db.Lines(), RecordLines{kLine2});

  UnreadableFile locked(files, PathOf("Lnt.dat"));
  SessionDatabase lockedDb(locked, ui, formats, prefix);
  EXPECT_FALSE(lockedDb.AppendToWorkingFile(record));
  EXPECT_EQ(ReadFile("Lnt.dat"), Lines({kLine1, kLine3}));
  EXPECT_NE(ui.errors.back().find("could not be read"), std::string::npos) << ui.errors.back();
}

using Recovery = DatabaseTest;

TEST_F(Recovery, DamagedCopyIsRejectedAndTheWorkingRecordsComeBack) {
  WriteFile("Lnt.dat", Lines({kLine1, kLine2}));
  WriteFile("bad.ltb", Lines({"32/12/2026 10:00:00,x,1,A,0,"}));
  db.LoadDatabase(db.WorkingFile());
  db.LoadDatabase(PathOf("bad.ltb"));
  db.ReadDatabase(1);
  EXPECT_FALSE(IsListable(db.Table().Row(1), formats));
  EXPECT_TRUE(db.DoException());
  EXPECT_EQ(ui.errors, std::vector<std::string>{"Database damaged or format not recognised."});
  EXPECT_EQ(db.Lines(), (RecordLines{kLine1, kLine2}));
  EXPECT_EQ(db.CurrentFile(), db.WorkingFile());
  EXPECT_EQ(db.Table().Count(), 2u);
}

TEST_F(Recovery, DamagedWorkingFileIsKeptAsideBeforeTheLogIsEmptied) {
  const std::string damaged = Lines({kLine1, "", kLine2});
  WriteFile("Lnt.dat", damaged);
  WriteFile("Lnt.dat.damaged", "older");
  db.LoadDatabase(db.WorkingFile());
  db.ReadDatabase(1);
  EXPECT_FALSE(IsListable(db.Table().Row(2), formats));
  EXPECT_TRUE(db.DoException());
  EXPECT_EQ(db.Count(), 0u);
  EXPECT_EQ(ReadFile("Lnt.dat.damaged.2"), damaged);
  EXPECT_EQ(ReadFile("Lnt.dat.damaged"), "older");
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_NE(ui.errors[0].find("Lnt.dat.damaged.2"), std::string::npos) << ui.errors[0];
  EXPECT_TRUE(db.SaveWorkingFile());
  EXPECT_EQ(ReadFile("Lnt.dat"), "");
}

}  // namespace
}  // namespace lt::testing
