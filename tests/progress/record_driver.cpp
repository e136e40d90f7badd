// Records checks into a progress file one after another, writing the number of each one once it
// is committed, until it is killed or has recorded as many as asked.
//     record_driver FILE LIST COUNT
#include <cstdio>
#include <string>

#include "progress/progress.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  auto opening = glosandas::ProgressStore::Open(argv[1]);
  if (!opening.store) return 1;
  for (int n = 1; n <= std::stoi(argv[3]); ++n) {
    // Each check a word of its own, so that every committed one can be found afterwards.
    const std::string word = "w" + std::to_string(n);
    if (!opening.store->Record(argv[2], {{word, "d" + word, n % 3 != 0, n % 3 ? "" : "x"}}, 20000))
      return 1;
    std::printf("%d\n", n);
    std::fflush(stdout);
  }
  return 0;
}
