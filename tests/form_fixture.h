// A started window record over a real temporary folder, and checks shared by several tests.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>

#include "invariants.h"
#include "recording_platform.h"
#include "temp_folder.h"

namespace glosandas::testing {

inline std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// Bytes this process has read from files so far.
inline long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value && key != "rchar:") {
  }
  return value;
}

// Lines each ended by CR LF.
inline std::string CrLf(std::initializer_list<std::string> lines) {
  std::string out;
  for (const std::string& l : lines) out += l + "\r\n";
  return out;
}

// n entries "palabraK" / "definición K", in Windows-1252.
inline std::string NumberedList(int n) {
  std::string out;
  for (int k = 1; k <= n; ++k) {
    out += "P>palabra" + std::to_string(k) + "\r\nD>definici\xF3n " + std::to_string(k) + "\r\n";
  }
  return out;
}

// A text of a data table as bytes: \r \n \t \0 \\ and \xNN for a byte; \{N:TEXT\} is TEXT N times,
// # in it counting from 1; a "utf-16le:" or "utf-16be:" in front writes the rest in that encoding
// with its byte-order mark.
inline std::string Bytes(std::string text) {
  for (std::size_t at; (at = text.find("\\{")) != std::string::npos;) {
    const std::size_t colon = text.find(':', at), end = text.find("\\}", at);
    const std::string part = text.substr(colon + 1, end - colon - 1);
    std::string repeated;
    for (int k = 1; k <= std::stoi(text.substr(at + 2)); ++k) {
      std::string one = part;
      for (std::size_t hash; (hash = one.find('#')) != std::string::npos;)
        one.replace(hash, 1, std::to_string(k));
      repeated += one;
    }
    text.replace(at, end + 2 - at, repeated);
  }
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = i + 1 < text.size() && text[i] == '\\' ? text[++i] : 0;
    if (c == 'x') {
      out += static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16));
      i += 2;
    } else {
      const std::string_view from = "rnt0\\", to{"\r\n\t\0\\", 5};
      out += c ? to.at(from.find(c)) : text[i];
    }
  }
  for (const bool little : {true, false}) {
    if (!out.starts_with(little ? "utf-16le:" : "utf-16be:")) continue;
    std::string wide = little ? "\xFF\xFE" : "\xFE\xFF";
    for (std::size_t i = 9; i < out.size(); ++i) {  // characters of up to two bytes
      unsigned c = static_cast<unsigned char>(out[i]);
      if (c >= 0xC0) c = ((c & 0x1F) << 6) | (static_cast<unsigned char>(out[++i]) & 0x3F);
      const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
      wide += little ? std::string{lo, hi} : std::string{hi, lo};
    }
    return wide;
  }
  return out;
}

// The rows of a data table: a row a line, fields separated by tabs, blank and "#" lines left out.
inline std::vector<std::vector<std::string>> DataRows(const char* path) {
  std::ifstream table(path);
  std::vector<std::vector<std::string>> rows;
  for (std::string line; std::getline(table, line);) {
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string>& fields = rows.emplace_back();
    for (std::stringstream in(line); std::getline(in, fields.emplace_back(), '\t');) {
    }
  }
  return rows;
}

class FormTest : public ::testing::Test {
 protected:
  FormTest() { platform.folder = folder.path(); }

  // Starts the window, with `relieve` holding the given bytes when they are given.
  Form1& Start(const std::string& relieve) {
    folder.Write("relieve.txt", relieve);
    return Start();
  }
  Form1& Start() {
    form = std::make_unique<Form1>(platform);
    form->Form_Load();
    return *form;
  }

  TempFolder folder;
  RecordingPlatform platform;
  std::unique_ptr<Form1> form;
};

}  // namespace glosandas::testing
