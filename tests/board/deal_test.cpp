#include <set>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using DealTest = FormTest;

// The properties every deal must have, whatever the seed.
void ExpectSoundDeal(const Form1& f) {
  std::set<int> words, defs;
  for (int i = 0; i < f.NumPal; ++i) {
    const int e = f.EntradaEnCaja(1, i);
    ASSERT_GE(e, 1);
    ASSERT_LE(e, f.NumEntradas);
    EXPECT_TRUE(words.insert(e).second) << "word entry shown twice";
    EXPECT_EQ(f.CajaDeEntrada(1, e), i);
  }
  for (int i = 0; i < f.NumDef; ++i) {
    const int e = f.EntradaEnCaja(2, i);
    ASSERT_GE(e, 1);
    ASSERT_LE(e, f.NumEntradas);
    EXPECT_TRUE(defs.insert(e).second) << "definition entry shown twice";
    EXPECT_EQ(f.CajaDeEntrada(2, e), i);
    // The words' definitions fill the first NumPal boxes, the extras come after them.
    EXPECT_EQ(words.count(e) == 1, i < f.NumPal);
    EXPECT_EQ(f.TbDef[i].Text, f.Entradas(e).Definicion);
  }
  for (int i = 0; i < f.NumPal; ++i) {
    EXPECT_EQ(f.TbPal[i].Text, f.Entradas(f.EntradaEnCaja(1, i)).Palabra);
  }
  for (int e = 1; e <= kMaxEntradas; ++e) {
    EXPECT_EQ(f.Usada(e), defs.count(e) == 1);
    if (!words.count(e)) {
      EXPECT_EQ(f.CajaDeEntrada(1, e), -1);
    }
    if (!defs.count(e)) {
      EXPECT_EQ(f.CajaDeEntrada(2, e), -1);
    }
  }
  for (int i = 0; i < kNumBoxes; ++i) {
    EXPECT_EQ(f.TbPal[i].Visible, i < f.NumPal);
    EXPECT_EQ(f.TbPal[i].Enabled, i < f.NumPal);
    EXPECT_EQ(f.TbDef[i].Visible, i < f.NumDef);
    if (i < f.NumDef) {
      EXPECT_EQ(f.TbDef[i].BackColor, kWhite);
    }
  }
}

TEST_F(DealTest, EveryLegalTripleOverManySeeds) {
  Form1& f = Start(NumberedList(12));
  for (int entries : {1, 2, 5, 10, 12}) {
    f.NumEntradas = static_cast<Int>(entries);
    for (int words = 1; words <= std::min(entries, 10); ++words) {
      for (int defs = words; defs <= std::min(entries, 10); ++defs) {
        f.NumPal = static_cast<Int>(words);
        f.NumDef = static_cast<Int>(defs);
        for (int seed = 0; seed < 40; ++seed) {
          SCOPED_TRACE(::testing::Message()
                       << entries << " " << words << " " << defs << " " << seed);
          f.Rnd().Seed(seed * 7919);
          f.NuevaPantalla();
          ExpectSoundDeal(f);
          if (::testing::Test::HasFailure()) return;
        }
      }
    }
  }
}

TEST_F(DealTest, SameSeedSameScreens) {
  auto screens = [this](int seed) {
    platform.second = seed % 60;
    platform.minute = 1;
    platform.hour = 0;
    Form1& f = Start(NumberedList(40));
    std::vector<int> shown;
    for (int round = 0; round < 5; ++round) {
      for (int i = 0; i < f.NumDef; ++i) shown.push_back(f.EntradaEnCaja(2, i));
      f.CbSiguiente_Click();
    }
    return shown;
  };
  EXPECT_EQ(screens(17), screens(17));
  EXPECT_NE(screens(17), screens(18));
}

TEST_F(DealTest, SeedIsSecondTimesMinuteTimesHourPlusOne) {
  // 30 x 10 x 3 and 45 x 4 x 5 both give 900; a seed of 0 whenever the minute is 0.
  auto first_screen = [this](int s, int m, int h) {
    platform.second = s;
    platform.minute = m;
    platform.hour = h;
    Form1& f = Start(NumberedList(60));
    std::vector<int> shown;
    for (int i = 0; i < f.NumDef; ++i) shown.push_back(f.EntradaEnCaja(2, i));
    return shown;
  };
  EXPECT_EQ(first_screen(30, 10, 2), first_screen(45, 4, 4));
  EXPECT_EQ(first_screen(59, 0, 23), first_screen(0, 33, 7));
  EXPECT_NE(first_screen(30, 10, 2), first_screen(30, 10, 3));
}

TEST_F(DealTest, NewScreenClearsJoinsMarksAndSelection) {
  Form1& f = Start(NumberedList(20));
  f.TbPal[1].BackColor = kRed;
  f.TbDef[2].BackColor = kCyan;
  f.Line1[3] = Line{.X1 = 4000, .Y1 = 10, .X2 = 4500, .Y2 = 20, .Visible = true};
  f.Uniones(1, 3) = 1;
  f.NumUniones = 1;
  f.DefSel = 3;
  f.CbSiguiente_Click();
  EXPECT_EQ(f.NumUniones, 0);
  EXPECT_EQ(f.DefSel, -1);
  EXPECT_EQ(f.Uniones(1, 3), 0);
  EXPECT_EQ(f.TbPal[1].BackColor, kWhite);
  EXPECT_EQ(f.TbDef[2].BackColor, kWhite);
  EXPECT_EQ(f.Line1[3].X1, 0);
  EXPECT_EQ(f.Line1[3].X2, 0);
  EXPECT_TRUE(f.Line1[3].Visible);  // collapsed, not hidden
}

TEST_F(DealTest, TextsAreShownTrimmed) {
  Form1& f = Start(CrLf({"P>   uno  ", "D>  def uno ", "P>dos", "D>def dos"}));
  for (int i = 0; i < f.NumPal; ++i)
    EXPECT_TRUE(f.TbPal[i].Text == "uno" || f.TbPal[i].Text == "dos");
  for (int i = 0; i < f.NumDef; ++i) EXPECT_NE(f.TbDef[i].Text.front(), ' ');
}

}  // namespace
}  // namespace glosandas::testing
