// What a screen reader says of a word or definition box: where it stands and what state it is in.
#include "board/form1.h"

namespace glosandas {

std::string Form1::BoxDescription(int column, Int index) const {
  const TextBox& box = (column == 1 ? TbPal : TbDef).at(index);
  std::string text =
      column == 1 ? "Palabra " + std::to_string(index + 1) + " de " + std::to_string(NumPal)
                  : "Definición " + std::to_string(index + 1) + " de " + std::to_string(NumDef) +
                        ", columna " + (box.Left < kPalLeft ? "izquierda" : "derecha");
  const int k = JoinRow(column, index);
  if (k >= 0) {
    const TextBox& partner = column == 1 ? TbDef.at(Uniones(2, k)) : TbPal.at(Uniones(1, k));
    text += ", unida a «" + partner.Text + "»";
    if (box.BackColor == kRed) text += ", unión incorrecta";
  } else {
    text += box.BackColor == kYellow ? ", seleccionada" : ", libre";
  }
  return text;
}

}  // namespace glosandas
