// A Platform that records what the logic asks of it, with a settable clock and window height.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "board/form1.h"

namespace glosandas::testing {

struct Message {
  std::string text;
  std::string title;
  bool operator==(const Message&) const = default;
};

class RecordingPlatform : public Platform {
 public:
  std::vector<Message> messages;
  int second = 30, minute = 15, hour = 10;
  int outer_height = 8295 + 700;  // twips: a design-size client area under a frame and menu bar
  int maximized_height = 12000;
  bool maximized = false;
  int unloads = 0;
  std::filesystem::path folder;

  void MsgBox(const std::string& text, const std::string& title) override {
    messages.push_back({text, title.empty() ? kAppTitle : title});
  }
  void Maximize() override { maximized = true; }
  int OuterHeightTwips() override { return maximized ? maximized_height : outer_height; }
  void Unload() override { ++unloads; }
  int Second() override { return second; }
  int Minute() override { return minute; }
  int Hour() override { return hour; }
  float FontSizeShown(float points) override { return points; }
  std::string NumberText(float value) override {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%g", value);
    return buf;
  }
  std::filesystem::path ProgramFolder() override { return folder; }
};

}  // namespace glosandas::testing
