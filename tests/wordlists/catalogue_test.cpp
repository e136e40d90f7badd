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
  folder.Write("agua.txt", CrLf({"P>r\xEDo", "D>Corriente", "P>lago", "D>Agua quieta"}));
  folder.Write("MAYUS.TXT", NumberedList(6));
  folder.Write("notas.txt", "sin marca\r\nP>a\r\n");
  folder.Write("vacio.txt", "");
  folder.Write("sierra_relieve.txt", "texto > con marca\r\n" + NumberedList(5));
  folder.Write("otra.csv", NumberedList(5));
  std::filesystem::create_directory(folder.path() / "x.txt");
  Form1& f = Start();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"agua", "MAYUS", "relieve", "sierra_relieve"}));
  EXPECT_EQ(Marks(f.MnuOpcArcLis), "..xx");  // every "elieve" at start

  EXPECT_TRUE(f.MnuOpcArcLis_Click(0));
  EXPECT_EQ(Marks(f.MnuOpcArcLis), "x...");
  EXPECT_EQ(f.Archivo, "agua");
  EXPECT_EQ(f.NumDef, 2);  // lowered to the list before the final deal
  std::vector<std::string> words = {f.TbPal[0].Text, f.TbPal[1].Text};
  std::sort(words.begin(), words.end());
  EXPECT_EQ(words, (std::vector<std::string>{"lago", "río"}));
  EXPECT_TRUE(f.MnuOpcArcLis_Click(1));
  EXPECT_EQ(f.NumEntradas, 6);
}

TEST_F(CatalogueTest, AListGoneSinceStartUpKeepsTheOneInForce) {
  folder.Write("relieve.txt", NumberedList(20));
  folder.Write("agua.txt", NumberedList(3));
  Form1& f = Start();
  std::filesystem::remove(folder.path() / "agua.txt");
  EXPECT_FALSE(f.MnuOpcArcLis_Click(0));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(f.Archivo, "relieve");
  EXPECT_EQ(Marks(f.MnuOpcArcLis), ".x");
  EXPECT_EQ(f.NumEntradas, 20);
}

TEST_F(CatalogueTest, FolderWithoutListsKeepsTheDesignItem) {
  Start();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"&Relieve"}));
}

}  // namespace
}  // namespace glosandas::testing
