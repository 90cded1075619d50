// A writer process replaces a file again and again through the file store while this process
// kills it at random moments. After every kill the file holds one whole version: the one
// before the interrupted replacement or the one it was writing, never a mix or a cut.
// Then the same with Linetally's logging of session after session: killed at random, in the
// middle of the log's save and as it removes "Lnt.run", every session is in the log exactly
// once after the restart that follows each kill.
// (POSIX processes and signals; under Wine the crash e2e test kills the program itself.)
#ifndef _WIN32
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fcntl.h>

#include <map>
#include <random>
#include <set>

#include "tests/linetally/database/database_fixture.h"
#include "linetally/database/session_log.h"
#include "tests/linetally/database/kill_writer.h"

namespace lt::testing {
namespace {

// In memory where the machine has it: a kill is about the process, not the disk, and flushing to
// a disk would make each kill wait for it.
class FileStoreKill : public DatabaseTest {
 protected:
  FileStoreKill() {
    if (std::filesystem::is_directory("/dev/shm")) {
      std::filesystem::remove(folder);  // the base's empty one, unused
      folder = "/dev/shm/lt-kill-" + std::to_string(getpid());
      std::filesystem::create_directories(folder);
      prefix = folder.string() + "/";
    }
  }
};

TEST_F(FileStoreKill, AKilledReplacementLeavesTheOldOrTheNewVersionWhole) {
  std::string path = PathOf("Lnt.dat");
  files.ReplaceAtomically(path, Version(0));
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> delayMicroseconds(500, 2500);
  const auto started = std::chrono::steady_clock::now();
  long last = 0;
  int kills = 0, advanced = 0, temporaryLeft = 0;
  for (; kills < 1000; ++kills) {
    char writer[] = LT_KILL_WRITER;
    char* arguments[] = {writer, path.data(), nullptr};
    pid_t child = 0;
    ASSERT_EQ(posix_spawn(&child, writer, nullptr, nullptr, arguments, environ), 0);
    usleep(useconds_t(delayMicroseconds(random)));
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << WEXITSTATUS(status);
    const long now = VersionIn(ReadFile("Lnt.dat"));
    ASSERT_GE(now, last) << "after kill " << kills << " the file holds no whole version it had or was given";
    advanced += now > last;
    temporaryLeft += FileExists("Lnt.dat.tmp");
    last = now;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%d kills in %.2f s: %d after the file had moved on, %d in the middle of a replacement "
              "(temporary file left), %ld versions written\n",
              kills, seconds, advanced, temporaryLeft, last);
  EXPECT_GT(temporaryLeft, 0) << "no kill landed inside a replacement";
  EXPECT_GT(advanced, 0);
}

// One life of the logging writer: started, killed after `delay` microseconds (or killing itself
// at its --die point), and the numbers of the sessions it ended.
struct Life {
  std::set<long> ended;
  bool diedByItself = false;
};

Life LiveAndDie(const std::string& folder, int delayMicroseconds, const std::vector<std::string>& die = {}) {
  int out[2];
  EXPECT_EQ(pipe(out), 0);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, out[1], 1);
  posix_spawn_file_actions_addclose(&actions, out[0]);
  char writer[] = LT_KILL_WRITER;
  std::vector<std::string> words = {writer, "--log", folder};
  words.insert(words.end(), die.begin(), die.end());
  std::vector<char*> arguments;
  for (auto& word : words) arguments.push_back(word.data());
  arguments.push_back(nullptr);
  pid_t child = 0;
  EXPECT_EQ(posix_spawn(&child, writer, &actions, nullptr, arguments.data(), environ), 0);
  posix_spawn_file_actions_destroy(&actions);
  close(out[1]);
  Life life;
  if (die.empty()) {
    usleep(useconds_t(delayMicroseconds));
    kill(child, SIGKILL);
  }
  int status = 0;
  waitpid(child, &status, 0);
  EXPECT_TRUE(WIFSIGNALED(status)) << "the writer stopped by itself: " << WEXITSTATUS(status);
  life.diedByItself = !die.empty();
  std::string text;
  char buffer[4096];
  for (ssize_t got; (got = read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, size_t(got));
  close(out[0]);
  for (size_t at = 0, end; (end = text.find('\n', at)) != std::string::npos; at = end + 1)
    life.ended.insert(std::atol(text.c_str() + at));
  return life;
}

class QuietUi : public DatabaseUi {
 public:
  void ShowError(const std::string&) override {}
  void ShowSizeWarning(const std::string&, int) override {}
};

// The sessions of the log and of the journal by number, as the files stand after a kill.
std::map<long, int> Count(const std::optional<std::string>& text) {
  std::map<long, int> count;
  if (text)
    for (const auto& line : SplitFileText(*text)) ++count[KilledSessionNumber(line)];
  return count;
}

TEST_F(FileStoreKill, EverySessionIsLoggedOnceWhereverTheProgramIsKilled) {
  std::mt19937 random(20261209);
  std::uniform_int_distribution<int> delayMicroseconds(300, 6000);
  StdFileStore store;
  const auto started = std::chrono::steady_clock::now();
  std::set<long> ended;  // every session a writer said it had ended
  int kills = 0, duringSave = 0, beforeRemoval = 0, duringJournalWrite = 0, doubles = 0, losses = 0;
  long sessions = 0;
  for (int life = 0; life < 400; ++life) {
    std::vector<std::string> die;
    if (life % 10 == 8) die = {"--die", "save", std::to_string(1 + life / 10 % 3)};
    if (life % 10 == 9) die = {"--die", "remove", std::to_string(1 + life / 10 % 3)};
    const Life lived = LiveAndDie(folder.string() + "/", delayMicroseconds(random), die);
    ++kills;
    ended.insert(lived.ended.begin(), lived.ended.end());

    // Where it was killed, as the files show it.
    duringSave += FileExists("Lnt.dat.tmp");
    duringJournalWrite += FileExists("Lnt.run.tmp");
    const std::map<long, int> inLog = Count(store.ReadAll(PathOf("Lnt.dat")));
    const std::map<long, int> inJournal = Count(store.ReadAll(PathOf("Lnt.run")));
    bool allLogged = !inJournal.empty();
    for (const auto& [n, times] : inJournal) allLogged &= inLog.count(n) > 0;
    beforeRemoval += allLogged;
    // Left for the next save to overwrite; gone here so that each kill is counted once.
    std::filesystem::remove(PathOf("Lnt.dat.tmp"));
    std::filesystem::remove(PathOf("Lnt.run.tmp"));

    // The restart, as Linetally starts.
    QuietUi ui;
    SessionDatabase db(store, ui, formats, prefix);
    SessionJournal journal(store, formats, prefix);
    SessionLog log(db, journal, ui, formats);
    log.OpenJournal();
    log.LoadAndRecover();
    log.Refresh(1, log.Unsaved() > 0);

    std::map<long, int> count;
    for (const auto& line : db.Lines()) ++count[KilledSessionNumber(line)];
    for (const auto& [n, times] : count) {
      doubles += times > 1;
      EXPECT_EQ(times, 1) << "session " << n << " logged " << times << " times after kill " << kills;
    }
    for (long n : ended) {
      losses += !count.count(n);
      EXPECT_TRUE(count.count(n)) << "session " << n << " lost after kill " << kills;
    }
    const long highest = count.empty() ? 0 : count.rbegin()->first;
    EXPECT_EQ(long(count.size()), highest) << "a session between 1 and " << highest << " is missing";
    EXPECT_FALSE(FileExists("Lnt.run")) << "the restart's save lets the journal go";
    sessions = highest;
    if (HasFatalFailure() || doubles + losses > 0) break;
  }
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  std::printf("%d kills in %.2f s, %ld sessions: %d during the save of the log (its new copy left beside it), "
              "%d after the save and before the removal of Lnt.run, %d during a write of Lnt.run; "
              "%d sessions lost, %d logged twice\n",
              kills, seconds, sessions, duringSave, beforeRemoval, duringJournalWrite, losses, doubles);
  EXPECT_GT(duringSave, 0) << "no kill landed inside a save";
  EXPECT_GT(beforeRemoval, 0) << "no kill landed between the save and the removal";
  EXPECT_GT(sessions, 100);
}

}  // namespace
}  // namespace lt::testing
#endif
