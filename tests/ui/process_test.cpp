// The real program, started offscreen in a folder of its own, ended by signals.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "files/atomic_file.h"
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

// A child process that is ended on every path out of the test.
struct Child {
  pid_t pid = -1;
  ~Child() {
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
};

// "Open with Glosandas": a file named on the command line, by a name that is not UTF-8, is
// imported into the user's lists folder, made in an empty home, and is the list in force at close.
TEST(ProgramTest, OpensAFileNamedOnTheCommandLine) {
  TempFolder folder;
  std::filesystem::copy_file(GLOSANDAS_BINARY, folder.path() / "glosandas");
  folder.Write("relieve.txt", NumberedList(10));
  folder.Write("descargas/a\xF1o.tsv", "enero\tPrimer mes\nfebrero\tSegundo mes\n");
  Child child;
  child.pid = fork();
  if (child.pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", (folder.path() / "casa").c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) unsetenv(name);
    setenv("XDG_DATA_DIRS", (folder.path() / "nada").c_str(), 1);
    const std::string program = (folder.path() / "glosandas").string();
    const std::string list = (folder.path() / "descargas/a\xF1o.tsv").string();
    execl(program.c_str(), program.c_str(), list.c_str(), nullptr);
    _exit(127);
  }
  const auto imported = folder.path() / "casa/.local/share/glosandas/año.txt";
  ASSERT_TRUE(
      WaitFor([&] { return std::filesystem::exists(imported) && Catches(child.pid, SIGTERM); }));
  kill(child.pid, SIGTERM);
  ASSERT_TRUE(WaitFor([&] { return waitpid(child.pid, nullptr, WNOHANG) == child.pid; }));
  child.pid = -1;
  EXPECT_NE(ReadBytes(folder.path() / "glosandas.ini").find("a\xF1o = "), std::string::npos);
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
  // What the killed saves left behind goes at the next start.
  RemoveStaleTemporaries(folder.path());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace glosandas::testing
