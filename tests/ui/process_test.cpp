// The real program, started offscreen in a folder of its own, ended by signals.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using namespace std::chrono_literals;

// Polls until `done` holds, for at most 30 s.
template <typename Done>
bool WaitFor(Done done) {
  for (auto end = std::chrono::steady_clock::now() + 30s; std::chrono::steady_clock::now() < end;) {
    if (done()) return true;
    std::this_thread::sleep_for(2ms);
  }
  return false;
}

// Whether the process has its own handler for `sig`: then it is ready to be ended by it.
bool Catches(pid_t pid, int sig) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("SigCgt:"))
      return (std::stoull(line.substr(7), nullptr, 16) >> (sig - 1)) & 1;
  }
  return false;
}

TEST(ProgramTest, SignalsCloseTheWindowAndSave) {
  TempFolder folder;
  std::filesystem::copy_file(GLOSANDAS_BINARY, folder.path() / "glosandas");
  folder.Write("relieve.txt", NumberedList(10));
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(sig));
    std::filesystem::remove(folder.path() / "glosandas.ini");
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      const std::string program = (folder.path() / "glosandas").string();
      execl(program.c_str(), program.c_str(), nullptr);
      _exit(127);
    }
    ASSERT_TRUE(WaitFor([&] { return Catches(pid, sig); }));
    kill(pid, sig);
    int status = -1;
    ASSERT_TRUE(WaitFor([&] { return waitpid(pid, &status, WNOHANG) == pid; }));
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_TRUE(
        ReadBytes(folder.path() / "glosandas.ini").starts_with("4 = n\xFAmero de palabras"));
  }
}

TEST(ProgramTest, KilledWhileSavingNeverLeavesAHalfFile) {
  // A child saves over and over, alternating two settings, and is killed at random moments.
  TempFolder folder;
  RecordingPlatform platform;
  platform.folder = folder.path();
  Form1 form(platform);
  std::string whole[2];
  for (int n : {5, 4}) {
    form.NumPal = form.NumDef = static_cast<Int>(n);
    form.GuardarOpciones();
    whole[n - 4] = ReadBytes(folder.path() / "glosandas.ini");
  }
  std::srand(7);
  for (int round = 0; round < 60; ++round) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (int i = 0;; ++i) {
        form.NumPal = form.NumDef = static_cast<Int>(i % 2 ? 5 : 4);
        form.GuardarOpciones();
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200 + std::rand() % 3000));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    const std::string now = ReadBytes(folder.path() / "glosandas.ini");
    ASSERT_TRUE(now == whole[0] || now == whole[1]) << "round " << round << ": " << now;
  }
}

}  // namespace
}  // namespace glosandas::testing
