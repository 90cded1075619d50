// The journal beside the log, driven through SessionLog in the main window's order, over files
// in memory that can refuse writes (a log held open by another program) and crash after any
// write. Whatever the sequence of sessions, failed saves, dialogs, crashes and restarts, every
// session the user did not remove is in the log exactly once.
#include "linetally/database/session_log.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <memory>
#include <set>

#include "linetally/database/file_store_memory.h"
#include "tests/linetally/database/database_fixture.h"

namespace lt::testing {
namespace {

const std::string kFolder = "C:\\Linetally\\";
const std::string kLog = kFolder + "Lnt.dat", kJournal = kFolder + "Lnt.run", kCopy = kFolder + "copy.ltb";
const std::string kOldLine = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,old,1.2516,";
const std::string kCopyText = "01/12/2026 08:00:00,01/12/2026 08:01:00,60,C1,0.06,\r\n"
                              "02/12/2026 08:00:00,02/12/2026 08:01:00,60,C2,0.06,\r\n";

// Session n: started n minutes after 08:00 on 9 December, on service "n".
SessionRecord Session(int n, bool final) {
  SessionRecord r;
  r.start = {2026, 12, 9, 8 + n / 60, n % 60, 0, 0};
  r.end = {2026, 12, 9, 8 + n / 60, n % 60, final ? 50 : 20, 0};
  r.seconds = final ? 50 : 20;
  r.service = std::to_string(n);
  r.cost = Currency::FromRaw(final ? 500 : 200);
  return r;
}

// One run of Linetally over the files, started as the main window starts it (LoadAndRecover).
struct Program {
  explicit Program(FileStore& store) : files(store) {
    log.OpenJournal();
    recovery = log.LoadAndRecover();
    log.Refresh(1, log.Unsaved() > 0);
  }
  FileStore& files;
  RegionalFormats formats = DayFirstFormats();
  RecordingUi ui;
  SessionDatabase db{files, ui, formats, kFolder};
  SessionJournal journal{files, formats, kFolder};
  SessionLog log{db, journal, ui, formats};
  SessionLog::Recovery recovery;
};

// The services of the log's records, in order: "old 1 2".
std::string Services(const std::string& text) {
  std::string names;
  for (const auto& line : SplitFileText(text)) (names += names.empty() ? "" : " ") += SplitRecordLine(line)[3];
  return names;
}

// Plays `steps` over the files; see kCases for the letters. Returns the services of the log
// after a last restart with nothing locked.
class Player {
 public:
  explicit Player(MemoryFileStore& files) : files(files) {}

  std::string Play(const std::string& steps) {
    try {
      Start();
      Steps(steps);
    } catch (const SimulatedCrash&) {
      crashed = true;
    }
    files.CrashAfterWrites(0);
    files.FailWrites(kLog, false);
    files.FailWrites(kJournal, false);
    run.reset();
    Start();  // the last restart
    return Services(files.files[kLog]);
  }

  std::set<std::string> finished;  // sessions logged before the end or the crash
  bool crashed = false;
  std::vector<std::string> boxes;  // the recovery boxes of every start

 private:
  void Start() {
    run.reset();
    run = std::make_unique<Program>(files);
    if (!run->recovery.message.empty()) boxes.push_back(run->recovery.message);
    inProgress = 0;
  }

  void Steps(const std::string& steps) {
    for (size_t i = 0; i < steps.size(); ++i) {
      const char step = steps[i];
      std::string inner;
      if (i + 1 < steps.size() && steps[i + 1] == '(') {
        const size_t close = steps.find(')', i);
        inner = steps.substr(i + 2, close - i - 2);
        i = close;
      }
      Step(step, inner);
    }
  }

  void Step(char step, const std::string& inner) {
    SessionLog& log = run->log;
    switch (step) {
      case 'k':  // a session starts and its link comes up: kept
        inProgress = ++sessions;
        log.Keep(Session(inProgress, false));
        break;
      case 'e': {  // the session ends and is logged (DoEnd, then FinishUp)
        if (!inProgress) inProgress = ++sessions;
        const int n = std::exchange(inProgress, 0);
        log.Log(Session(n, true));
        log.Refresh(run->db.Count(), true);
        log.SessionEnded();
        finished.insert(std::to_string(n));
        break;
      }
      case 'x':  // the session ends unlogged, or Exit's answer drops it
        inProgress = 0;
        log.SessionEnded();
        break;
      case 'L': files.FailWrites(kLog); break;  // another program holds the log
      case 'U': files.FailWrites(kLog, false); break;
      case 'R': files.FailWrites(kJournal); break;
      case 'r': files.FailWrites(kJournal, false); break;
      case 'c': Start(); break;  // a crash and the next start
      case 'N': {  // New, answered Yes after the inner steps
        const auto mark = log.MarkNow();
        Steps(inner);
        log.New(mark);
        log.Refresh(1, true);
        break;
      }
      case 'O': {  // Open of the copy, chosen after the inner steps
        const auto mark = log.MarkNow();
        Steps(inner);
        log.Open(mark, kCopy);
        log.Refresh(1, true);
        log.Opened(kCopy);
        break;
      }
      case 'S':  // Save As (or the telecom dialog): nothing changes the records
        Steps(inner);
        run->db.SaveCopy(kFolder + "saved.ltb");
        break;
      case 'D':  // the last record deleted
        log.Delete({run->db.Count() - 1});
        log.Refresh(run->db.Count() + 1, true);
        break;
      default: FAIL() << "no step " << step;
    }
  }

  MemoryFileStore& files;
  std::unique_ptr<Program> run;
  int sessions = 0, inProgress = 0;
};

struct Case {
  const char* steps;
  const char* log;  // the services of the log at the end
  const char* what;
};

// Steps: k a session is kept, e it ends and is logged, x it ends unlogged (or Exit drops it);
// L/U the log is locked/unlocked, R/r the journal is; c a crash and restart; N(..) New and
// O(..) Open with the steps taken while the question or dialog is up; S(..) Save As; D the
// last record deleted.
const Case kCases[] = {
    {"ke", "old 1", "logged and saved"},
    {"kx", "old", "a dial that never came up, or dropped at Exit"},
    {"kc", "old 1", "a crash during a session: logged at the next start"},
    {"LkeLkec", "old 1 2", "two failed saves then a crash: both sessions"},
    {"LkeLkeUc", "old 1 2", "two failed saves, the log freed, a crash"},
    {"Lkekc", "old 1 2", "a failed save, then a crash during the next session"},
    {"LkeUke", "old 1 2", "a failed save, then a save that holds both"},
    {"kRe", "old 1", "the journal could not be removed after the save"},
    {"kRec", "old 1", "a crash between the log's replacement and the journal's removal"},
    {"ccc", "old", "restarts with nothing to recover"},
    {"kO(e)", "C1 C2 1", "a session ending during Open's dialog follows the opened records"},
    {"O(ke)", "C1 C2 1", "the same, begun during the dialog"},
    {"LkeO(U)", "C1 C2", "an unsaved session of before the question is the user's to lose"},
    {"LO(ke)", "old 1", "a session ending unsaved during the dialog, the copy not saved either"},
    {"LO(ke)c", "old 1", "... then a crash"},
    {"LO(keU)", "C1 C2 1", "... the log freed before the copy is read"},
    {"kN(e)", "1", "a session ending during New's question is kept"},
    {"LkeN(Uke)", "2", "New: the unsaved session of before the question goes"},
    {"kS(e)", "old 1", "a session ending during Save As"},
    {"LkeDUc", "old", "a session not saved that the user deleted is not recovered"},
    {"LkeDkecU", "old 2", "the next session after a deleted one"},
};

TEST(Journal, NoSequenceLosesASessionOrLogsOneTwice) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(std::string(c.steps) + ": " + c.what);
    MemoryFileStore files;
    files.files[kLog] = kOldLine + "\r\n";
    files.files[kCopy] = kCopyText;
    Player player(files);
    EXPECT_EQ(player.Play(c.steps), c.log);
    EXPECT_FALSE(files.Exists(kJournal)) << files.files[kJournal];
  }
}

// Each case again, crashed right after each of its writes in turn: after the restart no
// session is in the log twice, and every session that the case keeps and that had ended
// before the crash is there.
TEST(Journal, ACrashAfterAnyWriteLosesNothingAndDoublesNothing) {
  int crashes = 0;
  for (const Case& c : kCases) {
    size_t writes = 0;
    {
      MemoryFileStore files;
      files.files[kLog] = kOldLine + "\r\n";
      files.files[kCopy] = kCopyText;
      Player(files).Play(c.steps);
      writes = files.writes;
    }
    for (size_t k = 1; k <= writes; ++k) {
      SCOPED_TRACE(std::string(c.steps) + " crashed after write " + std::to_string(k));
      MemoryFileStore files;
      files.files[kLog] = kOldLine + "\r\n";
      files.files[kCopy] = kCopyText;
      files.CrashAfterWrites(k);
      Player player(files);
      const std::string log = player.Play(c.steps);
      if (!player.crashed) continue;
      ++crashes;
      std::map<std::string, int> count;
      for (const auto& line : SplitFileText(files.files[kLog])) ++count[std::string(SplitRecordLine(line)[3])];
      for (const auto& [service, times] : count) EXPECT_EQ(times, 1) << service << " in " << log;
      std::set<std::string> kept;
      const std::string wanted = c.log;
      for (size_t at = 0; at < wanted.size();) {
        const size_t end = std::min(wanted.find(' ', at), wanted.size());
        kept.insert(wanted.substr(at, end - at));
        at = end + 1;
      }
      for (const std::string& session : player.finished)
        EXPECT_TRUE(!kept.count(session) || count[session] == 1) << "session " << session << " lost: " << log;
      if (kept.count("old")) {
        EXPECT_EQ(count["old"], 1) << log;
      }
    }
  }
  std::printf("%d crashes, each after a different write of a case\n", crashes);
  EXPECT_GT(crashes, 50);
}

TEST(Journal, TheUserHearsOfRecoveredSessionsInOneBox) {
  MemoryFileStore files;
  files.files[kLog] = kOldLine + "\r\n";
  Player player(files);
  player.Play("LkeLkeUkc");  // two failed saves, a crash during the third session
  ASSERT_EQ(player.boxes.size(), 1u);
  EXPECT_EQ(player.boxes[0],
            "Linetally stopped before 3 sessions had reached its saved log. They have been added to the log with "
            "the note \"Recovered after Linetally stopped unexpectedly\".");
  // The recovered records carry the note; the one in progress is as it was last kept.
  const RecordLines lines = SplitFileText(files.files[kLog]);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[3], "09/12/2026 08:03:00,09/12/2026 08:03:20,20,3,0.02,Recovered after Linetally stopped unexpectedly");
  EXPECT_EQ(SplitRecordLine(lines[1])[5], kRecoveredNote);
}

// The file itself: one line per session not saved, the one in progress last; the one-line file
// of earlier versions reads the same; a session the log holds already is not logged again,
// even when its checkpoint is older than the logged record.
class JournalFile : public ::testing::Test {
 protected:
  MemoryFileStore files;
  RegionalFormats formats = DayFirstFormats();
};

TEST_F(JournalFile, HoldsEachUnsavedSessionAndTheOneInProgressLast) {
  SessionJournal journal(files, formats, kFolder);
  journal.Open();
  journal.Keep(Session(1, false));
  EXPECT_EQ(files.files[kJournal], "09/12/2026 08:01:00,09/12/2026 08:01:20,20,1,0.02,\r\n");
  journal.Finish(Session(1, true));
  journal.Keep(Session(2, false));
  EXPECT_EQ(files.files[kJournal],
            "09/12/2026 08:01:00,09/12/2026 08:01:50,50,1,0.05,\r\n"
            "09/12/2026 08:02:00,09/12/2026 08:02:20,20,2,0.02,\r\n");
  EXPECT_EQ(journal.Unsaved(), 1u);
  journal.Saved({kOldLine, BuildRecordLine(Session(1, true), formats)});
  EXPECT_EQ(files.files[kJournal], "09/12/2026 08:02:00,09/12/2026 08:02:20,20,2,0.02,\r\n");
  const size_t writes = files.writes;
  journal.Saved({kOldLine});
  journal.DropInProgress();
  EXPECT_FALSE(files.Exists(kJournal));
  EXPECT_EQ(files.writes, writes + 1) << "a write only when the file changes";
}

TEST_F(JournalFile, TheOneLineFileOfEarlierVersionsIsRecoveredOnceOnly) {
  const std::string kept = "07/12/2026 10:00:00,07/12/2026 10:05:00,300,Office-link,0.3,\r\n";
  const struct {
    std::string log;
    size_t recovered;
  } cases[] = {
      {kOldLine + "\r\n", 1},
      // logged before the stop, with more seconds than when it was last kept
      {kOldLine + "\r\n07/12/2026 10:00:00,07/12/2026 10:09:00,540,Office-link,0.54,\r\n", 0},
      // the start written otherwise (by hand, or by another program)
      {"7/12/2026 10:00,07/12/2026 10:09:00,540,Office-link,0.54,\r\n", 0},
      // another session of the same start
      {"07/12/2026 10:00:00,07/12/2026 10:09:00,540,Home,0.54,\r\n", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.log);
    files.files.clear();
    files.files[kLog] = c.log;
    files.files[kJournal] = kept;
    Program run(files);
    EXPECT_EQ(run.recovery.sessions.size(), c.recovered);
    EXPECT_EQ(run.recovery.warning, c.recovered > 0);
    EXPECT_FALSE(files.Exists(kJournal));
    EXPECT_EQ(SplitFileText(files.files[kLog]).size(), SplitFileText(c.log).size() + c.recovered);
  }
  files.files[kLog] = kOldLine + "\r\n";
  files.files[kJournal] = kept;
  Program run(files);
  EXPECT_EQ(run.recovery.message,
            "Linetally stopped unexpectedly while a session was in progress. The session, 000:05:00 on line when "
            "it was last kept, has been added to the log with the note \"Recovered after Linetally stopped "
            "unexpectedly\".");
}

// A file with lines that do not read is kept aside byte for byte; the lines that read are
// logged, the others never.
TEST_F(JournalFile, ADamagedJournalIsKeptAsideAndWhatReadsIsLogged) {
  const std::string good = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office,1.2516,";
  const struct {
    std::string text;
    size_t sessions;
  } damaged[] = {
      {"", 0},
      {"\r\n", 0},
      {"07/12/2026 09:15:02,07/12/2026 09:47:40,-5,Office,1,", 0},       // negative seconds
      {"07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office,1.2.5,", 0},  // no amount
      {"07/12/2026 09:15:02,,1958,Office,1,", 0},                         // no end
      {"31/02/2026 09:15:02,07/12/2026 09:47:40,1958,Office,1,", 0},      // no such day
      {std::string("07/12/2026 09:15:02,07/12/2026 09:47:40,19\0" "58,Office,1,", 48), 0},  // cut by a NUL
      {good + "\r\nnot a session\r\n", 1},
  };
  for (size_t i = 0; i < std::size(damaged); ++i) {
    SCOPED_TRACE(i);
    files.files.clear();
    files.files[kLog] = "";
    files.files[kJournal] = damaged[i].text;
    Program run(files);
    const std::string kept = kJournal + ".damaged";
    EXPECT_EQ(files.files[kept], damaged[i].text);
    EXPECT_FALSE(files.Exists(kJournal));
    EXPECT_EQ(run.recovery.sessions.size(), damaged[i].sessions);
    EXPECT_EQ(SplitFileText(files.files[kLog]).size(), damaged[i].sessions);
    if (damaged[i].sessions == 0) {
      EXPECT_FALSE(run.recovery.warning);
      EXPECT_EQ(run.recovery.message,
                "The record of the session in progress when Linetally last stopped could not be read. It has "
                "been kept as \"" + kept + "\".");
    } else {
      EXPECT_TRUE(run.recovery.warning);
      EXPECT_NE(run.recovery.message.find("Part of the record"), std::string::npos) << run.recovery.message;
    }
  }
  // One that cannot even be read, nor moved: said so, and replaced by the next write.
  files.files.clear();
  files.files[kLog] = "";
  files.files[kJournal] = good + "\r\n";
  files.FailReads(kJournal);
  files.FailWrites(kJournal);
  {
    Program run(files);
    EXPECT_EQ(run.recovery.message.rfind("The record of the session in progress when Linetally last stopped, \"" +
                                         kJournal + "\", could not be read and could not be kept aside (", 0), 0u)
        << run.recovery.message;
    files.FailReads(kJournal, false);
    files.FailWrites(kJournal, false);
    run.log.Keep(Session(1, false));
    EXPECT_EQ(files.files[kJournal], BuildRecordLine(Session(1, false), formats) + "\r\n");
  }
  // The same session twice is logged once.
  files.files.clear();
  files.files[kLog] = "";
  files.files[kJournal] = good + "\r\n" + good + "\r\n";
  Program run(files);
  EXPECT_EQ(run.recovery.sessions.size(), 1u);
  EXPECT_FALSE(files.Exists(kJournal + ".damaged"));
}

// A journal that cannot be written is told once, until a write succeeds again.
TEST_F(JournalFile, AFailingJournalIsToldOnceUntilItWorksAgain) {
  files.files[kLog] = "";
  Program run(files);
  files.FailWrites(kJournal);
  run.log.Keep(Session(1, false));
  run.log.Keep(Session(1, false));
  run.log.Log(Session(1, true));
  ASSERT_EQ(run.ui.errors.size(), 1u);
  EXPECT_EQ(run.ui.errors[0].rfind("The sessions that are not in the saved log yet could not be kept in \"" +
                                   kJournal + "\" against a crash: ", 0), 0u) << run.ui.errors[0];
  files.FailWrites(kJournal, false);
  run.log.Keep(Session(2, false));
  EXPECT_TRUE(files.Exists(kJournal));
  files.FailWrites(kJournal);
  run.log.Keep(Session(2, false));
  EXPECT_EQ(run.ui.errors.size(), 1u) << "the content is what the file holds already";
  run.log.Log(Session(2, true));
  EXPECT_EQ(run.ui.errors.size(), 2u);
}

}  // namespace
}  // namespace lt::testing
