// A writer process replaces a file again and again through the file store while this process
// kills it at random moments. After every kill the file holds one whole version: the one
// before the interrupted replacement or the one it was writing, never a mix or a cut.
// (POSIX processes and signals; under Wine the crash e2e test kills the program itself.)
#ifndef _WIN32
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>

#include "tests/linetally/database/database_fixture.h"
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

}  // namespace
}  // namespace lt::testing
#endif
