#include <algorithm>

#include "progress/progress.h"

namespace glosandas {

namespace {

constexpr int kDueAfterDays[kBoxes] = {0, 1, 3, 7, 14};

}  // namespace

int NextBox(std::optional<int> box, bool right) {
  if (!right) return 1;
  return box ? std::min(*box + 1, kBoxes) : 2;
}

int DueAfterDays(int box) { return kDueAfterDays[std::clamp(box, 1, kBoxes) - 1]; }

std::vector<std::vector<int>> ReviewGroups(
    const std::vector<std::pair<std::string, std::string>>& entries, const ListProgress& progress,
    long long today) {
  // Groups 0 to 4: due in boxes 1 to 5; then never seen; then not yet due.
  constexpr int kNeverSeen = kBoxes, kNotDue = kBoxes + 1;
  std::vector<std::vector<int>> groups(kBoxes + 2);
  for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
    const auto found = progress.find(entries[i]);
    int group = kNeverSeen;
    if (found != progress.end()) {
      const EntryProgress& p = found->second;
      group = p.day + DueAfterDays(p.box) <= today ? std::clamp(p.box, 1, kBoxes) - 1 : kNotDue;
    }
    groups[group].push_back(i);
  }
  std::erase_if(groups, [](const std::vector<int>& group) { return group.empty(); });
  return groups;
}

}  // namespace glosandas
