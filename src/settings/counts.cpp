// The menus of words and definitions per screen, and About.
#include "board/form1.h"

namespace glosandas {

namespace {

// Without a list there is nothing to compare a count with: it is kept for the next list, which
// lowers it if it is shorter.
bool RefuseAboveEntries(Platform& platform, int count, Int entries) {
  if (count <= entries || entries == 0) return false;
  platform.MsgBox("El archivo de glosandas cargado sólo contiene " + std::to_string(entries) +
                      " entradas. Por favor, escoja un número de palabras inferior o cargue otro "
                      "archivo de glosandas.",
                  "Error");
  return true;
}

}  // namespace

bool Form1::MnuOpcPalLis_Click(Int Index) {
  const int n = Index + 1;
  if (RefuseAboveEntries(platform_, n, NumEntradas)) return true;
  if (Index < 0 || Index >= kMaxCount) return false;
  for (int i = 0; i < kMaxCount; ++i) {
    MnuOpcDefLis[i].Enabled = true;
    MnuOpcDefLis[i].Checked = false;
    MnuOpcPalLis[i].Checked = false;
  }
  MnuOpcPalLis[Index].Checked = true;
  NumPal = static_cast<Int>(n);
  if (NumDef < NumPal) NumDef = NumPal;
  MnuOpcDefLis[NumDef - 1].Checked = true;
  for (int i = 0; i <= NumPal - 2; ++i) MnuOpcDefLis[i].Enabled = false;
  NuevaPantalla();
  return true;
}

bool Form1::MnuOpcDefLis_Click(Int Index) {
  const int n = Index + 1;
  if (RefuseAboveEntries(platform_, n, NumEntradas)) return true;
  // The menu disables the counts below the word count; no other caller may pass one either.
  if (Index < 0 || Index >= kMaxCount || n < NumPal) return false;
  for (int i = 0; i < kMaxCount; ++i) MnuOpcDefLis[i].Checked = i == Index;
  NumDef = static_cast<Int>(n);
  NuevaPantalla();
  return true;
}

void Form1::MnuOpcAce_Click() {
  platform_.MsgBox(
      "Glosandas, hecho por el equipo de Glosandas para aprender vocabulario.\r\n"
      "Diciembre de 2026",
      "Acerca de glosandas");
}

}  // namespace glosandas
