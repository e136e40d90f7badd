#include "form_fixture.h"

namespace glosandas::testing {
namespace {

class PlacementTest : public FormTest {
 protected:
  // Deals words/defs with COMPROBAR at `button_top` and gives the tops of boxes from..to-1.
  std::vector<float> Tops(int words, int defs, float button_top, bool definitions, int from,
                          int to) {
    Form1& f = form ? *form : Start(NumberedList(20));
    f.MnuOpcPalLis_Click(static_cast<Int>(words - 1));
    f.MnuOpcDefLis_Click(static_cast<Int>(defs - 1));
    f.CbComprobar.Top = button_top;
    f.NuevaPantalla();
    std::vector<float> tops;
    for (int i = from; i < to; ++i) tops.push_back((definitions ? f.TbDef : f.TbPal)[i].Top);
    return tops;
  }
};

TEST_F(PlacementTest, SpreadsEachColumnOverTheBand) {
  using V = std::vector<float>;
  EXPECT_EQ(Tops(4, 4, 7300, true, 0, 4), (V{2167, 4734, 2167, 4734}));  // 4700 / 3 = 1566.67
  EXPECT_EQ(Tops(4, 4, 7300, false, 0, 4), (V{1540, 2980, 4420, 5860}));
  // A short window: negative gaps, (2400 - 5000) / 6 = -433.3 and (2400 - 5000) / 11 = -236.4.
  EXPECT_EQ(Tops(10, 10, 3000, true, 0, 3), (V{167, 734, 1301}));
  EXPECT_EQ(Tops(10, 10, 3000, false, 1, 2), (V{628}));
  // One definition stands alone in the right column; halves go to the even neighbour:
  // (6701 - 1000) / 2 = 2850.5 -> 2850 and (6703 - 1000) / 2 = 2851.5 -> 2852.
  EXPECT_EQ(Tops(1, 1, 7301, true, 0, 1), (V{3450}));
  EXPECT_EQ(form->TbDef[0].Left, kDefRightColumn);
  EXPECT_EQ(Tops(1, 1, 7303, true, 0, 1), (V{3452}));
}

TEST_F(PlacementTest, ColumnSplitRoundsHalvesToEven) {
  Form1& f = Start(NumberedList(20));
  const int left_of[11] = {0, 0, 1, 2, 2, 2, 3, 4, 4, 4, 5};
  for (int defs = 1; defs <= 10; ++defs) {
    f.MnuOpcPalLis_Click(0);
    f.MnuOpcDefLis_Click(static_cast<Int>(defs - 1));
    for (int i = 0; i < defs; ++i) {
      EXPECT_EQ(f.TbDef[i].Left, i < left_of[defs] ? kDefLeftColumn : kDefRightColumn) << defs;
    }
  }
}

TEST_F(PlacementTest, VeryTallWindowStaysInSixteenBits) {
  platform.maximized_height = 200000;
  Form1& f = Start(NumberedList(20));
  EXPECT_NO_THROW(f.MnuOpcDefLis_Click(9));
  EXPECT_GT(f.TbDef[9].Top, 20000);
  EXPECT_LE(f.TbDef[9].Top, 32767);
}

// The maximised height granted only once the window shows: the first screen is placed again for
// it, without a new deal, unless the learner has touched it or restored the window.
TEST_F(PlacementTest, FirstScreenFollowsTheMaximisedHeightUntilTouched) {
  const struct {
    const char* name;
    std::vector<Int> words, definitions;  // boxes clicked
    bool restored;
    bool placed;
  } cases[] = {
      {"untouched", {}, {}, false, true},
      {"selected", {0}, {}, false, false},
      {"joined", {0}, {0}, false, false},
      {"restored", {}, {}, true, false},
  };
  for (const auto& c : cases) {
    platform.maximized_height = 12000;
    Form1& f = Start(NumberedList(20));
    const float top = f.TbPal[1].Top;
    const std::string dealt = f.TbPal[1].Text;
    for (Int i : c.words) f.TbPal_Click(i);
    for (Int i : c.definitions) f.TbDef_Click(i);
    if (c.restored) f.WindowResized(true, false);
    platform.maximized_height = 9000;
    f.WindowResized(true, true);
    EXPECT_EQ(f.TbPal[1].Top != top, c.placed) << c.name;
    EXPECT_EQ(f.TbPal[1].Text, dealt) << c.name;
  }
}

}  // namespace
}  // namespace glosandas::testing
