#include <sys/resource.h>

#include <csignal>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

const std::string kDefaults =
    "4 = n\xFAmero de palabras\r\n"
    "4 = n\xFAmero de glosandas \r\n"
    "True = marcar errores en rojo\r\n"
    "relieve = \xFAltimo archivo utilizado\r\n"
    "9.75 = tama\xF1o de letra\r\n";

class SettingsTest : public FormTest {
 protected:
  std::string Ini() const { return ReadBytes(folder.path() / "glosandas.ini"); }
  void WriteIni(const std::string& bytes) const { folder.Write("glosandas.ini", bytes); }
  void Close() { form->Form_QueryUnload(); }
};

TEST_F(SettingsTest, NoFileKeepsDefaultsAndClosingWritesThem) {
  Form1& f = Start(NumberedList(20));
  EXPECT_EQ(f.NumPal, 4);
  EXPECT_TRUE(f.MarcarErrores);
  EXPECT_EQ(f.TbDef[0].FontSize, 9.75f);
  Close();
  EXPECT_EQ(Ini(), kDefaults);
  WriteIni("changed");
  Close();  // a second close writes nothing
  EXPECT_EQ(Ini(), "changed");
}

TEST_F(SettingsTest, AllFiveOptionsSurviveARestart) {
  folder.Write("agua.txt", NumberedList(9));
  Form1& f = Start(NumberedList(20));
  f.MnuOpcArcLis_Click(0);
  f.MnuOpcPalLis_Click(2);
  f.MnuOpcDefLis_Click(6);
  f.MnuOpcMar_Click();
  f.MnuOpcTamLis_Click(0);
  f.MnuOpcTamLis_Click(0);
  Close();
  EXPECT_EQ(Ini(),
            "3 = n\xFAmero de palabras\r\n7 = n\xFAmero de glosandas \r\nFalse = marcar errores "
            "en rojo\r\nagua = \xFAltimo archivo utilizado\r\n11.75 = tama\xF1o de letra\r\n");

  Form1& g = Start();
  EXPECT_EQ(g.NumPal, 3);
  EXPECT_EQ(g.NumDef, 7);
  EXPECT_FALSE(g.MarcarErrores);
  EXPECT_FALSE(g.MnuOpcMar.Checked);
  EXPECT_EQ(g.Archivo, "agua");
  EXPECT_EQ(g.NumEntradas, 9);
  EXPECT_EQ(Marks(g.MnuOpcArcLis), "x.");
  EXPECT_EQ(g.TbDef[15].FontSize, 11.75f);
  EXPECT_EQ(g.MnuOpcTam.Caption, "&Tamaño de letra (11.75)");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(SettingsTest, ReadingStopsAtTheFirstBadLine) {
  struct Case {
    const char* name;
    std::string ini;
    int words, defs;
    bool marcar;
    const char* list;
    float size;
    int refusals;
  };
  folder.Write("bosque.txt", NumberedList(12));
  folder.Write("abosques.txt", NumberedList(15));
  const std::string tail = "bosque = \xFAltimo archivo utilizado\r\n12 = y\r\n";
  const Case cases[] = {
      {"counts above a 6-entry list", "8 =\r\n8 =\r\nFalse =\r\n" + tail, 4, 4, false, "abosques",
       12, 2},
      {"missing list, size still read", "5\r\n6\r\nfalso x\r\nnada\r\n13.5\r\n", 5, 6, false,
       "relieve", 13.5, 0},
      {"three lines", "2\r\n3\r\nVERDADERO x\r\n", 2, 3, true, "relieve", 9.75, 0},
      {"case-sensitive name", "2\r\n3\r\n0 x\r\nBosque\r\n20\r\n", 2, 3, false, "relieve", 20, 0},
      {"rounding ties to even", "2.5 palabras\r\n3.5\r\n-1 x\r\n", 2, 4, true, "relieve", 9.75, 0},
      {"count of 0", "0\r\n3\r\nFalse x\r\n", 4, 4, true, "relieve", 9.75, 0},
      {"count of 11 is refused, reading goes on", "11\r\n5\r\nFalse x\r\n", 4, 5, false, "relieve",
       9.75, 1},
      {"16-bit overflow", "40000\r\n3\r\n", 4, 4, true, "relieve", 9.75, 0},
      {"fewer definitions than words", "5\r\n3\r\nFalse x\r\n", 5, 5, true, "relieve", 9.75, 0},
      {"flag without blank", "2\r\n3\r\nFalse\r\n" + tail, 2, 3, true, "relieve", 9.75, 0},
      {"flag not a boolean", "2\r\n3\r\nquiza x\r\n" + tail, 2, 3, true, "relieve", 9.75, 0},
      {"size out of range", "2\r\n3\r\nFalse x\r\nbosque\r\n0\r\n", 2, 3, false, "abosques", 9.75,
       0},
      {"size too large", "2\r\n3\r\nFalse x\r\nbosque\r\n73\r\n", 2, 3, false, "abosques", 9.75, 0},
      {"UTF-8 file", "2 = número\r\n3\r\nFalse x\r\nbosque\r\n14\r\n", 2, 3, false, "abosques", 14,
       0},
      {"bare LF", "2\n3\nFalse x\nbosque\n14\n", 2, 3, false, "abosques", 14, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteIni(c.ini);
    platform.messages.clear();
    Form1& f = Start(NumberedList(6));
    EXPECT_EQ(f.NumPal, c.words);
    EXPECT_EQ(f.NumDef, c.defs);
    EXPECT_EQ(f.MarcarErrores, c.marcar);
    EXPECT_EQ(f.MnuOpcMar.Checked, c.marcar);
    EXPECT_EQ(f.Archivo, c.list);
    EXPECT_EQ(f.TbDef[7].FontSize, c.size);
    EXPECT_EQ(static_cast<int>(platform.messages.size()), c.refusals);
  }
}

TEST_F(SettingsTest, ListNameOutsideWindows1252IsKeptInUtf8) {
  folder.Write("čeština.txt", NumberedList(5));
  Form1& f = Start(NumberedList(20));
  ASSERT_EQ(f.MnuOpcArcLis[1].Caption, "čeština");
  f.MnuOpcArcLis_Click(1);
  Close();
  EXPECT_TRUE(Ini().starts_with("4 = número de palabras\r\n"));
  Form1& g = Start();
  EXPECT_EQ(g.Archivo, "čeština");
  EXPECT_EQ(g.NumEntradas, 5);
}

TEST_F(SettingsTest, FailedWriteLeavesThePreviousFileWhole) {
  WriteIni(kDefaults);
  Form1& f = Start(NumberedList(20));
  f.MnuOpcPalLis_Click(1);
  // No file may grow beyond 16 bytes: the write fails part-way, as on a full disk. Root ignores
  // permission bits, but not this limit.
  struct rlimit old_limit;
  getrlimit(RLIMIT_FSIZE, &old_limit);
  const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit limit = old_limit;
  limit.rlim_cur = 16;
  setrlimit(RLIMIT_FSIZE, &limit);
  Close();
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(Ini(), kDefaults);
  std::size_t files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
    files += !entry.is_directory();
  EXPECT_EQ(files, 2u) << "the temporary file was left behind";
}

}  // namespace
}  // namespace glosandas::testing
