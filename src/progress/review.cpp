// The plan of a review screen, from what the store holds of its list.
#include "progress/progress.h"

namespace glosandas {

ReviewPlan PlanReview(const std::vector<std::pair<std::string, std::string>>& entries,
                      const ListProgress& progress, long long today) {
  ReviewPlan plan{ReviewGroups(entries, progress, today), {}};
  for (const auto& entry : entries) {
    std::vector<std::string>& taken = plan.confusions.emplace_back();
    if (const auto found = progress.find(entry); found != progress.end()) {
      for (const auto& confusion : found->second.confusions) taken.push_back(confusion.first);
    }
  }
  return plan;
}

}  // namespace glosandas
