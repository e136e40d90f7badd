#include "form_fixture.h"

namespace glosandas::testing {
namespace {

// A font that shows only quarter points below 1.5 points, as a real screen rounds to pixels.
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
  EXPECT_EQ(f.TbDef[0].FontSize, 8.75f);
  for (const TextBox& box : f.TbDef) EXPECT_EQ(box.FontSize, 8.75f);  // hidden ones too
  for (const TextBox& box : f.TbPal) EXPECT_EQ(box.FontSize, 12);
  EXPECT_EQ(f.TbTam[0].FontSize, 9.75f);
  EXPECT_TRUE(f.TbTam[0].Enabled && f.TbTam[1].Enabled);

  for (int i = 0; i < 20; ++i) f.TbTam_Click(1);
  EXPECT_EQ(f.TbDef[0].FontSize, 1.75f);  // 0.75 would show below a point
  for (int i = 0; i < 100; ++i) f.MnuOpcTamLis_Click(0);
  EXPECT_EQ(f.TbDef[0].FontSize, 72.75f);  // from 71.75 one step above the bound, then no more
  f.TbDef[0].FontSize = 72;
  f.MnuOpcTamLis_Click(0);
  EXPECT_EQ(f.TbDef[0].FontSize, 72);
  EXPECT_EQ(f.TbDef[9].FontSize, 72.75f);  // nothing copied when nothing changed
}

}  // namespace
}  // namespace glosandas::testing
