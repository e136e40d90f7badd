// Checking the joins, showing the solution and the red-marking option.
#include "board/form1.h"
#include "text/text.h"

namespace glosandas {

void Form1::CbComprobar_Click() {
  // Without entries every join would look right: there is nothing to judge against.
  if (NumEntradas == 0) {
    platform_.MsgBox("No hay ninguna lista de glosandas cargada.", "Comprobar");
    return;
  }
  if (NumUniones < NumPal) {
    platform_.MsgBox(
        "Debe unir cada elemento de la columna central con uno de las columnas laterales para "
        "poder comprobar qué uniones están bien realizadas.",
        "Comprobar");
    return;
  }
  // Every word is joined, and a join always takes the lowest free line, so the joins fill
  // rows 0 .. NumPal - 1. Right and wrong are told by entry number, never by text.
  int errors = 0;
  for (int k = 0; k < NumPal; ++k) {
    const Int w = Uniones(1, k);
    const Int d = Uniones(2, k);
    if (EntradaEnCaja(1, w) != EntradaEnCaja(2, d)) {
      ++errors;
      if (MarcarErrores) {
        TbPal.at(CajaDeEntrada(1, EntradaEnCaja(1, w))).BackColor = kRed;
        TbDef.at(CajaDeEntrada(2, EntradaEnCaja(2, d))).BackColor = kRed;
      }
    }
  }
  // Only a screen's first check says what the learner knew; later ones mend joins.
  if (!screen_kept_) {
    screen_kept_ = true;
    platform_.RecordCheck(Archivo, ScreenWords(true));
  }
  if (errors == 0) {
    platform_.MsgBox("Correcto", "Comprobar");
  } else {
    platform_.MsgBox("Ha cometido " + std::to_string(errors) + " errores., \" ", "");
  }
}

void Form1::CbVer_Click() {
  // The solution seen before any check: every word on the screen counts as not known.
  if (!screen_kept_ && NumEntradas > 0) {
    screen_kept_ = true;
    platform_.RecordCheck(Archivo, ScreenWords(false));
  }
  ClearJoins();
  for (TextBox& box : TbPal) box.BackColor = kWhite;
  for (TextBox& box : TbDef) box.BackColor = kWhite;
  // Replaying the clicks in entry order uses the lines 0, 1, 2, ...
  for (int e = 1; e <= kMaxEntradas; ++e) {
    if (CajaDeEntrada(1, e) > -1) {
      TbPal_Click(CajaDeEntrada(1, e));
      TbDef_Click(CajaDeEntrada(2, e));
    }
  }
}

void Form1::MnuOpcMar_Click() {
  MnuOpcMar.Checked = !MnuOpcMar.Checked;
  MarcarErrores = MnuOpcMar.Checked;
}

std::vector<CheckedWord> Form1::ScreenWords(bool checked) const {
  std::vector<CheckedWord> words;
  const auto entry = [this](Int e) -> const Entrada& { return Entradas(e); };
  for (int k = 0; k < NumPal; ++k) {
    // Checked: the joins fill rows 0 .. NumPal - 1; otherwise every word box dealt.
    const Int w = EntradaEnCaja(1, checked ? Uniones(1, k) : k);
    if (w < 1) continue;
    CheckedWord word{Trim(entry(w).Palabra), Trim(entry(w).Definicion), false, {}};
    if (checked) {
      const Int d = EntradaEnCaja(2, Uniones(2, k));
      word.right = d == w;
      if (!word.right) word.taken_for = Trim(entry(d).Definicion);
    }
    words.push_back(std::move(word));
  }
  return words;
}

bool Form1::JoinMarkedWrong(int k) const {
  if (Line1.at(k).X1 == 0) return false;  // no join on this line
  return TbPal.at(Uniones(1, k)).BackColor == kRed || TbDef.at(Uniones(2, k)).BackColor == kRed;
}

void Form1::MnuProRep_Click() {
  MnuProRep.Checked = !MnuProRep.Checked;
  RepasarFallos = MnuProRep.Checked;
}

void Form1::MnuProBor_Click() { platform_.EraseProgress(Archivo); }

}  // namespace glosandas
