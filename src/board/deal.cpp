// Dealing a new screen from the loaded entries.
#include <cmath>

#include "board/form1.h"
#include "text/text.h"

namespace glosandas {

void Form1::NuevaPantalla() {
  ClearJoins();
  for (int i = 0; i <= 100; ++i) {
    for (int j = 1; j <= 2; ++j) {
      EntradaEnCaja(j, i) = -1;
      if (i >= 1) CajaDeEntrada(j, i) = -1;
    }
  }
  const auto show = [](std::vector<TextBox>& boxes, int in_use) {
    for (int i = 0; i < kNumBoxes; ++i) {
      TextBox& box = boxes[i];
      box.Enabled = box.Visible = i < in_use;
      if (i < in_use) box.BackColor = kWhite;
    }
  };
  show(TbDef, NumDef);
  show(TbPal, NumPal);
  PlaceScreen();

  if (NumEntradas < 1) return;
  for (int k = 1; k <= kMaxEntradas; ++k) Usada(k) = false;

  // Every draw takes the integer part of u times a count; rejected draws are repeated with a
  // fresh u. Drawing stops when the list has no unused entry left, which the counts prevent.
  int drawn = 0;
  const auto draw = [this](int count) { return static_cast<int>(std::floor(count * rnd_.Next())); };
  const auto draw_entry = [&]() -> Int {
    if (drawn >= NumEntradas) return -1;
    int e;
    do e = draw(NumEntradas) + 1;
    while (Usada(e));
    Usada(e) = true;
    ++drawn;
    return static_cast<Int>(e);
  };
  for (int n = 0; n < NumPal; ++n) {
    const Int e = draw_entry();
    if (e < 0) break;
    int p;
    do p = draw(NumPal);
    while (EntradaEnCaja(1, p) != -1);
    EntradaEnCaja(1, p) = e;
    int q;
    do q = draw(NumPal);
    while (EntradaEnCaja(2, q) > 0);
    EntradaEnCaja(2, q) = e;
  }
  for (int n = NumPal; n < NumDef; ++n) {
    const Int e = draw_entry();
    if (e < 0) break;
    int q;
    do q = draw(NumDef);
    while (EntradaEnCaja(2, q) > 0);
    EntradaEnCaja(2, q) = e;
  }

  for (int i = 0; i < NumPal; ++i) {
    if (EntradaEnCaja(1, i) >= 0) CajaDeEntrada(1, EntradaEnCaja(1, i)) = static_cast<Int>(i);
  }
  for (int i = 0; i < NumDef; ++i) {
    if (EntradaEnCaja(2, i) >= 0) CajaDeEntrada(2, EntradaEnCaja(2, i)) = static_cast<Int>(i);
  }
  for (int i = 0; i < NumPal; ++i) {
    if (EntradaEnCaja(1, i) >= 0) TbPal[i].Text = Trim(Entradas(EntradaEnCaja(1, i)).Palabra);
  }
  for (int i = 0; i < NumDef; ++i) {
    if (EntradaEnCaja(2, i) >= 0) TbDef[i].Text = Trim(Entradas(EntradaEnCaja(2, i)).Definicion);
  }
}

}  // namespace glosandas
