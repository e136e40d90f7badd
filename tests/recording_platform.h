// A Platform that records what the logic asks of it, with a settable clock and window height.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "board/form1.h"
#include "text/text.h"

namespace glosandas::testing {

struct Message {
  std::string text, title;
  bool operator==(const Message&) const = default;
};

class RecordingPlatform : public Platform {
 public:
  std::vector<Message> messages;
  int second = 30, minute = 15, hour = 10;
  int maximized_height = 12000;  // twips
  std::filesystem::path folder;

  void MsgBox(const std::string& text, const std::string& title) override {
    messages.push_back({text, title.empty() ? kAppTitle : title});
  }
  void Maximize() override {}
  int OuterHeightTwips() override { return maximized_height; }
  void Unload() override {}
  int Second() override { return second; }
  int Minute() override { return minute; }
  int Hour() override { return hour; }
  float FontSizeShown(float points) override { return points; }
  std::string NumberText(float value) override { return ShortestText(value); }
  // The program's folder holds its lists and its settings, unless a test says otherwise.
  std::optional<Folders> where;
  // The checks recorded; with a store, also kept there on `day` and read back for review plans.
  std::vector<std::vector<CheckedWord>> recorded;
  ProgressStore* store = nullptr;
  long long day = 20000;
  void RecordCheck(const std::string& list, const std::vector<CheckedWord>& words) override {
    recorded.push_back(words);
    if (store) store->Record(list, words, day);
  }
  std::optional<ReviewPlan> Review(
      const std::string& list,
      const std::vector<std::pair<std::string, std::string>>& entries) override {
    if (!store) return std::nullopt;
    return PlanReview(entries, store->Progress(list), day);
  }
  Folders Where() override {
    return where.value_or(Folders{.program = folder,
                                  .shipped_lists = folder,
                                  .user_config = folder / "config",
                                  .user_lists = folder / "lists"});
  }
};

}  // namespace glosandas::testing
