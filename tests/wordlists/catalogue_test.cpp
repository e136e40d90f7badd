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
  folder.Write(".oculta.txt", NumberedList(3));
  folder.Write("larga.txt", std::string(64 * 1024, 'x') + ">\r\n" + NumberedList(3));  // too far
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
  EXPECT_FALSE(f.MnuOpcArcLis_Click(4));  // no such item
}

// A list that cannot be opened or holds no entry is refused: the list in force, its menu mark
// and its screen stay.
TEST_F(CatalogueTest, AListThatYieldsNoEntryKeepsTheOneInForce) {
  folder.Write("relieve.txt", NumberedList(20));
  folder.Write("agua.txt", NumberedList(3));
  Form1& f = Start();
  const std::string words = f.TbPal[0].Text + f.TbPal[3].Text;
  std::filesystem::remove(folder.path() / "agua.txt");
  EXPECT_FALSE(f.MnuOpcArcLis_Click(0));
  folder.Write("agua.txt", CrLf({"lista > sin palabras", "D>nada", " P>tampoco"}));
  EXPECT_FALSE(f.MnuOpcArcLis_Click(0));
  EXPECT_EQ(
      platform.messages[1].text,
      "El archivo de glosandas \"agua.txt\" no contiene ninguna entrada: ninguna l\xC3\xADnea "
      "empieza por \"P>\".");
  EXPECT_EQ(platform.messages.size(), 2u);
  EXPECT_EQ(f.Archivo, "relieve");
  EXPECT_EQ(Marks(f.MnuOpcArcLis), ".x");
  EXPECT_EQ(f.NumEntradas, 20);
  EXPECT_EQ(f.TbPal[0].Text + f.TbPal[3].Text, words);
  EXPECT_EQ(f.Entradas(1).Palabra, "palabra1");
}

TEST_F(CatalogueTest, FolderWithoutListsKeepsTheDesignItem) {
  Start();
  EXPECT_EQ(Captions(), (std::vector<std::string>{"&Relieve"}));
}

}  // namespace
}  // namespace glosandas::testing
