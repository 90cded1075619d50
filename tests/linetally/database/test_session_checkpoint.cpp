#include "linetally/database/session_checkpoint.h"

#include "tests/linetally/database/database_fixture.h"

namespace lt::testing {
namespace {

class CheckpointTest : public DatabaseTest {
 protected:
  SessionCheckpoint checkpoint{files, formats, prefix};
};

SessionRecord Session(int32_t seconds, const std::string& service) {
  SessionRecord r;
  r.start = {2026, 12, 7, 9, 15, 2, 0};
  r.end = {2026, 12, 7, 9, 47, 40, 0};
  r.seconds = seconds;
  r.service = service;
  r.cost = Currency::FromRaw(12516);
  return r;
}

TEST_F(CheckpointTest, KeptSessionIsOneLogLineAndComesBackAsARecoveredRecord) {
  checkpoint.Keep(Session(60, "Office"));
  checkpoint.Keep(Session(1958, "Office,link"));
  EXPECT_EQ(ReadFile("Lnt.run"), "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office-link,1.2516,\r\n");

  const auto leftover = checkpoint.TakeLeftover();
  ASSERT_TRUE(leftover.session);
  EXPECT_EQ(BuildRecordLine(*leftover.session, formats),
            "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office-link,1.2516,"
            "Recovered after Linetally stopped unexpectedly");
  EXPECT_EQ(leftover.message,
            "Linetally stopped unexpectedly while a session was in progress. The session, 000:32:38 on line when "
            "it was last kept, has been added to the log with the note \"Recovered after Linetally stopped "
            "unexpectedly\".");
  EXPECT_TRUE(FileExists("Lnt.run")) << "the caller logs it";

  checkpoint.DropInProgress();
  EXPECT_FALSE(FileExists("Lnt.run"));
  const auto nothing = checkpoint.TakeLeftover();
  EXPECT_FALSE(nothing.session);
  EXPECT_EQ(nothing.message, "");
}

// The file goes only once the working file holds the session or nobody wants it: a session is
// never lost to a save that failed, nor logged twice by the next start.
TEST_F(CheckpointTest, AFinishedSessionIsKeptUntilASavedLogHoldsIt) {
  SessionRecord aSoFar = Session(60, "Office"), a = Session(1958, "Office"), bSoFar = a, b = a;
  bSoFar.start.hour = b.start.hour = 11;
  bSoFar.seconds = 120;
  b.seconds = 600;
  const std::string lineA = BuildRecordLine(a, formats), lineB = BuildRecordLine(b, formats);
  const RecordLines withBoth = {"07/12/2026 08:00:00,07/12/2026 08:01:00,60,Home,0.06,", lineA, lineB};
  const RecordLines aCopys = {"07/12/2026 08:00:00,07/12/2026 08:01:00,60,Home,0.06,"};
  // k/K keep A/B so far, f/F finish A/B, d drops the session in progress, s saves withBoth,
  // c saves a copy's records, e/E are the user's edits leaving aCopys/withBoth.
  const struct {
    const char* steps;
    std::optional<SessionRecord> held;
  } cases[] = {
      {"kfs", std::nullopt},  // logged and saved
      {"kf", a},              // the save failed: the final record, not the last kept
      {"kfd", a},             // the session's wind-up after the failed save
      {"kd", std::nullopt},   // dropped by the user's answer
      {"fs", std::nullopt},   // never kept (the recovered one): still settled by the save
      {"kfc", a},             // a copy opened and saved over the log does not hold it
      {"kfcs", std::nullopt},
      {"kfE", a},             // another record deleted, the save failing again
      {"kfe", std::nullopt},  // the user deleted it (or all records)
      {"kfK", bSoFar},        // a new session is kept over it, as before
      {"kfKs", bSoFar},       // a save during that session keeps the session's file
      {"kfKFs", std::nullopt},
      {"kfKF", b},
      {"kfKd", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.steps);
    SessionCheckpoint checkpoint{files, formats, prefix};
    for (const char* step = c.steps; *step; ++step) switch (*step) {
        case 'k': checkpoint.Keep(aSoFar); break;
        case 'K': checkpoint.Keep(bSoFar); break;
        case 'f': checkpoint.Finish(a); break;
        case 'F': checkpoint.Finish(b); break;
        case 'd': checkpoint.DropInProgress(); break;
        case 's': checkpoint.Saved(withBoth); break;
        case 'c': checkpoint.Saved(aCopys); break;
        case 'e': checkpoint.Edited(aCopys); break;
        case 'E': checkpoint.Edited(withBoth); break;
      }
    if (c.held)
      EXPECT_EQ(ReadFile("Lnt.run"), BuildRecordLine(*c.held, formats) + "\r\n");
    else
      EXPECT_FALSE(FileExists("Lnt.run"));
    files.Remove(PathOf("Lnt.run"));
  }
}

// Anything but one readable record line is moved aside, kept byte for byte, never logged.
TEST_F(CheckpointTest, ADamagedCheckpointIsMovedAside) {
  const std::string good = "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office,1.2516,";
  const std::vector<std::string> damaged = {
      "",
      "\r\n",
      good + "\r\n" + good + "\r\n",                                          // two lines
      "07/12/2026 09:15:02,07/12/2026 09:47:40,-5,Office,1,",                // negative seconds
      "07/12/2026 09:15:02,07/12/2026 09:47:40,1958,Office,1.2.5,",          // no amount
      "07/12/2026 09:15:02,,1958,Office,1,",                                 // no end
      "31/02/2026 09:15:02,07/12/2026 09:47:40,1958,Office,1,",              // no such day
      std::string("07/12/2026 09:15:02,07/12/2026 09:47:40,19\0" "58,Office,1,", 48),  // cut by a NUL
  };
  for (size_t i = 0; i < damaged.size(); ++i) {
    SCOPED_TRACE(i);
    WriteFile("Lnt.run", damaged[i]);
    const auto leftover = checkpoint.TakeLeftover();
    EXPECT_FALSE(leftover.session);
    const std::string kept = i == 0 ? "Lnt.run.damaged" : "Lnt.run.damaged." + std::to_string(i + 1);
    EXPECT_EQ(leftover.message,
              "The record of the session in progress when Linetally last stopped could not be read. It has "
              "been kept as \"" + PathOf(kept) + "\".");
    EXPECT_FALSE(FileExists("Lnt.run"));
    EXPECT_EQ(ReadFile(kept), damaged[i]);
  }
}

}  // namespace
}  // namespace lt::testing
