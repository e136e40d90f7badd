// Where the boxes and buttons go. All values in twips.
#include <algorithm>

#include "board/form1.h"

namespace glosandas {

namespace {

// Keeps the band inside the 16-bit range on very tall (or absurdly short) windows, so that no
// gap, sum or top computed from it can leave that range.
constexpr int kMinBand = -16384;

// Spreads boxes first..last (inclusive) of one column over the band.
void SpreadColumn(std::vector<TextBox>& boxes, int first, int last, Int band_top, Int band) {
  if (last < first) return;
  Int sum = 0;
  for (int i = first; i <= last; ++i) sum = Round16(sum + boxes[i].Height);
  const Int gap = Round16(static_cast<double>(band - sum) / (last - first + 2));
  Int run = 0;
  for (int i = first; i <= last; ++i) {
    boxes[i].Top = Round16(band_top + gap + (i - first) * gap + run);
    run = Round16(run + boxes[i].Height);
  }
}

}  // namespace

std::vector<Int*> Form1::TabStops() {
  std::vector<Int*> stops{&TbInstruc.TabIndex,   &TbTam[0].TabIndex,    &TbTam[1].TabIndex,
                          &CbComprobar.TabIndex, &CbSiguiente.TabIndex, &CbVer.TabIndex};
  for (TextBox& b : TbPal) stops.push_back(&b.TabIndex);
  for (TextBox& b : TbDef) stops.push_back(&b.TabIndex);
  return stops;
}

void Form1::SetTabIndex(Int& control, Int position) {
  std::vector<Int*> order = TabStops();
  std::sort(order.begin(), order.end(), [](Int* a, Int* b) { return *a < *b; });
  order.erase(std::find(order.begin(), order.end(), &control));
  order.insert(order.begin() + std::clamp<int>(position, 0, static_cast<int>(order.size())),
               &control);
  for (std::size_t i = 0; i < order.size(); ++i) *order[i] = static_cast<Int>(i);
}

void Form1::PlaceAtStartup() {
  for (TextBox& def : TbDef) {
    def.Width = kDefWidth;
    def.Height = kDefHeight;
  }
  for (TextBox& pal : TbPal) {
    pal.Left = kPalLeft;
    pal.Width = kPalWidth;
    pal.Height = kPalHeight;
    pal.Enabled = true;
  }
  for (int i = 0; i < kNumBoxes; ++i) {
    SetTabIndex(TbPal[i].TabIndex, static_cast<Int>(2 * i));
    SetTabIndex(TbDef[i].TabIndex, static_cast<Int>(2 * i + 1));
  }
}

void Form1::PlaceScreen() {
  const Int left_count = Round16(NumDef / 2.0);
  for (int i = 0; i < NumDef; ++i) {
    TbDef[i].Left = i < left_count ? kDefLeftColumn : kDefRightColumn;
  }

  const Int band_top = Round16(TbInstruc.Top + TbInstruc.Height);
  const double band_raw = static_cast<double>(CbComprobar.Top) - band_top;
  const Int band = Round16(std::clamp(band_raw, double{kMinBand}, 32767.0 - band_top));

  SpreadColumn(TbDef, 0, left_count - 1, band_top, band);
  SpreadColumn(TbDef, left_count, NumDef - 1, band_top, band);

  const Int gap = Round16(static_cast<double>(band - NumPal * kPalHeight) / (NumPal + 1));
  for (int i = 0; i < NumPal; ++i) {
    TbPal[i].Top = Round16(band_top + gap + i * (gap + kPalHeight));
  }
}

void Form1::Form_Resize() {
  CbComprobar.Top = static_cast<float>(platform_.OuterHeightTwips() - kButtonsAboveBottom);
  CbSiguiente.Top = CbComprobar.Top;
  CbVer.Top = CbComprobar.Top;
}

void Form1::WindowResized(bool shown, bool maximised) {
  Form_Resize();
  // A compositor that grants the maximised size only once the window is shown gets the first
  // screen placed again for it, without a new deal, as long as the learner has not touched it.
  // Once the learner restores the window, a resize moves only the buttons.
  if (shown && !maximised) first_screen_top_.reset();
  if (first_screen_top_ && shown && maximised && CbComprobar.Top != *first_screen_top_) {
    const bool untouched = NumUniones == 0 && PalSel == -1 && DefSel == -1;
    if (untouched) PlaceScreen();
    first_screen_top_ = untouched ? std::optional(CbComprobar.Top) : std::nullopt;
  }
}

}  // namespace glosandas
