#include "form_fixture.h"
#include "wordlists/readers.h"

namespace glosandas::testing {
namespace {

using ImportTest = FormTest;

std::string Kvtml(const std::string& entries, const std::string& doctype = "") {
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n" + doctype +
         "<kvtml version=\"2.0\"><identifiers><identifier id=\"0\"/></identifiers><entries>" +
         entries + "</entries></kvtml>\n";
}

// Each format and code page, written here from the formats' public descriptions.
TEST_F(ImportTest, ReadsEveryFormat) {
  struct Case {
    const char* file;
    std::string bytes;
    std::size_t entries;
    std::string word, definition;  // of the first entry
  };
  const std::string bomb =
      "<!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>";
  const Case cases[] = {
      {"a.tsv",
       "#separator:tab\n#columns:Front\tBack\n#html:true\ngato\t<b>Animal</b> "
       "dom\xC3\xA9stico<br>que<div>ma\xC3\xBAlla</div>"
       "<p>&amp; caza</p>&nbsp;\textra\nperro\tLadra\n",
       2, "gato", "Animal doméstico que maúlla & caza"},
      {"b.tab", std::string("\xFF\xFEg\0a\0t\0o\0\t\0m\0i\0a\0u\0\r\0\n\0", 22), 1, "gato", "miau"},
      {"c.csv",
       "Palabra;Definici\xF3n\r\nca\xF1\xF3n;\"Valle \"\"hondo\"\",\r\nestrecho\"\r\n;sin "
       "palabra\r\n"
       "r\xEDo;Corriente\r\n",
       2, "cañón", "Valle \"hondo\", estrecho"},
      {"d.csv", "\xEF\xBB\xBFterm,definition\nisla,\"Tierra; rodeada\"\nmar,Agua\n", 2, "isla",
       "Tierra; rodeada"},
      {"e.csv", "a;\"b,\tc\"\nd;e,f\n", 2, "a", "b, c"},  // a tie goes to ';'
      {"f.kvtml",
       Kvtml("<entry id=\"0\"><translation id=\"0\"><text>casa</text></translation>"
             "<translation id=\"1\"><text>Edificio\n para vivir</text></translation></entry>"
             "<entry id=\"1\"><translation id=\"0\"><text>solo</text><comment>Sin nadie</comment>"
             "</translation></entry><entry id=\"2\"><translation id=\"0\"><text>nada</text>"
             "</translation></entry><entry><translation><text>eco</text><pronunciation>e-co"
             "</pronunciation></translation></entry>"),
       2, "casa", "Edificio  para vivir"},
      {"g.kvtml",
       Kvtml("<entry><translation><text>&d;</text></translation><translation><text>x</text>"
             "</translation></entry><entry><translation><text>y</text></translation>"
             "<translation><text>z</text></translation></entry>",
             bomb),
       0, "", ""},  // libxml2 refuses the entities' blow-up: the document yields nothing
      {"h.txt", "P>a\r\nD>b\r\n", 1, "a", "b"},
      {"k.tsv", "#html:false\na\tb\n#1\tthe first\n", 2, "a", "b"},  // then "#" starts a word
      {"i.pdf", "P>a\r\nD>b\r\n", 0, "", ""},
      {"j.kvtml", "\x89PNG\r\n\x1A\n\0\0", 0, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    folder.Write(c.file, c.bytes);
    const std::vector<Entrada> entries = ReadAnyList(folder.path() / c.file);
    ASSERT_EQ(entries.size(), c.entries);
    if (c.entries == 0) continue;
    EXPECT_EQ(entries[0].Palabra, c.word);
    EXPECT_EQ(entries[0].Definicion, c.definition);
  }
}

// Imported lists land in the user's folder under their own name, once, and become the list in
// force; a file without entries changes nothing.
TEST_F(ImportTest, ImportedListsAreSavedOnceAndChosen) {
  folder.Write("relieve.txt", NumberedList(20));
  folder.Write("zeta.txt", NumberedList(5));
  Form1& f = Start();
  folder.Write("frutas.csv", "manzana;Fruta del manzano\r\npera;Fruta del peral\r\n");
  folder.Write("vacia.tsv", "#html:true\n");
  ASSERT_TRUE(f.ImportLists({folder.path() / "vacia.tsv", folder.path() / "frutas.csv"}));
  EXPECT_EQ(platform.messages.size(), 1u);
  EXPECT_NE(platform.messages[0].text.find("\"vacia.tsv\" no contiene ninguna entrada"),
            std::string::npos);
  EXPECT_EQ(ReadBytes(folder.path() / "lists/frutas.txt"),
            "P>manzana\r\nD>Fruta del manzano\r\nP>pera\r\nD>Fruta del peral\r\n");
  EXPECT_EQ(f.Archivo, "frutas");
  EXPECT_EQ(f.NumEntradas, 2);
  EXPECT_EQ(Marks(f.MnuOpcArcLis), "x..");
  EXPECT_EQ(f.MnuOpcArcLis[2].Caption, "zeta");

  f.ImportLists({folder.path() / "frutas.csv"});  // the same entries: not stored twice
  folder.Write("otra/frutas.tsv", "");
  folder.Write("otra/frutas.tsv", "kiwi\tFruta peluda \xE2\x82\xAC\xE2\x80\x8B\n");
  f.ImportLists({folder.path() / "otra/frutas.tsv"});
  EXPECT_EQ(f.Archivo, "frutas (2)");
  EXPECT_EQ(Marks(f.MnuOpcArcLis), "x...");  // "frutas (2).txt" sorts before "frutas.txt"
  EXPECT_TRUE(ReadBytes(folder.path() / "lists/frutas (2).txt").starts_with("\xEF\xBB\xBFP>kiwi"));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() / "lists"), {}), 2);

  platform.messages.clear();
  EXPECT_FALSE(f.ImportLists({folder.path() / "vacia.tsv"}));
  EXPECT_EQ(f.Archivo, "frutas (2)");
}

// A huge file that yields nothing more is read only so far past its last entry.
TEST_F(ImportTest, HugeFilesAreNotReadToTheEnd) {
  for (const char* name : {"grande.csv", "grande.kvtml"}) {
    SCOPED_TRACE(name);
    folder.Write(name, std::string(name).ends_with(".csv") ? "a;b\n" : Kvtml("").substr(0, 60));
    std::filesystem::resize_file(folder.path() / name, 1ull << 30);  // sparse: zeros
    const long long before = BytesRead();
    ReadAnyList(folder.path() / name);
    EXPECT_LT(BytesRead() - before, (1 << 20) + (128 << 10));  // 1 MiB and a buffer
  }
}

}  // namespace
}  // namespace glosandas::testing
