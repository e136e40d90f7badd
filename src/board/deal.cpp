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

  screen_kept_ = false;
  if (NumEntradas < 1) return;
  for (int k = 1; k <= kMaxEntradas; ++k) Usada(k) = false;
  const std::optional<ReviewPlan> plan = ReviewPlanNow();

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
  // A review screen takes its words group by group, each drawn among the group's unused entries,
  // and its decoys first from the definitions those words were taken for: each word's most
  // frequent first, then each one's second...
  std::vector<std::vector<Int>> taken_for;  // per word, the entries of those definitions
  const auto take = [&](Int e) {
    Usada(e) = true;
    ++drawn;
    return e;
  };
  const auto next_word = [&]() -> Int {
    for (std::size_t g = 0; plan && g < plan->groups.size(); ++g) {
      std::vector<Int> open;
      for (int i : plan->groups[g]) {
        if (i >= 0 && i < NumEntradas && !Usada(i + 1)) open.push_back(static_cast<Int>(i + 1));
      }
      if (open.empty()) continue;
      const Int e = take(open[draw(static_cast<int>(open.size()))]);
      std::vector<Int>& mistaken = taken_for.emplace_back();
      for (const std::string& text : plan->confusions.at(e - 1)) {
        for (int f = 1; f <= NumEntradas; ++f) {
          if (Trim(Entradas(f).Definicion) == text && text != Trim(Entradas(e).Definicion))
            mistaken.push_back(static_cast<Int>(f));
        }
      }
      return e;
    }
    return draw_entry();
  };
  const auto next_decoy = [&]() -> Int {
    for (std::size_t rank = 0;; ++rank) {
      bool more = false;
      for (const std::vector<Int>& mistaken : taken_for) {
        more = more || rank < mistaken.size();
        if (rank < mistaken.size() && !Usada(mistaken[rank])) return take(mistaken[rank]);
      }
      if (!more) return draw_entry();
    }
  };
  for (int n = 0; n < NumPal; ++n) {
    const Int e = next_word();
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
    const Int e = next_decoy();
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

std::optional<ReviewPlan> Form1::ReviewPlanNow() {
  // Start-up's screens are always dealt as they were; a plan that does not fit the list is not
  // used.
  if (!RepasarFallos || !started_) return std::nullopt;
  std::vector<std::pair<std::string, std::string>> entries;
  for (const Entrada& e : EntriesInForce()) entries.emplace_back(e.Palabra, e.Definicion);
  std::optional<ReviewPlan> plan = platform_.Review(Archivo, entries);
  if (plan && plan->confusions.size() != entries.size()) plan.reset();
  return plan;
}

}  // namespace glosandas
