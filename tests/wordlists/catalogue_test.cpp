#include <sys/stat.h>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

class CatalogueTest : public FormTest {
 protected:
  std::vector<std::string> Captions() const {
    std::vector<std::string> captions;
    for (const MenuItem& item : form->MnuOpcArcLis) captions.push_back(item.Caption);
    return captions;
  }
};

TEST_F(CatalogueTest, ListsEveryWordListOfTheFolder) {
  folder.Write("relieve.txt", NumberedList(20));
  folder.Write("agua.txt", CrLf({"P>r\xEDo", "D>Corriente de agua", "P>lago", "D>Agua quieta"}));
  folder.Write("MAYUS.TXT", NumberedList(6));
  folder.Write("notas.txt", "sin marca\r\nP>a\r\n");
  folder.Write("vacio.txt", "");
  folder.Write("sierra_relieve.txt", "texto > con marca\r\n" + NumberedList(5));
  folder.Write("otra.csv", NumberedList(5));
  std::filesystem::create_directory(folder.path() / "x.txt");
  mkfifo((folder.path() / "tubo.txt").c_str(), 0600);
  Form1& f = Start();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"agua", "MAYUS", "relieve", "sierra_relieve"}));
  EXPECT_EQ(Marks(f.MnuOpcArcLis), "..xx");  // every "elieve" at start

  EXPECT_TRUE(f.MnuOpcArcLis_Click(0));
  EXPECT_EQ(Marks(f.MnuOpcArcLis), "x...");
  EXPECT_EQ(f.Archivo, "agua");
  EXPECT_EQ(f.NumEntradas, 2);
  // The list is shorter than the counts: they come down before the final deal.
  EXPECT_EQ(f.NumPal, 2);
  EXPECT_EQ(f.NumDef, 2);
  EXPECT_EQ(Marks(f.MnuOpcDefLis), "-x........");
  std::vector<std::string> words = {f.TbPal[0].Text, f.TbPal[1].Text};
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (std::vector<std::string>{"lago", "río"}));
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CatalogueTest, FolderWithoutListsKeepsTheDesignItem) {
  Form1& f = Start();  // no relieve.txt either
  EXPECT_EQ(Captions(), (std::vector<std::string>{"&Relieve"}));
  EXPECT_EQ(platform.messages.size(), 1u);  // the default list is missing
  EXPECT_EQ(f.NumEntradas, 0);
}

TEST_F(CatalogueTest, ListGoneSinceStartUpKeepsTheOneInForce) {
  folder.Write("relieve.txt", NumberedList(20));
  folder.Write("agua.txt", NumberedList(3));
  Form1& f = Start();
  std::filesystem::remove(folder.path() / "agua.txt");
  EXPECT_FALSE(f.MnuOpcArcLis_Click(0));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Error");
  EXPECT_EQ(f.Archivo, "relieve");
  EXPECT_EQ(Marks(f.MnuOpcArcLis), ".x");
  EXPECT_EQ(f.NumEntradas, 20);
  EXPECT_EQ(f.NumPal, 4);
}

}  // namespace
}  // namespace glosandas::testing
