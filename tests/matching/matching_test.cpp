#include <random>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

class MatchingTest : public FormTest {
 protected:
  Form1& Screen(int words, int defs) {
    Form1& f = Start(NumberedList(20));
    f.NumPal = static_cast<Int>(words);
    f.NumDef = static_cast<Int>(defs);
    f.NuevaPantalla();
    return f;
  }
  // The definition box that shows word box w's entry.
  static Int RightDef(const Form1& f, int w) { return f.CajaDeEntrada(2, f.EntradaEnCaja(1, w)); }
  static void Join(Form1& f, int w, int d) {
    f.TbPal_Click(static_cast<Int>(w));
    f.TbDef_Click(static_cast<Int>(d));
  }
};

char ColourLetter(std::uint32_t c) {
  return c == kWhite ? 'W' : c == kYellow ? 'Y' : c == kCyan ? 'C' : c == kRed ? 'R' : '?';
}

std::string Colours(const Form1& f) {
  std::string s;
  for (int i = 0; i < f.NumPal; ++i) s += ColourLetter(f.TbPal[i].BackColor);
  s += '/';
  for (int i = 0; i < f.NumDef; ++i) s += ColourLetter(f.TbDef[i].BackColor);
  return s;
}

TEST_F(MatchingTest, ClickStateTable) {
  struct Case {
    const char* clicks;  // P<i> or D<i>, in order
    const char* colours;
    int pal_sel, def_sel, joins;
  };
  const Case cases[] = {
      {"P0", "YWWW/WWWW", 0, -1, 0},
      {"D2", "WWWW/WWYW", -1, 2, 0},
      {"P0 P0", "WWWW/WWWW", -1, -1, 0},
      {"P0 P1", "WYWW/WWWW", 1, -1, 0},
      {"D1 D3", "WWWW/WWWY", -1, 3, 0},
      {"P0 D2", "CWWW/WWCW", -1, -1, 1},
      {"D2 P0", "CWWW/WWCW", -1, -1, 1},
      // A joined box clicked: its join breaks and it is selected.
      {"P0 D2 P0", "YWWW/WWWW", 0, -1, 0},
      {"P0 D2 D2", "WWWW/WWYW", -1, 2, 0},
      // ... and joined at once to what the other column holds selected: the count is unchanged.
      {"P0 D2 D1 P0", "CWWW/WCWW", -1, -1, 1},
      {"P0 D2 P1 D2", "WCWW/WWCW", -1, -1, 1},
      // A selection in its own column turns white.
      {"P0 D2 P1 P0", "YWWW/WWWW", 0, -1, 0},
      {"P0 D0 P1 D1 P2 D2 P3 D3", "CCCC/CCCC", -1, -1, 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clicks);
    Form1& f = Screen(4, 4);
    std::istringstream clicks(c.clicks);
    std::string click;
    while (clicks >> click) {
      const Int i = static_cast<Int>(std::stoi(click.substr(1)));
      click[0] == 'P' ? f.TbPal_Click(i) : f.TbDef_Click(i);
    }
    EXPECT_EQ(Colours(f), c.colours);
    EXPECT_EQ(f.PalSel, c.pal_sel);
    EXPECT_EQ(f.DefSel, c.def_sel);
    EXPECT_EQ(f.NumUniones, c.joins);
  }
}

TEST_F(MatchingTest, BrokenLineIsTheNextOneUsed) {
  Form1& f = Screen(5, 5);
  for (int i = 0; i < 5; ++i) Join(f, i, i);
  f.TbPal_Click(2);  // breaks the join on line 2 and selects the word
  f.TbPal_Click(2);  // takes the selection back
  EXPECT_EQ(f.Line1[2].X1, 0);
  EXPECT_EQ(f.Uniones(1, 2), -1);
  EXPECT_EQ(f.Uniones(2, 2), -1);
  EXPECT_EQ(f.Uniones(3, 2), 2);
  Join(f, 0, 0);  // breaking line 0 first makes it the lowest free line
  EXPECT_EQ(f.Uniones(1, 0), 0);
  Join(f, 2, 2);
  EXPECT_EQ(f.Uniones(1, 2), 2);
  EXPECT_EQ(f.Uniones(2, 2), 2);
  EXPECT_GT(f.Line1[2].X1, 0);
  EXPECT_EQ(f.NumUniones, 5);
}

TEST_F(MatchingTest, LinesRunBetweenFacingEdges) {
  Form1& f = Screen(4, 4);
  f.TbDef[0].Height = 1001;  // mid-heights in single precision, halves kept
  f.TbDef[0].Top = 2167;
  f.TbPal[1].Top = 2980;
  Join(f, 1, 0);  // definition 0 stands in the left column
  const Line& left = f.Line1[0];
  EXPECT_EQ(left.X1, 4000);
  EXPECT_EQ(left.Y1, 2667.5f);
  EXPECT_EQ(left.X2, 4500);
  EXPECT_EQ(left.Y2, 3230);
  EXPECT_TRUE(left.Visible);

  f.TbDef[3].Top = 4734;
  Join(f, 2, 3);  // right column
  const Line& right = f.Line1[1];
  EXPECT_EQ(right.X1, 7500);
  EXPECT_EQ(right.Y1, f.TbPal[2].Top + 250);
  EXPECT_EQ(right.X2, 8000);
  EXPECT_EQ(right.Y2, 5234);

  f.TbDef[2].Left = kPalLeft;  // level with the word box: treated as the right column
  Join(f, 3, 2);
  EXPECT_EQ(f.Line1[2].X1, kPalLeft + kPalWidth);
  EXPECT_EQ(f.Line1[2].X2, kPalLeft);
}

TEST_F(MatchingTest, CheckAnswers) {
  const std::string refusal =
      "Debe unir cada elemento de la columna central con uno de las columnas laterales para poder "
      "comprobar qué uniones están bien realizadas.";
  struct Case {
    const char* name;
    int wrong;           // words joined to a wrong definition (swapped in pairs) ...
    bool decoy;          // ... or the last word joined to an extra definition
    bool leave_one_out;  // the last word left unjoined
    bool marking;
    Message message;
    int red_boxes;
  };
  const Case cases[] = {
      {"incomplete", 0, false, true, true, {refusal, "Comprobar"}, 0},
      {"all right", 0, false, false, true, {"Correcto", "Comprobar"}, 0},
      {"two wrong, marked", 2, false, false, true, {"Ha cometido 2 errores., \" ", "Glosandas"}, 4},
      {"two wrong, unmarked",
       2,
       false,
       false,
       false,
       {"Ha cometido 2 errores., \" ", "Glosandas"},
       0},
      {"decoy", 0, true, false, true, {"Ha cometido 1 errores., \" ", "Glosandas"}, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Screen(4, 6);
    if (!c.marking) f.MnuOpcMar_Click();
    std::vector<Int> partner = {RightDef(f, 0), RightDef(f, 1), RightDef(f, 2), RightDef(f, 3)};
    if (c.wrong == 2) std::swap(partner[0], partner[1]);
    if (c.decoy) partner[3] = 5;  // boxes 4 and 5 hold the extra definitions
    for (int w = 0; w < (c.leave_one_out ? 3 : 4); ++w) Join(f, w, partner[w]);
    f.TbDef_Click(4);  // a definition left selected does not stop a check
    const std::string before = Colours(f);
    platform.messages.clear();
    f.CbComprobar_Click();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], c.message);
    const std::string after = Colours(f);
    EXPECT_EQ(std::count(after.begin(), after.end(), 'R'), c.red_boxes);
    if (c.red_boxes == 0) {
      EXPECT_EQ(after, before);
    }
    EXPECT_EQ(f.DefSel, 4);
  }
}

TEST_F(MatchingTest, SolutionReplaysRightJoinsInEntryOrder) {
  Form1& f = Screen(5, 7);
  Join(f, 0, 6);
  f.TbPal_Click(3);
  f.CbComprobar_Click();
  f.CbVer_Click();
  const std::string first = Colours(f);
  std::vector<Line> lines = f.Line1;
  EXPECT_EQ(first, "CCCCC/CCCCCWW");
  EXPECT_EQ(f.NumUniones, 5);
  int previous_entry = 0;
  for (int k = 0; k < 5; ++k) {
    const int entry = f.EntradaEnCaja(1, f.Uniones(1, k));
    EXPECT_GT(entry, previous_entry);
    EXPECT_EQ(f.EntradaEnCaja(2, f.Uniones(2, k)), entry);
    previous_entry = entry;
  }
  f.CbVer_Click();
  EXPECT_EQ(Colours(f), first);
  for (int k = 0; k < kNumBoxes; ++k) EXPECT_EQ(f.Line1[k].X1, lines[k].X1);
  platform.messages.clear();
  f.CbComprobar_Click();
  EXPECT_EQ(platform.messages, (std::vector<Message>{{"Correcto", "Comprobar"}}));
}

TEST_F(MatchingTest, F5TellsThePartner) {
  Form1& f = Screen(4, 4);
  Join(f, 1, 2);
  f.TbDef[2].Text = "texto tecleado";  // what the learner typed is what F5 reports
  f.TbDef_Click(0);                    // a selected box is not joined
  Int f5 = kKeyF5, other = 65;
  f.TbPal_KeyDown(1, f5, 0);
  f.TbDef_KeyDown(2, f5, 1);
  f.TbPal_KeyDown(0, f5, 0);
  f.TbDef_KeyDown(0, f5, 0);
  f.TbPal_KeyDown(1, other, 0);
  const std::vector<Message> expected = {
      {"Unido a texto tecleado", "Glosandas "},
      {"Unido a " + f.TbPal[1].Text, "Glosandas "},
      {"No está unido a otro elemento", "Glosandas"},
      {"No está unido a otro elemento", "Glosandas"},
  };
  EXPECT_EQ(platform.messages, expected);
  EXPECT_EQ(f5, kKeyF5);
}

TEST_F(MatchingTest, RedBoxesStayJoinedUntilClicked) {
  Form1& f = Screen(2, 2);
  Join(f, 0, RightDef(f, 1));
  Join(f, 1, RightDef(f, 0));
  f.CbComprobar_Click();
  f.MnuOpcMar_Click();
  EXPECT_FALSE(f.MarcarErrores);
  EXPECT_EQ(Colours(f), "RR/RR");  // switching the marking off repaints nothing
  Int f5 = kKeyF5;
  f.TbPal_KeyDown(0, f5, 0);
  EXPECT_EQ(platform.messages.back().title, "Glosandas ");
  f.TbPal_Click(0);
  EXPECT_EQ(f.TbPal[0].BackColor, kYellow);
  EXPECT_EQ(f.TbDef[RightDef(f, 1)].BackColor, kWhite);
  EXPECT_EQ(f.NumUniones, 1);
}

// Random clicks, deals, checks and solutions; the join records must agree after every step.
TEST_F(MatchingTest, InvariantsHoldUnderRandomPlay) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    std::mt19937 gen(seed);
    Form1& f = Screen(1 + seed % 10, 10);
    for (int step = 0; step < 1500; ++step) {
      const unsigned op = gen() % 100;
      if (op < 45) {
        f.TbPal_Click(static_cast<Int>(gen() % f.NumPal));
      } else if (op < 90) {
        f.TbDef_Click(static_cast<Int>(gen() % f.NumDef));
      } else if (op < 94) {
        f.CbComprobar_Click();
      } else if (op < 97) {
        f.CbVer_Click();
      } else if (op < 98) {
        f.MnuOpcMar_Click();
      } else {
        f.NumPal = static_cast<Int>(1 + gen() % 10);
        f.NumDef = static_cast<Int>(f.NumPal + gen() % (11 - f.NumPal));
        f.CbSiguiente_Click();
      }
      std::vector<int> pal_rows(kNumBoxes), def_rows(kNumBoxes);
      int in_force = 0;
      for (int k = 0; k <= 100; ++k) {
        const int w = f.Uniones(1, k), d = f.Uniones(2, k);
        const bool used = k < kNumBoxes && f.Line1[k].X1 > 0;
        if (used) {
          ++in_force;
          ++pal_rows[w];
          ++def_rows[d];
          ASSERT_EQ(f.Uniones(3, k), k);
        }
        ASSERT_TRUE(used || (w <= 0 && d <= 0)) << "row " << k << " without its line";
      }
      ASSERT_EQ(f.NumUniones, in_force);
      for (int i = 0; i < kNumBoxes; ++i) {
        ASSERT_LE(pal_rows[i], 1);
        ASSERT_LE(def_rows[i], 1);
        const auto joined = [](const TextBox& b) {
          return b.BackColor == kCyan || b.BackColor == kRed;
        };
        // Hidden boxes keep their last colour until a screen uses them again.
        if (i < f.NumPal) ASSERT_EQ(joined(f.TbPal[i]), pal_rows[i] == 1) << "word box " << i;
        if (i < f.NumDef) ASSERT_EQ(joined(f.TbDef[i]), def_rows[i] == 1) << "definition box " << i;
      }
      ASSERT_TRUE(f.PalSel == -1 || f.DefSel == -1);
    }
  }
}

}  // namespace
}  // namespace glosandas::testing
