#include "form_fixture.h"

namespace glosandas::testing {
namespace {

// The window as the learner first sees it: every control's place, tab stop, letter size,
// whether it takes typing, its alignment and tooltip; the menus' captions, marks and keys.
TEST_F(FormTest, TheWindowAsDesigned) {
  Form1& f = Start(NumberedList(20));
  std::ostringstream out;
  const auto box = [&out](const char* name, const TextBox& b) {
    out << name << " " << b.Left << "," << b.Top << " " << b.Width << "x" << b.Height << " tab "
        << b.TabIndex << " " << b.FontSize << (b.Locked ? " locked" : "")
        << (b.MultiLine ? " multi" : "") << (b.Alignment == Align::kCenter ? " centred" : "") << " "
        << b.ToolTipText << "\n";
  };
  box("instruc", f.TbInstruc);
  box("+", f.TbTam[0]);
  box("-", f.TbTam[1]);
  box("pal0", f.TbPal[0]);
  box("def15", f.TbDef[15]);
  for (const Button* b : {&f.CbComprobar, &f.CbSiguiente, &f.CbVer}) {
    out << b->Caption << " " << b->Left << "," << b->Top << " " << b->Width << "x" << b->Height
        << " tab " << b->TabIndex << " " << b->FontSize << " " << b->ToolTipText << "\n";
  }
  for (const MenuItem* m :
       {&f.MnuOpc, &f.MnuOpcPal, &f.MnuOpcDef, &f.MnuOpcArc, &f.MnuOpcMar, &f.MnuOpcTam,
        &f.MnuOpcTamLis[0], &f.MnuOpcTamLis[1], &f.MnuOpcAce, &f.MnuOpcSal}) {
    out << m->Caption << (m->Checked ? " x " : " ") << m->Shortcut << "|";
  }
  EXPECT_EQ(out.str(),
            "instruc 0,100 10750x500 tab 32 9.75 locked multi centred \n"
            "+ 10750,100 500x500 tab 36 9.75 locked centred Aumentar tamaño de la letrad de las "
            "glosandas\n"
            "- 11250,100 500x500 tab 37 9.75 locked centred Reducir tamaño de la letra de las "
            "glosandas\n"
            "pal0 4500,2160 3000x500 tab 0 12 \n"
            "def15 0,0 4000x1000 tab 31 9.75 multi centred \n"
            "&COMPROBAR 2000,10400 2000x500 tab 33 12 Pulse para comprobar si se han unido "
            "correctamente las palabras con su definición \n"
            "&Siguiente 5000,10400 2000x500 tab 34 12 Pulse para que se muestre una nueva pantalla "
            "de palabras y glosandas\n"
            "&Ver solución 8000,10400 2000x500 tab 35 12 Pulse para ver  la forma correcta de unir "
            "cada palabra con su definición\n"
            "&Opciones |&Número de palabras |Nú&mero de glosandas |&Archivo de glosandas |"
            "&Marcar errores x |&Tamaño de letra (10) |&Aumentar F2|&Reducir F3|"
            "&Acerca de glosandas... |&Salir Alt - F4 |");
}

}  // namespace
}  // namespace glosandas::testing
