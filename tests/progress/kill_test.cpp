// The progress file under kills: what was committed stays, and the file stays sound.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>
#include <thread>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

TEST(ProgressKillTest, CommittedChecksSurviveKills) {
  TempFolder folder;
  const std::filesystem::path file = folder.path() / "progreso" / "progreso.sqlite";
  std::mt19937 random(7);
  for (int run = 0; run < 20; ++run) {
    SCOPED_TRACE(run);
    const std::string list = "l" + std::to_string(run);
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    if (pid == 0) {  // records checks of a word each, telling the number of each one committed
      auto opening = ProgressStore::Open(file);
      for (int n = 1; opening.store; ++n) {
        const std::string word = "w" + std::to_string(n);
        if (!opening.store->Record(list, {{word, "d", n % 3 != 0, n % 3 ? "" : "x"}}, 20000) ||
            write(fds[1], &n, sizeof n) != sizeof n)
          break;
      }
      _exit(1);
    }
    close(fds[1]);
    int n = 0, last = 0;
    ASSERT_EQ(read(fds[0], &n, sizeof n), ssize_t(sizeof n));  // the first check is in
    std::this_thread::sleep_for(std::chrono::microseconds(random() % 5000));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    for (last = n; read(fds[0], &n, sizeof n) == ssize_t(sizeof n);) last = n;
    close(fds[0]);
    // Sound, and every check it told of is there (and maybe the one under way when it died).
    auto opening = ProgressStore::Open(file);
    ASSERT_EQ(opening.outcome, ProgressStore::Opened::kFresh);
    int found = 0;
    for (const auto& [entry, progress] : opening.store->Progress(list))
      found += progress.right + progress.wrong;
    EXPECT_TRUE(found == last || found == last + 1) << found << " after " << last;
  }
}

// Three programs finding one damaged file at once: it is moved aside once, and all three record
// in the same fresh file (seen moving fresh files aside 8 times in 40 before they took turns).
TEST(ProgressKillTest, ADamagedFileFoundByThreeAtOnceIsMovedAsideOnce) {
  TempFolder folder;
  for (int run = 0; run < 20; ++run) {
    const std::filesystem::path dir = folder.path() / std::to_string(run);
    folder.Write(std::to_string(run) + "/progreso.sqlite", std::string(4096, 'x'));
    pid_t programs[3];
    for (pid_t& pid : programs) {
      if ((pid = fork()) == 0) _exit(ProgressStore::Open(dir / "progreso.sqlite").store ? 0 : 1);
    }
    for (pid_t pid : programs) {
      int status = 1;
      waitpid(pid, &status, 0);
      EXPECT_EQ(status, 0) << "run " << run;
    }
    int aside = 0;
    for (const auto& file : std::filesystem::directory_iterator(dir))
      aside += file.path().filename().string().starts_with("progreso.sqlite.da");
    EXPECT_EQ(aside, 1) << "run " << run;
  }
}

}  // namespace
}  // namespace glosandas::testing
