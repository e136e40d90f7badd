// Times the real window and an empty maximised window from process start to first frame, with
// their peak resident memory, alternating the two over many runs. Usage: startup [runs]
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
  std::vector<double> window_s, window_mib, empty_s, empty_mib;
  for (int i = 0; i < runs; ++i) {
    Sample w, e;
    if (!Run(WINDOW_PROGRAM, w) || !Run(EMPTY_PROGRAM, e)) {
      std::fprintf(stderr, "a probe failed to start or to paint\n");
      return 1;
    }
    window_s.push_back(w.seconds);
    window_mib.push_back(w.mib);
    empty_s.push_back(e.seconds);
    empty_mib.push_back(e.mib);
  }
  const double ws = Median(window_s), es = Median(empty_s);
  const double wm = Median(window_mib), em = Median(empty_mib);
  std::printf("platform %s, %d runs each, medians\n",
              getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "default", runs);
  std::printf("%-22s %10s %12s\n", "", "first frame", "peak memory");
  std::printf("%-22s %9.3f s %8.1f MiB\n", "Glosandas window", ws, wm);
  std::printf("%-22s %9.3f s %8.1f MiB\n", "empty QMainWindow", es, em);
  std::printf("%-22s %9.2fx %11.2fx\n", "ratio", ws / es, wm / em);
  return 0;
}
