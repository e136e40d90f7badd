#include "board/form1.h"

#include <algorithm>
#include <cmath>

namespace glosandas {

Int Round16(double value) {
  const double r = std::nearbyint(value);
  if (!(r >= -32768.0 && r <= 32767.0)) throw std::overflow_error("16-bit overflow");
  return static_cast<Int>(r);
}

namespace {

TextBox DesignBox(float left, float top, float width, float height, const char* text) {
  TextBox box;
  box.Left = left;
  box.Top = top;
  box.Width = width;
  box.Height = height;
  box.Text = text;
  return box;
}

Button DesignButton(const char* caption, float left, Int tab, const char* tip) {
  return Button{.Caption = caption,
                .Left = left,
                .Top = 7300,
                .Width = 2000,
                .Height = 500,
                .TabIndex = tab,
                .ToolTipText = tip};
}

}  // namespace

Form1::Form1(Platform& platform) : platform_(platform) {
  TbInstruc = DesignBox(0, 100, 10750, 500,
                        "Una cada elemento de la columna central con uno de los laterales y pulse "
                        "en Comprobar\r\n");
  TbInstruc.MultiLine = true;
  TbInstruc.Locked = true;
  TbInstruc.Alignment = Align::kCenter;
  TbInstruc.TabIndex = 2;

  TbTam[0] = DesignBox(10750, 100, 500, 500, "+");
  TbTam[0].ToolTipText = "Aumentar tamaño de la letrad de las glosandas";
  TbTam[0].TabIndex = 6;
  TbTam[1] = DesignBox(11250, 100, 500, 500, "-");
  TbTam[1].ToolTipText = "Reducir tamaño de la letra de las glosandas";
  TbTam[1].TabIndex = 7;
  for (TextBox& b : TbTam) {
    b.Locked = true;
    b.Alignment = Align::kCenter;
  }

  TextBox pal = DesignBox(0, 0, 0, 0, "Palabra");
  pal.FontSize = 12;
  pal.TabIndex = 0;
  TbPal.push_back(pal);
  TextBox def = DesignBox(0, 0, 0, 0, "Definición");
  def.MultiLine = true;
  def.Alignment = Align::kCenter;
  def.TabIndex = 1;
  TbDef.push_back(def);
  Line1.push_back(Line{});

  CbComprobar = DesignButton("&COMPROBAR", 2000, 3,
                             "Pulse para comprobar si se han unido correctamente las palabras con "
                             "su definición ");
  CbSiguiente =
      DesignButton("&Siguiente", 5000, 4,
                   "Pulse para que se muestre una nueva pantalla de palabras y glosandas");
  CbVer = DesignButton("&Ver solución", 8000, 5,
                       "Pulse para ver  la forma correcta de unir cada palabra con su definición");

  MnuOpc.Caption = "&Opciones";
  MnuOpcPal.Caption = "&Número de palabras";
  MnuOpcDef.Caption = "Nú&mero de glosandas";
  MnuOpcArc.Caption = "&Archivo de glosandas";
  MnuOpcMar.Caption = "&Marcar errores";
  MnuOpcMar.Checked = true;
  MnuOpcTam.Caption = "&Tamaño de letra (10)";
  MnuOpcAce.Caption = "&Acerca de glosandas...";
  MnuPro.Caption = "&Progreso";
  MnuProRep.Caption = "&Repasar fallos";
  MnuProVer.Caption = "&Ver progreso...";
  MnuProBor.Caption = "&Borrar el progreso de esta lista...";
  MnuOpcSal.Caption = "&Salir Alt - F4";
  MnuOpcPalLis.push_back(MenuItem{.Caption = "&1"});
  MnuOpcDefLis.push_back(MenuItem{.Caption = "&1"});
  MnuOpcArcLis.push_back(MenuItem{.Caption = "&Relieve"});
  MnuOpcTamLis[0] = MenuItem{.Caption = "&Aumentar", .Shortcut = "F2"};
  MnuOpcTamLis[1] = MenuItem{.Caption = "&Reducir", .Shortcut = "F3"};
}

void Form1::Form_Load() {
  // New elements copy element 0, start hidden and take the last tab position.
  Int next_tab = static_cast<Int>(TabStops().size());
  for (int i = 1; i < kNumBoxes; ++i) {
    TextBox def = TbDef[0];
    def.Visible = false;
    def.TabIndex = next_tab++;
    TbDef.push_back(def);
    TextBox pal = TbPal[0];
    pal.Visible = false;
    pal.TabIndex = next_tab++;
    TbPal.push_back(pal);
    Line line = Line1[0];
    line.Visible = false;
    Line1.push_back(line);
  }
  PlaceAtStartup();

  for (int i = 1; i < kMaxCount; ++i) {
    const std::string caption = "&" + std::to_string(i + 1);
    MnuOpcPalLis.push_back(MenuItem{.Caption = caption});
    MnuOpcDefLis.push_back(MenuItem{.Caption = caption});
  }
  NumPal = 4;
  NumDef = 4;
  MnuOpcPalLis[NumPal - 1].Checked = true;
  MnuOpcDefLis[NumDef - 1].Checked = true;
  for (int i = 0; i <= NumDef - 2; ++i) MnuOpcDefLis[i].Enabled = false;
  ListarArchivos();

  PalSel = -1;
  DefSel = -1;
  NumUniones = 0;

  platform_.Maximize();
  Form_Resize();
  first_screen_top_ = CbComprobar.Top;  // the height the maximised window is expected to have

  const int s = platform_.Second();
  const int m = platform_.Minute();
  const int h = platform_.Hour();
  rnd_.Seed(static_cast<std::uint32_t>(s * m * (h + 1)));

  Archivo = kDefaultList;
  MarcarErrores = true;
  CargarArchivo();
  NuevaPantalla();
  LeerOpciones();
  settings_read_ = true;
  started_ = true;
}

void Form1::CbSiguiente_Click() { NuevaPantalla(); }

void Form1::MnuOpcSal_Click() { platform_.Unload(); }

void Form1::Form_QueryUnload() {
  // Until the settings file has been read, the options in force are defaults that must not
  // replace the user's.
  if (saved_ || !settings_read_) return;
  saved_ = true;
  GuardarOpciones();
}

}  // namespace glosandas
