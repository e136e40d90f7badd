// The progress file under kills and a second program: what was committed stays, and the file
// stays sound.
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <random>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

// A recording process and the pipe its committed numbers come through.
struct Driver {
  pid_t pid = -1;
  int out = -1;
  Driver(const std::filesystem::path& file, const std::string& list, int count) {
    int fds[2];
    if (pipe(fds) != 0) return;
    pid = fork();
    if (pid == 0) {
      dup2(fds[1], 1);
      close(fds[0]);
      execl(GLOSANDAS_RECORD_DRIVER, "record_driver", file.c_str(), list.c_str(),
            std::to_string(count).c_str(), nullptr);
      _exit(127);
    }
    close(fds[1]);
    out = fds[0];
  }
  // The last number read once `lines` have come or the output ended; 10 s at most.
  int ReadUntil(int lines) {
    int last = 0, seen = 0;
    std::string pending;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (seen < lines && std::chrono::steady_clock::now() < deadline) {
      pollfd p{out, POLLIN, 0};
      if (poll(&p, 1, 100) <= 0) continue;
      char buffer[256];
      const ssize_t n = read(out, buffer, sizeof buffer);
      if (n <= 0) break;
      pending.append(buffer, static_cast<std::size_t>(n));
      for (std::size_t end; (end = pending.find('\n')) != std::string::npos && seen < lines;) {
        last = std::stoi(pending.substr(0, end));
        pending.erase(0, end + 1);
        ++seen;
      }
    }
    return last;
  }
  int End(int signal) {
    int status = 0;
    if (pid > 0) {
      if (signal) kill(pid, signal);
      waitpid(pid, &status, 0);
    }
    if (out >= 0) close(out);
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

TEST(ProgressKillTest, CommittedChecksSurviveKillsAndASecondProgram) {
  TempFolder folder;
  const std::filesystem::path file = folder.path() / "progreso" / "progreso.sqlite";
  // Killed after a random number of commits, 20 times: each new run goes on from the last.
  std::mt19937 random(7);
  int committed = 0;
  for (int run = 0; run < 20; ++run) {
    Driver driver(file, "l" + std::to_string(run), 100000);
    const int lines = 1 + static_cast<int>(random() % 30);
    const int last = driver.ReadUntil(lines);
    driver.End(SIGKILL);
    ASSERT_EQ(last, lines) << "run " << run;
    // Every check it said was committed is there (and maybe the one under way when killed).
    const int found = Recorded(file, "l" + std::to_string(run));
    EXPECT_TRUE(found == last || found == last + 1) << found << " after " << last;
    committed += found;
  }
  EXPECT_GT(committed, 20);

  // Two programs at once, on the same list: neither loses a check to the other.
  Driver one(file, "shared", 300), two(file, "shared", 300);
  EXPECT_EQ(one.ReadUntil(300), 300);
  EXPECT_EQ(two.ReadUntil(300), 300);
  EXPECT_EQ(one.End(0), 0);
  EXPECT_EQ(two.End(0), 0);
  // The same 300 words twice: each word checked twice.
  EXPECT_EQ(Recorded(file, "shared"), 600);
}

}  // namespace
}  // namespace glosandas::testing
