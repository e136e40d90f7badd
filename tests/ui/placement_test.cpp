#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using PlacementTest = FormTest;

std::vector<float> Tops(const std::vector<TextBox>& boxes, int from, int to) {
  std::vector<float> tops;
  for (int i = from; i < to; ++i) tops.push_back(boxes[i].Top);
  return tops;
}

TEST_F(PlacementTest, DesignSizeScreenOfFourAndFour) {
  Form1& f = Start(NumberedList(20));
  f.CbComprobar.Top = 7300;
  f.NuevaPantalla();
  EXPECT_EQ(Tops(f.TbDef, 0, 4), (std::vector<float>{2167, 4734, 2167, 4734}));
  EXPECT_EQ(Tops(f.TbPal, 0, 4), (std::vector<float>{1540, 2980, 4420, 5860}));
  EXPECT_EQ(f.TbDef[1].Left, kDefLeftColumn);
  EXPECT_EQ(f.TbDef[2].Left, kDefRightColumn);
  EXPECT_EQ(f.TbPal[3].Left, kPalLeft);
}

TEST_F(PlacementTest, ColumnSplitRoundsHalvesToEven) {
  Form1& f = Start(NumberedList(20));
  const int left_of[11] = {0, 0, 1, 2, 2, 2, 3, 4, 4, 4, 5};
  for (int defs = 1; defs <= 10; ++defs) {
    f.NumPal = 1;
    f.NumDef = static_cast<Int>(defs);
    f.NuevaPantalla();
    int left = 0;
    for (int i = 0; i < defs; ++i) left += f.TbDef[i].Left == kDefLeftColumn;
    EXPECT_EQ(left, left_of[defs]) << defs;
    for (int i = 0; i < defs; ++i) EXPECT_EQ(f.TbDef[i].Left == kDefLeftColumn, i < left) << defs;
  }
}

TEST_F(PlacementTest, GapsAboveAndBelowASingleDefinition) {
  Form1& f = Start(NumberedList(20));
  f.CbComprobar.Top = 7301;
  f.NumPal = f.NumDef = 1;
  f.NuevaPantalla();
  const float above = f.TbDef[0].Top - 600;
  const float below = 7301 - (f.TbDef[0].Top + 1000);
  EXPECT_EQ(f.TbDef[0].Left, kDefRightColumn);
  EXPECT_LE(std::abs(above - below), 1);
}

TEST_F(PlacementTest, ShortWindowGivesNegativeGaps) {
  Form1& f = Start(NumberedList(20));
  f.CbComprobar.Top = 3000;  // band of 2400 for five boxes of 1000 per column
  f.NumPal = f.NumDef = 10;
  f.NuevaPantalla();
  // G = (2400 - 5000) / 6 = -433.3 -> -433; tops 600 - 433 + i * (1000 - 433)
  EXPECT_EQ(Tops(f.TbDef, 0, 3), (std::vector<float>{167, 734, 1301}));
  // G = (2400 - 5000) / 11 = -236.4 -> -236
  EXPECT_EQ(f.TbPal[1].Top, 600 - 236 + 264);
}

TEST_F(PlacementTest, ResizeMovesOnlyTheButtons) {
  Form1& f = Start(NumberedList(20));
  EXPECT_EQ(f.CbComprobar.Top, platform.maximized_height - 1600);  // first screen maximised
  const std::vector<float> before = Tops(f.TbDef, 0, 4);
  platform.maximized_height = 15000;
  f.Form_Resize();
  EXPECT_EQ(f.CbComprobar.Top, 13400);
  EXPECT_EQ(f.CbSiguiente.Top, 13400);
  EXPECT_EQ(f.CbVer.Top, 13400);
  EXPECT_EQ(Tops(f.TbDef, 0, 4), before);
  f.CbSiguiente_Click();
  EXPECT_GT(f.TbDef[1].Top, before[1]);
}

TEST_F(PlacementTest, VeryTallWindowStaysInSixteenBits) {
  platform.maximized_height = 200000;
  Form1& f = Start(NumberedList(20));
  f.NumPal = f.NumDef = 1;
  EXPECT_NO_THROW(f.NuevaPantalla());
  EXPECT_LE(f.TbDef[0].Top + f.TbDef[0].Height, 32767 + 1000);
  EXPECT_GT(f.TbDef[0].Top, 10000);
}

TEST_F(PlacementTest, TabOrderAlternatesWordsAndDefinitions) {
  Form1& f = Start(NumberedList(20));
  for (int i = 0; i < kNumBoxes; ++i) {
    EXPECT_EQ(f.TbPal[i].TabIndex, 2 * i);
    EXPECT_EQ(f.TbDef[i].TabIndex, 2 * i + 1);
  }
  EXPECT_EQ(f.TbInstruc.TabIndex, 32);
  EXPECT_EQ(f.CbComprobar.TabIndex, 33);
  EXPECT_EQ(f.CbVer.TabIndex, 35);
  EXPECT_EQ(f.TbTam[1].TabIndex, 37);
}

}  // namespace
}  // namespace glosandas::testing
