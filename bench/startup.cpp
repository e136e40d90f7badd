// Times the real window and an empty maximised window from process start to first frame, with
// their peak resident memory, taking turns over many runs. A third program, an empty window with
// one menu, shows what starting the font system costs any window with text. Usage: startup [runs]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

struct Sample {
  double seconds;
  double mib;
};

long long Now() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

bool Run(const char* program, Sample& sample) {
  int out[2];
  if (pipe(out) != 0) return false;
  const long long start = Now();
  const pid_t pid = fork();
  if (pid == 0) {
    dup2(out[1], STDOUT_FILENO);
    close(out[0]);
    execl(program, program, nullptr);
    _exit(127);
  }
  close(out[1]);
  char text[64] = {};
  const ssize_t n = read(out[0], text, sizeof text - 1);
  close(out[0]);
  int status;
  rusage usage;
  wait4(pid, &status, 0, &usage);
  if (n <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  sample.seconds = (std::atoll(text) - start) / 1e9;
  sample.mib = usage.ru_maxrss / 1024.0;
  return true;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 ? v[m] : (v[m - 1] + v[m]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
  const char* programs[] = {WINDOW_PROGRAM, EMPTY_PROGRAM, TEXT_PROGRAM};
  const char* names[] = {"Glosandas window", "empty QMainWindow", "empty, with one menu"};
  std::vector<double> seconds[3], mib[3];
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < 3; ++p) {
      Sample s;
      if (!Run(programs[p], s)) {
        std::fprintf(stderr, "%s failed to start or to paint\n", programs[p]);
        return 1;
      }
      seconds[p].push_back(s.seconds);
      mib[p].push_back(s.mib);
    }
  }
  std::printf("platform %s, %d runs each, medians\n",
              getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "default", runs);
  std::printf("%-22s %12s %12s %9s %9s\n", "", "first frame", "peak memory", "time", "memory");
  for (int p = 0; p < 3; ++p) {
    std::printf("%-22s %10.3f s %8.1f MiB %8.2fx %8.2fx\n", names[p], Median(seconds[p]),
                Median(mib[p]), Median(seconds[p]) / Median(seconds[1]),
                Median(mib[p]) / Median(mib[1]));
  }
  return 0;
}
