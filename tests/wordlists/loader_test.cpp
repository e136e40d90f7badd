#include "form_fixture.h"
#include "wordlists/text.h"

namespace glosandas::testing {
namespace {

using LoaderTest = FormTest;

struct LoadCase {
  const char* name;
  std::string bytes;
  std::vector<std::pair<std::string, std::string>> entries;  // trimmed word, trimmed definition
};

TEST_F(LoaderTest, LoadsEntriesAsWritten) {
  const std::string long_def(3000, 'x');
  const std::string long_word(150, 'y');
  const std::vector<LoadCase> cases = {
      {"sample",
       CrLf({"P>casa", "D>Edificio para habitar", "P>perro", "D>Animal dom\xE9stico"}),
       {{"casa", "Edificio para habitar"}, {"perro", "Animal doméstico"}}},
      {"lower-case markers",
       CrLf({"p>casa", "d>Edificio para habitar", "p>perro", "d>Animal dom\xE9stico"}),
       {{"casa", "Edificio para habitar"}, {"perro", "Animal doméstico"}}},
      {"continuations and a blank line",
       CrLf({"P>  ola  ", "D>Onda grande", "dos palabras", "", "   tercera   "}),
       {{"ola", "Onda grande dos palabras tercera"}}},
      {"second definition replaces", CrLf({"P>a", "D>uno", "sigue", "D>dos"}), {{"a", "dos"}}},
      {"blank before marker continues", CrLf({"P>a", "D>uno", " P>b"}), {{"a", "uno P>b"}}},
      {"lines before the first word are ignored",
       CrLf({"D>sin palabra", "texto", "P>a", "D>b"}),
       {{"a", "b"}}},
      {"an entry without definition starts empty",
       CrLf({"P>a", "P>b", "D>de b"}),
       {{"a", ""}, {"b", "de b"}}},
      {"bare LF and no final line end", "P>a\nD>uno\nP>b\nD>dos", {{"a", "uno"}, {"b", "dos"}}},
      {"UTF-8 without mark",
       "P>ca\xC3\xB1on\r\nD>Valle estrecho\r\n",
       {{"cañon", "Valle estrecho"}}},
      {"UTF-8 with mark", "\xEF\xBB\xBFP>a\r\nD>b\r\n", {{"a", "b"}}},
      {"cuts",
       CrLf({"P>" + long_word, "D>" + long_def}),
       {{std::string(100, 'y'), std::string(2000, 'x')}}},
  };
  for (const LoadCase& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Start(c.bytes);
    ASSERT_EQ(f.NumEntradas, static_cast<Int>(c.entries.size()));
    for (std::size_t k = 0; k < c.entries.size(); ++k) {
      EXPECT_EQ(Trim(f.Entradas(k + 1).Palabra), c.entries[k].first);
      EXPECT_EQ(Trim(f.Entradas(k + 1).Definicion), c.entries[k].second);
    }
  }
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoaderTest, CutsCountCharactersInBothCodePages) {
  const std::string enye_1252(3000, '\xF1');
  std::string enye_utf8;
  for (int i = 0; i < 150; ++i) enye_utf8 += "\xC3\xB1";
  for (const std::string& bytes : {CrLf({"P>" + enye_1252, "D>" + enye_1252}),
                                   CrLf({"P>" + enye_utf8, "D>" + enye_utf8 + enye_utf8})}) {
    Form1& f = Start(bytes);
    EXPECT_EQ(f.Entradas(1).Palabra.size(), 200u);  // 100 "ñ", two bytes each
    EXPECT_EQ(f.Entradas(1).Palabra.substr(0, 2), "ñ");
    EXPECT_EQ(ValidUtf8Prefix(f.Entradas(1).Definicion), f.Entradas(1).Definicion.size());
  }
}

TEST_F(LoaderTest, StopsAtTheHundredAndFirstWord) {
  Form1& f = Start(NumberedList(130));
  EXPECT_EQ(f.NumEntradas, 100);
  EXPECT_EQ(f.Entradas(100).Palabra, "palabra100");
  EXPECT_EQ(f.Entradas(100).Definicion, "definición 100");
}

TEST_F(LoaderTest, ShorterListLeavesOldEntriesButOnlyDealsItsOwn) {
  Form1& f = Start(NumberedList(30));
  folder.Write("otra.txt", CrLf({"P>nueva", "D>def"}) + NumberedList(11));
  f.Archivo = "otra";
  f.CargarArchivo();
  EXPECT_EQ(f.NumEntradas, 12);
  EXPECT_EQ(f.Entradas(13).Palabra, "palabra13");
  for (int seed = 0; seed < 50; ++seed) {
    f.Rnd().Seed(seed);
    f.NuevaPantalla();
    for (int i = 0; i < f.NumDef; ++i) EXPECT_LE(f.EntradaEnCaja(2, i), 12);
  }
}

TEST_F(LoaderTest, LowersWordsThenDefinitions) {
  Form1& f = Start(NumberedList(20));
  f.NumPal = 6;
  f.NumDef = 8;
  folder.Write("corta.txt", NumberedList(5));
  f.Archivo = "corta";
  f.CargarArchivo();
  EXPECT_EQ(f.NumPal, 5);
  EXPECT_EQ(f.NumDef, 5);

  folder.Write("dos.txt", CrLf({"P>casa", "D>Edificio", "P>perro", "D>Animal"}));
  f.NumPal = 1;
  f.NumDef = 4;
  f.Archivo = "dos";
  f.CargarArchivo();
  EXPECT_EQ(f.NumPal, 1);
  EXPECT_EQ(f.NumDef, 2);
}

TEST_F(LoaderTest, WindowsAndUtf8ListsLoadAlike) {
  const std::string cp1252 =
      CrLf({"P>monta\xF1"
            "a",
            "D>Elevaci\xF3n natural del terreno"});
  const std::string utf8 = CrLf({"P>montaña", "D>Elevación natural del terreno"});
  std::vector<std::pair<std::string, std::string>> loaded;
  for (const std::string& bytes : {cp1252, utf8}) {
    Form1& f = Start(bytes);
    loaded.push_back({f.Entradas(1).Palabra, f.Entradas(1).Definicion});
  }
  EXPECT_EQ(loaded[0], loaded[1]);
  EXPECT_EQ(loaded[0].first, "montaña");
}

TEST_F(LoaderTest, FindsTheListWhateverItsLetterCase) {
  folder.Write("Relieve.TXT", CrLf({"P>a", "D>b"}));
  Form1& f = Start();
  EXPECT_EQ(f.NumEntradas, 1);
}

TEST_F(LoaderTest, ListThatCannotBeOpenedKeepsWhatIsLoaded) {
  Form1& f = Start(NumberedList(10));
  std::filesystem::create_directory(folder.path() / "carpeta.txt");
  for (const char* name : {"falta", "carpeta"}) {
    platform.messages.clear();
    f.Archivo = name;
    f.CargarArchivo();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].title, "Error");
    EXPECT_NE(platform.messages[0].text.find(std::string(name) + ".txt"), std::string::npos);
    EXPECT_EQ(f.NumEntradas, 10);
    EXPECT_EQ(f.NumPal, 4);
  }
}

TEST_F(LoaderTest, ListWithoutEntriesKeepsCountsAndDealsEmpty) {
  Form1& f = Start("solo texto\r\nsin marcas\r\n");
  EXPECT_EQ(f.NumEntradas, 0);
  EXPECT_EQ(f.NumPal, 4);
  EXPECT_EQ(f.NumDef, 4);
  for (int i = 0; i < kNumBoxes; ++i) {
    EXPECT_EQ(f.EntradaEnCaja(1, i), -1);
    EXPECT_EQ(f.TbPal[i].Visible, i < 4);
  }
  EXPECT_EQ(f.TbPal[0].Text, "Palabra");
}

}  // namespace
}  // namespace glosandas::testing

namespace glosandas::testing {
namespace {

long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value && key != "rchar:") {
  }
  return value;
}

TEST_F(LoaderTest, AnUnchangedListIsNotReadAgainButAChangedOneIs) {
  const std::string list = NumberedList(100);
  long long before = BytesRead();
  Start(list);
  const long long without_settings = BytesRead() - before;
  const std::string ini = "4\r\n4\r\nTrue x\r\nrelieve\r\n9.75\r\n";
  folder.Write("glosandas.ini", ini);
  before = BytesRead();
  Form1& f = Start(list);  // the settings select the list start-up has loaded
  EXPECT_LE(BytesRead() - before - without_settings, static_cast<long long>(ini.size()) + 64);
  EXPECT_GT(without_settings, static_cast<long long>(list.size()));
  EXPECT_EQ(f.NumEntradas, 100);
  folder.Write("relieve.txt", NumberedList(3));
  f.MnuOpcArcLis_Click(0);
  EXPECT_EQ(f.NumEntradas, 3);
  EXPECT_EQ(f.NumPal, 3);
}

}  // namespace
}  // namespace glosandas::testing
