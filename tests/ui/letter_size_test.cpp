#include "form_fixture.h"

namespace glosandas::testing {
namespace {

// A font that shows 0.75 points for anything below 1.5, as a screen rounds sizes to pixels.
class RoundingPlatform : public RecordingPlatform {
 public:
  float FontSizeShown(float points) override { return points < 1.5f ? 0.75f : points; }
};

TEST(LetterSizeTest, StepsBoundsAndEveryDefinitionBox) {
  TempFolder folder;
  folder.Write("relieve.txt", NumberedList(20));
  RoundingPlatform platform;
  platform.folder = folder.path();
  Form1 f(platform);
  f.Form_Load();
  EXPECT_EQ(f.MnuOpcTam.Caption, "&Tamaño de letra (10)");  // the design caption stays
  f.TbTam_Click(0);
  EXPECT_EQ(f.MnuOpcTam.Caption, "&Tamaño de letra (10.75)");
  f.MnuOpcTamLis_Click(1);
  f.MnuOpcTamLis_Click(1);
  for (const TextBox& box : f.TbDef) EXPECT_EQ(box.FontSize, 8.75f);  // hidden ones too
  EXPECT_EQ(f.TbPal[15].FontSize, 12);
  EXPECT_EQ(f.TbTam[0].FontSize, 9.75f);
  EXPECT_TRUE(f.TbTam[0].Enabled && f.TbTam[1].Enabled);

  for (int i = 0; i < 20; ++i) f.TbTam_Click(1);
  EXPECT_EQ(f.TbDef[0].FontSize, 1.75f);  // 0.75 would show below a point
  for (int i = 0; i < 100; ++i) f.MnuOpcTamLis_Click(0);
  EXPECT_EQ(f.TbDef[0].FontSize, 72.75f);  // one step from 71.75, then no more
}

}  // namespace
}  // namespace glosandas::testing
