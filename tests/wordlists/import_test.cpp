#include <sys/stat.h>

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

std::string Utf16Le(const std::string& ascii) {
  std::string out = "\xFF\xFE";
  for (char c : ascii) out += std::string{c, '\0'};
  return out;
}

std::string Rows(int n, const char* separator) {
  std::string out;
  for (int k = 1; k <= n; ++k) out += "w" + std::to_string(k) + separator + "d\n";
  return out;
}

// Each format and code page, and the files teachers were seen to have, written here from the
// formats' public descriptions: what is read (an entry, by its place) and how the reading went.
TEST_F(ImportTest, ReadsEveryFormat) {
  using R = ReadResult;
  struct Case {
    const char* file;
    std::string bytes;
    R::Outcome outcome;
    std::size_t entries, at;  // entries read; which one is checked
    std::string word, definition;
    std::size_t held = 0;
  };
  const std::string bomb =
      "<!DOCTYPE kvtml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
      "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;\">]>";
  const Case cases[] = {
      {"a.tsv",
       "#separator:tab\n#columns:Front\tBack\n#html:true\ngato\t<b>Animal</b> "
       "dom\xC3\xA9stico<br>que<div>ma\xC3\xBAlla</div>"
       "<p>&amp; caza</p>&nbsp;\textra\nperro\tLadra\n",
       R::kRead, 2, 0, "gato", "Animal doméstico que maúlla & caza"},
      {"b.tab", std::string("\xFF\xFEg\0a\0t\0o\0\t\0m\0i\0a\0u\0\r\0\n\0", 22), R::kRead, 1, 0,
       "gato", "miau"},
      // A lone surrogate in UTF-16 is a replacement character; the text goes on after it.
      {"solo.tab", std::string("\xFF\xFEg\0\t\0m\0\x00\xD8u\0\n\0", 14), R::kRead, 1, 0, "g",
       "m\xEF\xBF\xBDu"},
      {"c.csv",
       "Palabra;Definici\xF3n\r\nca\xF1\xF3n;\"Valle \"\"hondo\"\",\r\nestrecho\"\r\n;sin "
       "palabra\r\nr\xEDo;Corriente\r\n",
       R::kRead, 2, 0, "cañón", "Valle \"hondo\", estrecho"},
      {"d.csv", "\xEF\xBB\xBFterm,definition\nisla,\"Tierra; rodeada\"\nmar,Agua\n", R::kRead, 2, 0,
       "isla", "Tierra; rodeada"},
      {"e.csv", "a;\"b,\tc\"\nd;e,f\n", R::kRead, 2, 0, "a", "b, c"},  // a tie goes to ';'
      {"f.kvtml",
       Kvtml("<entry id=\"0\"><translation id=\"0\"><text>casa</text></translation>"
             "<translation id=\"1\"><text>Edificio\n para vivir</text></translation></entry>"
             "<entry id=\"1\"><translation id=\"0\"><text>solo</text><comment>Sin nadie</comment>"
             "</translation></entry><entry id=\"2\"><translation id=\"0\"><text>nada</text>"
             "</translation></entry><entry><translation><text>eco</text><pronunciation>e-co"
             "</pronunciation></translation></entry>"),
       R::kRead, 2, 1, "solo", "Sin nadie"},
      {"g.kvtml",
       Kvtml("<entry><translation><text>&d;</text></translation><translation><text>x</text>"
             "</translation></entry><entry><translation><text>y</text></translation>"
             "<translation><text>z</text></translation></entry>",
             bomb),
       R::kNoEntry, 0, 0, "", ""},  // libxml2 refuses the entities' blow-up
      {"h.txt", "P>a\r\nD>b\r\n", R::kRead, 1, 0, "a", "b"},
      {"k.tsv", "#html:false\na\tb\n#1\tthe first\n", R::kRead, 2, 1, "#1", "the first"},
      {"i.pdf", "P>a\r\nD>b\r\n", R::kNoEntry, 0, 0, "", ""},
      {"j.kvtml", "\x89PNG\r\n\x1A\n\0\0", R::kNoEntry, 0, 0, "", ""},
      // A long quoted field keeps the rows after it.
      {"largo.csv", "a;\"" + std::string(9000, 'x') + "\"\nb;c\n", R::kRead, 2, 1, "b", "c"},
      // A quote that does not open a field is an ordinary character.
      {"pulgada.csv", "pulgada;Se escribe 1\" o 1 in\nmetro;m\n", R::kRead, 2, 0, "pulgada",
       "Se escribe 1\" o 1 in"},
      {"abierta.csv", "\"abierta;sin cerrar\nb;c\n", R::kRead, 2, 0, "\"abierta", "sin cerrar"},
      {"pulgada.tsv", "metro\tm\npulgada\t1\" o 1 in\n", R::kRead, 2, 1, "pulgada", "1\" o 1 in"},
      // Angle brackets are text unless the field is HTML; then only formatting tags go.
      {"menor.csv", "menor;Se escribe a<b\npez;El plural de <pez> es <peces>\n", R::kRead, 2, 1,
       "pez", "El plural de <pez> es <peces>"},
      {"html.csv",
       "menor;Se escribe a<b\nb;\"<I>negrita</I> &lt;&#233;&#xF1; <pez><br>[sound:x.mp3]"
       "<img src=\"\"a.png\"\">fin\"\n",
       R::kRead, 2, 1, "b", "negrita <éñ <pez> fin"},
      {"letra.tsv", "#html:true\nvocal\tla <a> y <a href=\"x\">un enlace</a> &amp;\n", R::kRead, 1,
       0, "vocal", "la <a> y un enlace &"},
      // A first row of column or language names is no entry; any other row is one.
      {"idiomas.csv", "\xC3\x89spa\xC3\xB1ol;INGL\xC3\x89S\ncasa;house\n", R::kRead, 1, 0, "casa",
       "house"},
      {"titulo.csv", "Vocabulario\nPalabra;Definici\xF3n\n", R::kRead, 1, 0, "Palabra",
       "Definición"},  // the names are not on the first row: an entry
      {"palabra.tsv", "Palabra\tCasa\nperro\tdog\n", R::kRead, 2, 0, "Palabra", "Casa"},
      // A flashcard export saved as .txt, UTF-16 with tabs.
      {"export.txt", Utf16Le("gato\tcat\r\nperro\tdog\r\n"), R::kRead, 2, 1, "perro", "dog"},
      {"vacia.txt", "sin marcas\r\n", R::kNoEntry, 0, 0, "", ""},
      // KVTML 1, as older vocabulary trainers saved it.
      {"viejo.kvtml",
       "<?xml version=\"1.0\"?><kvtml><e><o>casa</o><t>house</t></e>"
       "<e><o>perro</o><t>dog</t></e></kvtml>",
       R::kRead, 2, 1, "perro", "dog"},
      // More than 100 entries: the first 100, and how many the file holds.
      {"muchas.csv", Rows(150, ";"), R::kSomeDropped, 100, 99, "w100", "d", 150},
      {"muchas.txt", NumberedList(101), R::kSomeDropped, 100, 99, "palabra100", "definición 100",
       101},
      {"muchas.kvtml", Kvtml([] {
         std::string e;
         for (int k = 0; k < 130; ++k)
           e += "<entry><translation><text>w</text></translation><translation><text>d</text>"
                "</translation></entry>";
         return e;
       }()),
       R::kSomeDropped, 100, 0, "w", "d", 130},
      {"enormes.tsv", Rows(kMaxEntradas + kCountedEntries + 1, "\t"), R::kSomeDropped, 100, 0, "w1",
       "d", 0},
      {"no_existe.csv", "", R::kCannotOpen, 0, 0, "", ""},
  };
  std::filesystem::create_directory(folder.path() / "carpeta.tsv");
  mkfifo((folder.path() / "tubo.kvtml").c_str(), 0600);
  const std::pair<const char*, OpenFailure> unopened[] = {
      {"no_existe.csv", OpenFailure::kMissing},
      {"carpeta.tsv", OpenFailure::kFolder},
      {"tubo.kvtml", OpenFailure::kNotOrdinary}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    if (c.outcome != R::kCannotOpen) folder.Write(c.file, c.bytes);
    const ReadResult read = ReadAnyList(folder.path() / c.file);
    EXPECT_EQ(read.outcome, c.outcome);
    EXPECT_EQ(read.held, c.outcome == R::kSomeDropped ? c.held : read.held);
    ASSERT_EQ(read.entries.size(), c.entries);
    if (c.entries == 0) continue;
    EXPECT_EQ(read.entries[c.at].Palabra, c.word);
    EXPECT_EQ(read.entries[c.at].Definicion, c.definition);
  }
  for (const auto& [file, why] : unopened) {
    SCOPED_TRACE(file);
    const ReadResult read = ReadAnyList(folder.path() / file);
    EXPECT_EQ(read.outcome, R::kCannotOpen);
    EXPECT_EQ(read.why, why);
  }
  // A long field is cut to the limit like any other.
  EXPECT_EQ(ReadAnyList(folder.path() / "largo.csv").entries[0].Definicion, std::string(2000, 'x'));
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
  EXPECT_NE(platform.messages[0].text.find("\"vacia.tsv\" no contiene ninguna pareja"),
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

// Each file that cannot be imported is named with the reason, and a file cut to 100 entries is
// told once its screen is dealt; a long name is cut when the list is saved.
TEST_F(ImportTest, EachFileGetsItsOwnMessage) {
  Form1& f = Start(NumberedList(20));
  std::filesystem::create_directory(folder.path() / "carpeta.csv");
  folder.Write("vacia.csv", "solo una columna\n");
  folder.Write("vacia.txt", "nada\r\n");
  const std::string long_name = std::string(196, 'n') + "\xC3\xB1\xC3\xB1\xC3\xB1";  // 202 bytes
  folder.Write(long_name + ".csv", Rows(150, ";"));
  ASSERT_TRUE(f.ImportLists({folder.path() / "falta.csv", folder.path() / "carpeta.csv",
                             folder.path() / "vacia.csv", folder.path() / "vacia.txt",
                             folder.path() / (long_name + ".csv")}));
  const std::vector<Message> expected = {
      {"No se puede abrir el archivo \"falta.csv\". El archivo no existe.", "Error"},
      {"No se puede abrir el archivo \"carpeta.csv\". Es una carpeta, no un archivo.", "Error"},
      {"El archivo \"vacia.csv\" no contiene ninguna pareja de palabra y definición.", "Error"},
      {"El archivo de glosandas \"vacia.txt\" no contiene ninguna entrada: ninguna línea empieza "
       "por \"P>\".",
       "Error"},
      {"El archivo \"" + long_name +
           ".csv\" tiene 150 entradas; sólo se han importado las 100 "
           "primeras.",
       "Importar"}};
  EXPECT_EQ(platform.messages, expected);
  EXPECT_EQ(f.Archivo, long_name.substr(0, 200));  // "ñ" not split
  EXPECT_EQ(f.NumEntradas, 100);
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
