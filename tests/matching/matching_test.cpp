#include "form_fixture.h"

namespace glosandas::testing {
namespace {

class MatchingTest : public FormTest {
 protected:
  Form1& Screen(int words, int defs) {
    Form1& f = Start(NumberedList(20));
    f.MnuOpcPalLis_Click(static_cast<Int>(words - 1));
    f.MnuOpcDefLis_Click(static_cast<Int>(defs - 1));
    return f;
  }
  // Clicks given as "P0 D2 ...": word or definition box and its index.
  static void Click(Form1& f, const std::string& clicks) {
    std::istringstream in(clicks);
    std::string click;
    while (in >> click) {
      const Int i = static_cast<Int>(std::stoi(click.substr(1)));
      click[0] == 'P' ? f.TbPal_Click(i) : f.TbDef_Click(i);
    }
  }
  // The definition box showing word box w's entry.
  static Int RightDef(const Form1& f, int w) { return f.CajaDeEntrada(2, f.EntradaEnCaja(1, w)); }
  static std::string Colours(const Form1& f) {
    const auto letter = [](std::uint32_t c) {
      return c == kWhite ? 'W' : c == kYellow ? 'Y' : c == kCyan ? 'C' : c == kRed ? 'R' : '?';
    };
    std::string s;
    for (int i = 0; i < f.NumPal; ++i) s += letter(f.TbPal[i].BackColor);
    s += '/';
    for (int i = 0; i < f.NumDef; ++i) s += letter(f.TbDef[i].BackColor);
    return s;
  }
};

TEST_F(MatchingTest, ClickStateTable) {
  struct Case {
    const char* clicks;
    const char* colours;
    int pal_sel, def_sel, joins;
  };
  const Case cases[] = {
      {"P0", "YWWW/WWWW", 0, -1, 0},
      {"P0 P0", "WWWW/WWWW", -1, -1, 0},
      {"P0 P1", "WYWW/WWWW", 1, -1, 0},
      {"D1 D3", "WWWW/WWWY", -1, 3, 0},
      {"P0 D2", "CWWW/WWCW", -1, -1, 1},
      {"D2 P0", "CWWW/WWCW", -1, -1, 1},
      {"P0 D2 P0", "YWWW/WWWW", 0, -1, 0},  // a joined box breaks its join and is selected
      {"P0 D2 D2", "WWWW/WWYW", -1, 2, 0},
      {"P0 D2 D1 P0", "CWWW/WCWW", -1, -1, 1},  // ... and joins what waits: count unchanged
      {"P0 D2 P1 D2", "WCWW/WWCW", -1, -1, 1},
      {"P0 D2 P1 P0", "YWWW/WWWW", 0, -1, 0},  // the selection of its own column turns white
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicks);
    Form1& f = Screen(4, 4);
    Click(f, c.clicks);
    EXPECT_EQ(Colours(f), c.colours);
    EXPECT_EQ(f.PalSel, c.pal_sel);
    EXPECT_EQ(f.DefSel, c.def_sel);
    EXPECT_EQ(f.NumUniones, c.joins);
  }
}

TEST_F(MatchingTest, BrokenLineIsTheNextOneUsed) {
  Form1& f = Screen(5, 5);
  Click(f, "P0 D0 P1 D1 P2 D2 P3 D3 P4 D4 P2 P2");  // line 2 broken, selection taken back
  EXPECT_EQ(f.Line1[2].X1, 0);
  EXPECT_EQ(f.Uniones(1, 2), -1);
  EXPECT_EQ(f.Uniones(3, 2), 2);
  Click(f, "D2 P2");
  EXPECT_EQ(f.Uniones(1, 2), 2);
  EXPECT_EQ(f.Uniones(2, 2), 2);
  EXPECT_GT(f.Line1[2].X1, 0);
}

TEST_F(MatchingTest, LinesRunBetweenFacingEdges) {
  Form1& f = Screen(4, 4);
  f.TbDef[0].Height = 1001;  // mid-heights in single precision, halves kept
  f.TbDef[0].Top = 2167;
  f.TbPal[1].Top = 2980;
  f.TbDef[3].Top = 4734;
  f.TbDef[2].Left = kPalLeft;  // level with the word box: the right column's rule
  Click(f, "P1 D0 P2 D3 P3 D2");
  const Line& left = f.Line1[0];
  EXPECT_EQ(std::vector<float>({left.X1, left.Y1, left.X2, left.Y2}),
            std::vector<float>({4000, 2667.5f, 4500, 3230}));
  const Line& right = f.Line1[1];
  EXPECT_EQ(std::vector<float>({right.X1, right.Y1, right.X2, right.Y2}),
            std::vector<float>({7500, f.TbPal[2].Top + 250, 8000, 5234}));
  EXPECT_EQ(f.Line1[2].X1, kPalLeft + kPalWidth);
  EXPECT_EQ(f.Line1[2].X2, kPalLeft);
}

TEST_F(MatchingTest, CheckAnswers) {
  const Message refusal{
      "Debe unir cada elemento de la columna central con uno de las columnas laterales para poder "
      "comprobar qué uniones están bien realizadas.",
      "Comprobar"};
  const Message two_errors{"Ha cometido 2 errores., \" ", "Glosandas"};
  struct Case {
    const char* name;
    int swapped;  // words 0 and 1 exchange definitions
    bool decoy;   // word 3 joined to an extra definition
    int joined;   // how many words are joined
    bool marking;
    Message message;
    int red;
  };
  const Case cases[] = {
      {"incomplete", 0, false, 3, true, refusal, 0},
      {"all right", 0, false, 4, true, {"Correcto", "Comprobar"}, 0},
      {"two wrong, marked", 2, false, 4, true, two_errors, 4},
      {"two wrong, unmarked", 2, false, 4, false, two_errors, 0},
      {"a decoy", 0, true, 4, true, {"Ha cometido 1 errores., \" ", "Glosandas"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Screen(4, 6);
    if (!c.marking) f.MnuOpcMar_Click();
    std::vector<Int> partner = {RightDef(f, 0), RightDef(f, 1), RightDef(f, 2), RightDef(f, 3)};
    if (c.swapped) std::swap(partner[0], partner[1]);
    if (c.decoy) partner[3] = 5;  // boxes 4 and 5 hold the extra definitions
    for (int w = 0; w < c.joined; ++w)
      Click(f, "P" + std::to_string(w) + " D" + std::to_string(partner[w]));
    f.TbDef_Click(4);  // a definition left selected does not stop a check
    platform.messages.clear();
    f.CbComprobar_Click();
    EXPECT_EQ(platform.messages, std::vector<Message>{c.message});
    const std::string colours = Colours(f);
    EXPECT_EQ(std::count(colours.begin(), colours.end(), 'R'), c.red);
    EXPECT_EQ(std::count(colours.begin(), colours.end(), 'C'), 2 * c.joined - c.red);
    EXPECT_EQ(f.DefSel, 4);
  }
}

TEST_F(MatchingTest, SolutionReplaysRightJoinsInEntryOrder) {
  Form1& f = Screen(5, 7);
  Click(f, "P0 D6 P3");
  f.CbVer_Click();
  const std::vector<Line> lines = f.Line1;
  EXPECT_EQ(Colours(f), "CCCCC/CCCCCWW");
  for (int k = 0, previous = 0; k < 5; ++k) {
    const int entry = f.EntradaEnCaja(1, f.Uniones(1, k));
    EXPECT_GT(entry, previous);
    EXPECT_EQ(f.EntradaEnCaja(2, f.Uniones(2, k)), entry);
    previous = entry;
  }
  f.CbVer_Click();
  for (int k = 0; k < kNumBoxes; ++k) EXPECT_EQ(f.Line1[k].Y1, lines[k].Y1);
  f.CbComprobar_Click();
  EXPECT_EQ(platform.messages, (std::vector<Message>{{"Correcto", "Comprobar"}}));
}

TEST_F(MatchingTest, F5TellsThePartnerAndRedBoxesStayJoined) {
  Form1& f = Screen(2, 2);
  // Joined crosswise, the join of word 0's definition on the row that is not its index.
  const std::string d0 = std::to_string(RightDef(f, 0)), d1 = std::to_string(RightDef(f, 1));
  Click(f, RightDef(f, 0) == 0 ? "P0 D" + d1 + " P1 D" + d0 : "P1 D" + d0 + " P0 D" + d1);
  f.CbComprobar_Click();
  f.MnuOpcMar_Click();
  EXPECT_EQ(Colours(f), "RR/RR");             // switching the marking off repaints nothing
  f.TbDef[RightDef(f, 1)].Text = "tecleado";  // F5 reports what the box shows now
  platform.messages.clear();
  Int f5 = kKeyF5, other = 65;
  f.TbPal_KeyDown(0, f5, 0);
  f.TbDef_KeyDown(RightDef(f, 0), f5, 1);
  f.TbPal_KeyDown(0, other, 0);
  f.TbPal_Click(0);  // a red box breaks its join like a cyan one
  f.TbPal_KeyDown(0, f5, 0);
  const std::vector<Message> expected = {{"Unido a tecleado", "Glosandas "},
                                         {"Unido a " + f.TbPal[1].Text, "Glosandas "},
                                         {"No está unido a otro elemento", "Glosandas"}};
  EXPECT_EQ(platform.messages, expected);
  EXPECT_EQ(f5, kKeyF5);
  EXPECT_EQ(Colours(f).substr(0, 2), "YR");
  EXPECT_EQ(f.NumUniones, 1);
}

}  // namespace
}  // namespace glosandas::testing
