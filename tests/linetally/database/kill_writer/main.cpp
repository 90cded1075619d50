// The kill test's writer, killed again and again by the test:
//   kill_writer FILE                 replaces FILE with the version after the one it finds there,
//                                    then the next, until it is killed;
//   kill_writer --log FOLDER [--die save|remove N]
//                                    Linetally's logging over the log in FOLDER: starts as the
//                                    program starts (the journal's sessions recovered), then
//                                    times session after session as the main window logs them
//                                    (kept twice, logged, saved, let go), writing each session's
//                                    number on standard output once it has ended. With --die it
//                                    kills itself in the middle of the N-th save of the log (the
//                                    new log written beside the old one, not yet renamed over
//                                    it), or as it removes "Lnt.run" for the N-th time.
#include <signal.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "linetally/database/file_store.h"
#include "linetally/database/session_log.h"
#include "tests/linetally/database/kill_writer.h"

namespace {

class DyingFileStore : public lt::StdFileStore {
 public:
  DyingFileStore(const std::string& folder, std::string point, long countdown)
      : log(folder + "Lnt.dat"), journal(folder + "Lnt.run"), point(std::move(point)), countdown(countdown) {}
  void ReplaceAtomically(const std::string& path, const std::string& contents) override {
    if (point == "save" && path == log && --countdown == 0) {
      std::FILE* file = std::fopen((path + ".tmp").c_str(), "wb");
      if (file) std::fwrite(contents.data(), 1, contents.size(), file);
      raise(SIGKILL);
    }
    StdFileStore::ReplaceAtomically(path, contents);
  }
  void Remove(const std::string& path) override {
    if (point == "remove" && path == journal && --countdown == 0) raise(SIGKILL);
    StdFileStore::Remove(path);
  }

 private:
  std::string log, journal, point;
  long countdown;
};

class QuietUi : public lt::DatabaseUi {
 public:
  void ShowError(const std::string&) override {}
  void ShowSizeWarning(const std::string&, int) override {}
};

int LogSessions(const std::string& folder, const std::string& point, long countdown) {
  DyingFileStore files(folder, point, countdown);
  const lt::RegionalFormats formats = lt::DayFirstFormats();
  QuietUi ui;
  lt::SessionDatabase db(files, ui, formats, folder);
  lt::SessionJournal journal(files, formats, folder);
  lt::SessionLog log(db, journal, ui, formats);
  log.OpenJournal();
  log.LoadAndRecover();
  log.Refresh(1, log.Unsaved() > 0);
  long n = 0;
  for (const auto& line : db.Lines()) n = std::max(n, lt::testing::KilledSessionNumber(line));
  for (++n;; ++n) {
    log.Keep(lt::testing::KilledSession(n, 10));
    log.Keep(lt::testing::KilledSession(n, 20));
    log.Log(lt::testing::KilledSession(n, 30));
    log.Refresh(db.Count(), true);
    log.SessionEnded();
    std::printf("%ld\n", n);
    std::fflush(stdout);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc >= 3 && std::strcmp(argv[1], "--log") == 0) {
    if (argc == 6 && std::strcmp(argv[3], "--die") == 0) return LogSessions(argv[2], argv[4], std::atol(argv[5]));
    return LogSessions(argv[2], "", 0);
  }
  if (argc != 2) return 2;
  lt::StdFileStore files;
  const auto text = files.ReadAll(argv[1]);
  if (!text) return 1;
  for (long n = lt::testing::VersionIn(*text) + 1;; ++n) files.ReplaceAtomically(argv[1], lt::testing::Version(n));
}
