// The letter size of the definitions: the font size of TbDef(0), shared by every element.
#include "board/form1.h"

namespace glosandas {

void Form1::ApplyLetterSize(float points) {
  // The font may show a nearby size instead; one below a point is refused.
  const float shown = platform_.FontSizeShown(points);
  if (!(shown >= kMinLetterSize)) return;
  TbDef[0].FontSize = shown;
  MnuOpcTam.Caption = "&Tamaño de letra (" + platform_.NumberText(TbDef[0].FontSize) + ")";
  for (std::size_t i = 1; i < TbDef.size(); ++i) TbDef[i].FontSize = TbDef[0].FontSize;
}

void Form1::MnuOpcTamLis_Click(Int Index) {
  const float size = TbDef[0].FontSize;
  if (Index == 1 && size > 0) {
    ApplyLetterSize(size - 1);
  } else if (Index == 0 && size < kMaxLetterSize) {
    ApplyLetterSize(size + 1);
  }
}

void Form1::TbTam_Click(Int Index) {
  MnuOpcTamLis_Click(Index);
  TbTam[0].Enabled = false;
  TbTam[1].Enabled = false;
  TbTam[0].Enabled = true;
  TbTam[1].Enabled = true;
}

}  // namespace glosandas
