#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <clocale>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

const std::string kDefaults =
    "4 = n\xFAmero de palabras\r\n4 = n\xFAmero de glosandas \r\nTrue = marcar errores en rojo\r\n"
    "relieve = \xFAltimo archivo utilizado\r\n9.75 = tama\xF1o de letra\r\nFalse = repasar "
    "fallos\r\n";

class SettingsTest : public FormTest {
 protected:
  std::string Ini() const { return ReadBytes(folder.path() / "glosandas.ini"); }
};

TEST_F(SettingsTest, ClosingWritesOnceKeepingTheFilesModeOrNothingAtAll) {
  Start(NumberedList(20)).Form_QueryUnload();
  EXPECT_EQ(Ini(), kDefaults);
  folder.Write("glosandas.ini", "changed");
  form->Form_QueryUnload();  // a second close writes nothing
  EXPECT_EQ(Ini(), "changed");

  // A settings file the user keeps private stays private when it is replaced.
  using std::filesystem::perms;
  std::filesystem::permissions(folder.path() / "glosandas.ini",
                               perms::owner_read | perms::owner_write);
  Start().Form_QueryUnload();
  EXPECT_EQ(Ini(), kDefaults);
  EXPECT_EQ(std::filesystem::status(folder.path() / "glosandas.ini").permissions(),
            perms::owner_read | perms::owner_write);
  EXPECT_TRUE(platform.messages.empty());
  // A folder in the way of the file: the rename fails, nothing is left behind. (A full disk and a
  // file-size limit are tried on the real program.)
  std::filesystem::remove(folder.path() / "glosandas.ini");
  std::filesystem::create_directory(folder.path() / "glosandas.ini");
  Start().Form_QueryUnload();
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

// Every case of readings.txt: the options in force after start-up, and the boxes it showed. The
// file is the same on a Spanish desktop, whose decimal comma must not change how it reads.
TEST_F(SettingsTest, ReadingStopsAtTheFirstBadLine) {
  folder.Write("abosques.txt", NumberedList(15));
  folder.Write("bosque.txt", NumberedList(12));
  folder.Write("seto.txt", NumberedList(3));
  const auto rows = DataRows(GLOSANDAS_READINGS);
  for (const char* locale : {"C", "es_ES.UTF-8"}) {
    ASSERT_TRUE(std::setlocale(LC_ALL, locale)) << locale << ": ./scripts/test generates it";
    for (const std::vector<std::string>& c : rows) {
      SCOPED_TRACE(std::string(locale) + ": " + c[0]);
      folder.Write("glosandas.ini", Bytes(c[1]));
      platform.messages.clear();
      std::filesystem::remove(folder.path() / "relieve.txt");
      Form1& f = c[8] != "0" ? Start(NumberedList(std::stoi(c[8]))) : Start();
      EXPECT_EQ(std::to_string(f.NumPal) + " " + std::to_string(f.NumDef), c[2] + " " + c[3]);
      EXPECT_EQ(f.MarcarErrores, c[4] == "true");
      EXPECT_EQ(f.MnuOpcMar.Checked, c[4] == "true");
      EXPECT_EQ(f.Archivo, c[5]);
      EXPECT_EQ(ShortestText(f.TbDef[7].FontSize), c[6]);
      EXPECT_EQ(std::to_string(platform.messages.size()), c[7]);
      EXPECT_EQ(f.RepasarFallos, c[9] == "true");
      EXPECT_EQ(f.MnuProRep.Checked, f.RepasarFallos);
    }
  }
  std::setlocale(LC_ALL, "C");
  EXPECT_GT(rows.size(), 15u);  // the table was found
}

// A name Windows-1252 cannot hold is kept in UTF-8; a name written in Windows-1252 on the disk
// reads as the learner reads it. Both are restored at the next start.
TEST_F(SettingsTest, ListNamesOfAnyEncodingAreRestored) {
  const std::pair<std::string, std::string> names[] = {{"čeština", "čeština"},
                                                       {"ca\xF1on", "cañon"}};
  for (const auto& [file, shown] : names) {
    SCOPED_TRACE(shown);
    folder.Write(file + ".txt", NumberedList(5));
    Form1& f = Start(NumberedList(20));
    const int k = f.MnuOpcArcLis[0].Caption == "relieve" ? 1 : 0;
    ASSERT_EQ(f.MnuOpcArcLis[k].Caption, shown);
    ASSERT_TRUE(f.MnuOpcArcLis_Click(static_cast<Int>(k)));
    f.Form_QueryUnload();
    EXPECT_TRUE(Ini().starts_with("4 = n\xFAmero de palabras\r\n") ||
                Ini().starts_with("4 = número de palabras\r\n"));
    Form1& g = Start();
    EXPECT_EQ(g.Archivo, shown);
    EXPECT_EQ(g.NumEntradas, 5);
    std::filesystem::remove(folder.path() / (file + ".txt"));
  }
}

// Temporary files left by killed saves go at the next start, unless a running save holds one;
// the user's own files, hidden copies included, always stay.
TEST_F(SettingsTest, LeftoversOfKilledSavesGoAtTheNextStart) {
  const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::minutes(2);
  struct Case {
    const char* name;
    bool locked, aged, removed;
  };
  const Case cases[] = {{".glosandas-temporal-a1B2c3", false, false, true},
                        {".glosandas-temporal-d4E5f6", true, false, false},
                        {".glosandas-temporal-g7H8i9", true, true, true},
                        {".glosandas-temporal-copia", false, true, false},
                        {".glosandas.ini.j1K2l3", false, true, false},
                        {"lists/.glosandas-temporal-m1N2o3", false, false, true},
                        {"lists/.frutas.txt.backup", false, true, false},
                        {"lists/.frutas.txt.copia1", false, true, false}};
  std::vector<int> fds;
  for (const Case& c : cases) {
    folder.Write(c.name, "x");
    if (c.aged) std::filesystem::last_write_time(folder.path() / c.name, old);
    if (c.locked) fds.push_back(open((folder.path() / c.name).c_str(), O_RDONLY));
    if (c.locked) flock(fds.back(), LOCK_EX);
  }
  Start(NumberedList(5));
  for (int fd : fds) close(fd);
  for (const Case& c : cases) EXPECT_EQ(!exists(folder.path() / c.name), c.removed) << c.name;
}

// A settings file kept elsewhere through a link stays a link, whatever the length of its name; a
// dangling one is left alone.
TEST_F(SettingsTest, ALinkedSettingsFileStaysALink) {
  std::filesystem::create_directory(folder.path() / "nube");
  const std::string target = "nube/" + std::string(251, 'o') + ".ini";
  folder.Write(target, kDefaults);
  std::filesystem::create_symlink(target, folder.path() / "glosandas.ini");
  Start(NumberedList(20)).MnuOpcPalLis_Click(5);
  form->Form_QueryUnload();
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "glosandas.ini"));
  EXPECT_TRUE(ReadBytes(folder.path() / target).starts_with("6 = "));
  std::filesystem::remove(folder.path() / target);
  Start().Form_QueryUnload();
  EXPECT_TRUE(std::filesystem::is_symlink(folder.path() / "glosandas.ini"));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "nube"));
}

}  // namespace
}  // namespace glosandas::testing
