// The progress file under kills: what was committed stays, and the file stays sound.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

// A process that records `count` checks into `file` one after another, each a word of its own,
// and writes the number of each one through a pipe once it is committed.
struct Driver {
  pid_t pid = -1;
  int out = -1;
  std::string pending;  // read, not yet taken
  Driver(const std::filesystem::path& file, const std::string& list, int count) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid = fork();
    if (pid == 0) {
      close(fds[0]);
      auto opening = ProgressStore::Open(file);
      for (int n = 1; opening.store && n <= count; ++n) {
        const std::string word = "w" + std::to_string(n), line = std::to_string(n) + "\n";
        if (!opening.store->Record(list, {{word, "d" + word, n % 3 != 0, n % 3 ? "" : "x"}},
                                   20000) ||
            write(fds[1], line.data(), line.size()) < 0) {
          _exit(1);
        }
      }
      _exit(opening.store ? 0 : 1);
    }
    close(fds[1]);
    out = fds[0];
  }
  // The last number read once `lines` have come or the output ended; 10 s at most.
  int ReadUntil(int lines) {
    int last = 0, seen = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    for (;;) {
      for (std::size_t end; seen < lines && (end = pending.find('\n')) != std::string::npos;) {
        last = std::stoi(pending.substr(0, end));
        pending.erase(0, end + 1);
        ++seen;
      }
      if (seen >= lines || std::chrono::steady_clock::now() > deadline) return last;
      pollfd p{out, POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      char buffer[256];
      const ssize_t n = read(out, buffer, sizeof buffer);
      if (n <= 0) return last;
      pending.append(buffer, static_cast<std::size_t>(n));
    }
  }
  ~Driver() { End(SIGKILL); }
  int End(int signal) {
    int status = 0;
    if (pid > 0) {
      if (signal) kill(pid, signal);
      waitpid(pid, &status, 0);
      pid = -1;
    }
    if (out >= 0) close(out);
    out = -1;
    return status;
  }
};

int Recorded(const std::filesystem::path& file, const std::string& list) {
  auto opening = ProgressStore::Open(file);
  EXPECT_EQ(opening.outcome, ProgressStore::Opened::kFresh) << "the file was found damaged";
  int checks = 0;
  if (opening.store) {
    for (const auto& [entry, progress] : opening.store->Progress(list))
      checks += progress.right + progress.wrong;
  }
  return checks;
}

TEST(ProgressKillTest, CommittedChecksSurviveKills) {
  TempFolder folder;
  const std::filesystem::path file = folder.path() / "progreso" / "progreso.sqlite";
  // Killed after a random number of commits, 20 times: each new run goes on from the last.
  std::mt19937 random(7);
  int committed = 0;
  for (int run = 0; run < 20; ++run) {
    Driver driver(file, "l" + std::to_string(run), 100000);
    const int lines = 1 + static_cast<int>(random() % 30);
    ASSERT_EQ(driver.ReadUntil(lines), lines) << "run " << run;
    kill(driver.pid, SIGKILL);
    const int last = std::max(lines, driver.ReadUntil(1 << 30));  // what it said before it died
    driver.End(0);
    // Every check it said was committed is there (and maybe the one under way when killed).
    const int found = Recorded(file, "l" + std::to_string(run));
    EXPECT_TRUE(found == last || found == last + 1) << found << " after " << last;
    committed += found;
  }
  EXPECT_GT(committed, 20);
}

}  // namespace
}  // namespace glosandas::testing
