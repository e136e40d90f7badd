// The limits of a list and of what is dealt from it, named once for the readers, the editor,
// the screens, the worksheet dialog and the command line, and for the texts that state them.
#pragma once

#include <cstddef>

namespace glosandas {

inline constexpr int kMaxEntradas = 100;             // entries of a list
inline constexpr std::size_t kPalabraLen = 100;      // characters of a word
inline constexpr std::size_t kDefinicionLen = 2000;  // characters of a definition
// Bytes of a list's name: with " (2)" and ".txt" it stays well within what a file system takes.
inline constexpr std::size_t kListNameBytes = 200;
inline constexpr int kMaxCount = 10;   // words or definitions on a screen or a sheet
inline constexpr int kMaxSheets = 30;  // sheets in one print

}  // namespace glosandas
