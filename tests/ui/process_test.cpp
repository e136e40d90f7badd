// The real program, started offscreen in a folder of its own, ended by signals.
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

constexpr auto kPatience = std::chrono::seconds(30);

// Whether the process has a handler installed for `sig` (it is ready to be ended by it).
bool Catches(pid_t pid, int sig) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("SigCgt:")) {
      const unsigned long long mask = std::stoull(line.substr(7), nullptr, 16);
      return (mask >> (sig - 1)) & 1;
    }
  }
  return false;
}

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest() {
    std::filesystem::copy_file(GLOSANDAS_BINARY, folder.path() / "glosandas");
    folder.Write("relieve.txt", NumberedList(10));
  }

  pid_t Launch() {
    const pid_t pid = fork();
    if (pid == 0) {
      setenv("QT_QPA_PLATFORM", "offscreen", 1);
      const std::string program = (folder.path() / "glosandas").string();
      execl(program.c_str(), program.c_str(), nullptr);
      _exit(127);
    }
    return pid;
  }

  // Waits for the process to end; its exit status, or -1 if it did not end in time.
  static int WaitEnd(pid_t pid) {
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
      if (std::chrono::steady_clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        return -1;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  }

  TempFolder folder;
};

TEST_F(ProgramTest, SignalsCloseTheWindowAndSaveOnce) {
  for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(strsignal(sig));
    std::filesystem::remove(folder.path() / "glosandas.ini");
    const int watch = inotify_init1(IN_NONBLOCK);
    inotify_add_watch(watch, folder.path().c_str(), IN_MOVED_TO | IN_CLOSE_WRITE);
    const pid_t pid = Launch();
    const auto deadline = std::chrono::steady_clock::now() + kPatience;
    while (!Catches(pid, sig) && std::chrono::steady_clock::now() < deadline) {
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    kill(pid, sig);
    EXPECT_EQ(WaitEnd(pid), 0);

    int saves = 0;
    alignas(inotify_event) char buffer[4096];
    ssize_t n;
    while ((n = read(watch, buffer, sizeof buffer)) > 0) {
      for (char* p = buffer; p < buffer + n;) {
        auto* event = reinterpret_cast<inotify_event*>(p);
        if ((event->mask & IN_MOVED_TO) && std::string(event->name) == "glosandas.ini") ++saves;
        p += sizeof(inotify_event) + event->len;
      }
    }
    close(watch);
    EXPECT_EQ(saves, 1);
    EXPECT_TRUE(
        ReadBytes(folder.path() / "glosandas.ini").starts_with("4 = n\xFAmero de palabras\r\n"));
  }
}

TEST_F(ProgramTest, KilledWhileSavingNeverLeavesAHalfFile) {
  // A child saves over and over, alternating two settings; it is killed at random moments.
  RecordingPlatform platform;
  platform.folder = folder.path();
  Form1 form(platform);
  form.Form_Load();
  form.Form_QueryUnload();
  const std::string four = ReadBytes(folder.path() / "glosandas.ini");
  std::string five;
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
    if (now != four) {
      if (five.empty()) five = now;
      ASSERT_EQ(now, five);
      ASSERT_TRUE(now.starts_with("5 = n\xFAmero de palabras\r\n5 = n"));
    }
  }
  EXPECT_FALSE(five.empty());
}

}  // namespace
}  // namespace glosandas::testing
