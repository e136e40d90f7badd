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
  Folders Where() override {
    return where.value_or(Folders{.program = folder,
                                  .shipped_lists = folder,
                                  .user_config = folder / "config",
                                  .user_lists = folder / "lists"});
  }
};

}  // namespace glosandas::testing
