// A scratch folder that lives as long as the fuzzing process, and the checks every target makes.
#pragma once

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "invariants.h"
#include "recording_platform.h"
#include "temp_folder.h"
#include "text/text.h"
#include "wordlists/readers.h"

namespace glosandas::fuzzing {

inline std::filesystem::path ScratchFolder() {
  static const testing::TempFolder folder;  // removed when the fuzzer exits
  return folder.path();
}

inline void WriteFile(const std::string& name, const std::uint8_t* data, std::size_t size) {
  std::ofstream(ScratchFolder() / name, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

inline void Require(bool condition) {
  if (!condition) __builtin_trap();
}

// Entries as a list holds them: at most 100, texts in UTF-8, cut to their lengths, and not empty
// but where our own format lets a word go without a definition (`ours`).
inline void CheckEntries(const ReadResult& read, bool ours = false) {
  const std::vector<Entrada>& entries = read.entries;
  Require(entries.size() <= kMaxEntradas);
  Require(entries.empty() ==
          (read.outcome != ReadResult::kRead && read.outcome != ReadResult::kSomeDropped));
  Require(read.outcome != ReadResult::kSomeDropped || read.held == 0 || read.held > entries.size());
  for (const Entrada& e : entries) {
    for (const std::string* text : {&e.Palabra, &e.Definicion}) {
      Require((ours || !text->empty()) && ValidUtf8Prefix(*text) == text->size());
    }
    Require(CutChars(e.Palabra, kPalabraLen).size() == e.Palabra.size());
    Require(CutChars(e.Definicion, kDefinicionLen).size() == e.Definicion.size());
  }
}

// What must hold after anything a file can make the program do.
inline void CheckRecord(const Form1& f) {
  Require(f.NumEntradas >= 0 && f.NumEntradas <= kMaxEntradas);
  Require(1 <= f.NumPal && f.NumPal <= f.NumDef && f.NumDef <= kMaxCount);
  if (f.NumEntradas >= 1) Require(f.NumDef <= f.NumEntradas);
  Require(testing::BrokenInvariant(f).empty());
  for (int k = 1; k <= f.NumEntradas; ++k) {
    const std::string& word = f.Entradas(k).Palabra;
    const std::string& def = f.Entradas(k).Definicion;
    Require(ValidUtf8Prefix(word) == word.size() && ValidUtf8Prefix(def) == def.size());
    Require(CutChars(word, kPalabraLen).size() == word.size());
    Require(CutChars(def, kDefinicionLen).size() == def.size());
  }
  Require(f.TbDef[0].FontSize >= kMinLetterSize && f.TbDef[0].FontSize <= kMaxLetterSize + 1);
}

}  // namespace glosandas::fuzzing
