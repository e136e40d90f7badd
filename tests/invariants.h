// What must hold in the window record after anything the learner or a file can make it do.
#pragma once

#include <string>
#include <vector>

#include "board/form1.h"

namespace glosandas::testing {

// What must hold after any sequence of the learner's actions; empty when it all does.
inline std::string BrokenInvariant(const Form1& f) {
  std::vector<int> pal_rows(kNumBoxes), def_rows(kNumBoxes);
  int in_force = 0;
  for (int k = 0; k <= 100; ++k) {
    const bool used = k < kNumBoxes && f.Line1[k].X1 > 0;
    if (used) {
      ++in_force;
      ++pal_rows.at(f.Uniones(1, k));
      ++def_rows.at(f.Uniones(2, k));
    } else if (f.Uniones(1, k) > 0 || f.Uniones(2, k) > 0) {
      return "row " + std::to_string(k) + " without its line";
    }
  }
  if (f.NumUniones != in_force) return "NumUniones differs from the lines in use";
  const auto joined = [](const TextBox& b) { return b.BackColor == kCyan || b.BackColor == kRed; };
  for (int i = 0; i < kNumBoxes; ++i) {
    if (pal_rows[i] > 1 || def_rows[i] > 1) return "a box in two joins";
    // Hidden boxes keep their last colour until a screen uses them again.
    if (i < f.NumPal && joined(f.TbPal[i]) != (pal_rows[i] == 1)) return "word box colour";
    if (i < f.NumDef && joined(f.TbDef[i]) != (def_rows[i] == 1)) return "definition box colour";
  }
  if (f.PalSel != -1 && f.DefSel != -1) return "two selections pending";
  for (int i = 0; i < kMaxCount; ++i) {
    if (f.MnuOpcPalLis[i].Checked != (i == f.NumPal - 1) ||
        f.MnuOpcDefLis[i].Checked != (i == f.NumDef - 1) ||
        f.MnuOpcDefLis[i].Enabled != (i >= f.NumPal - 1)) {
      return "count menu marks";
    }
  }
  return {};
}

}  // namespace glosandas::testing
