// Selecting boxes, making and breaking joins. A box's colour records whether it is joined.
#include "board/form1.h"

namespace glosandas {

namespace {

bool IsJoined(const TextBox& box) { return box.BackColor == kCyan || box.BackColor == kRed; }

// The row of the join that holds `index` in `column`; rows of broken joins hold -1 and rows never
// used since the last clearing lie above every row in use, so the first match is the one.
int FindRow(const Bounded2<Int, 1, 3, 0, 100>& uniones, int column, Int index) {
  for (int k = 0; k <= 100; ++k) {
    if (uniones(column, k) == index) return k;
  }
  return -1;
}

}  // namespace

void Form1::ClearJoins() {
  NumUniones = 0;
  for (int k = 0; k <= 100; ++k) Uniones(1, k) = Uniones(2, k) = Uniones(3, k) = 0;
  PalSel = -1;
  DefSel = -1;
  for (Line& line : Line1) line.X1 = line.Y1 = line.X2 = line.Y2 = 0;  // visibility stays
}

void Form1::TbPal_Click(Int Index) { ClickBox(1, Index); }
void Form1::TbDef_Click(Int Index) { ClickBox(2, Index); }

void Form1::ClickBox(int column, Int index) {
  std::vector<TextBox>& boxes = column == 1 ? TbPal : TbDef;
  Int& selected = column == 1 ? PalSel : DefSel;
  TextBox& box = boxes.at(index);

  if (IsJoined(box)) {
    const int k = FindRow(Uniones, column, index);
    if (k >= 0) {
      --NumUniones;
      Line& line = Line1.at(k);
      line.X1 = line.Y1 = line.X2 = line.Y2 = 0;
      TbPal.at(Uniones(1, k)).BackColor = kWhite;
      TbDef.at(Uniones(2, k)).BackColor = kWhite;
      Uniones(1, k) = -1;
      Uniones(2, k) = -1;
    }
  }

  if (selected == -1) {
    selected = index;
    box.BackColor = kYellow;
  } else if (selected == index) {
    selected = -1;
    box.BackColor = kWhite;
  } else {
    boxes.at(selected).BackColor = kWhite;
    selected = index;
    box.BackColor = kYellow;
  }

  if (DefSel > -1 && PalSel > -1) UnirSeleccion();
}

void Form1::UnirSeleccion() {
  int k = 0;
  while (Line1.at(k).X1 != 0) ++k;
  TextBox& w = TbPal.at(PalSel);
  TextBox& d = TbDef.at(DefSel);
  Line& line = Line1[k];
  // From the edge of the definition box that faces the word box to the facing edge of the word
  // box, both at mid-height.
  if (d.Left < w.Left) {
    line.X1 = d.Left + d.Width;
    line.Y1 = d.Top + d.Height / 2;
    line.X2 = w.Left;
    line.Y2 = w.Top + w.Height / 2;
  } else {
    line.X1 = w.Left + w.Width;
    line.Y1 = w.Top + w.Height / 2;
    line.X2 = d.Left;
    line.Y2 = d.Top + d.Height / 2;
  }
  line.Visible = true;
  Uniones(1, k) = PalSel;
  Uniones(2, k) = DefSel;
  Uniones(3, k) = static_cast<Int>(k);
  w.BackColor = kCyan;
  d.BackColor = kCyan;
  PalSel = -1;
  DefSel = -1;
  ++NumUniones;
}

void Form1::TbPal_KeyDown(Int Index, Int& KeyCode, Int Shift) {
  KeyDownBox(1, Index, KeyCode, Shift);
}
void Form1::TbDef_KeyDown(Int Index, Int& KeyCode, Int Shift) {
  KeyDownBox(2, Index, KeyCode, Shift);
}

int Form1::JoinRow(int column, Int index) const {
  const std::vector<TextBox>& boxes = column == 1 ? TbPal : TbDef;
  return IsJoined(boxes.at(index)) ? FindRow(Uniones, column, index) : -1;
}

void Form1::KeyDownBox(int column, Int index, Int& key_code, Int shift) {
  // Return is the keyboard's click; Shift+Return is left to the box (a line break in a
  // definition). A key used here is taken from the box.
  if (key_code == kKeyReturn && !(shift & kShiftMask)) {
    key_code = 0;
    ClickBox(column, index);
    return;
  }
  if (key_code != kKeyF5) return;
  const int k = JoinRow(column, index);
  if (k < 0) {
    platform_.MsgBox("No está unido a otro elemento", kAppTitle);
    return;
  }
  const TextBox& partner = column == 1 ? TbDef.at(Uniones(2, k)) : TbPal.at(Uniones(1, k));
  platform_.MsgBox("Unido a " + partner.Text, std::string(kAppTitle) + " ");
}

}  // namespace glosandas
