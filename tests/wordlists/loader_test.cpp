#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using LoaderTest = FormTest;

// UTF-8 text (up to two bytes a character) in UTF-16 with its byte-order mark.
std::string Utf16(std::string_view utf8, bool little_endian) {
  std::string out = little_endian ? "\xFF\xFE" : "\xFE\xFF";
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    unsigned c = static_cast<unsigned char>(utf8[i]);
    if (c >= 0xC0) c = ((c & 0x1F) << 6) | (static_cast<unsigned char>(utf8[++i]) & 0x3F);
    const char lo = static_cast<char>(c & 0xFF), hi = static_cast<char>(c >> 8);
    out += little_endian ? std::string{lo, hi} : std::string{hi, lo};
  }
  return out;
}

TEST_F(LoaderTest, LoadsEntriesAsWritten) {
  struct Case {
    const char* name;
    std::string bytes;
    int entries;
    std::string first_word, first_def;  // trimmed
  };
  std::string enye_utf8;
  for (int i = 0; i < 1500; ++i) enye_utf8 += "ñ";
  const Case cases[] = {
      {"sample", CrLf({"P>casa", "D>Edificio para habitar", "P>perro", "D>Animal dom\xE9stico"}), 2,
       "casa", "Edificio para habitar"},
      {"lower-case markers", CrLf({"p>casa", "d>Edificio", "p>perro", "d>Animal"}), 2, "casa",
       "Edificio"},
      {"continuations, blank line",
       CrLf({"P>  ola  ", "D>Onda grande", "dos palabras", "", " tres "}), 1, "ola",
       "Onda grande dos palabras tres"},
      {"second definition replaces", CrLf({"P>a", "D>uno", "sigue", "D>dos"}), 1, "a", "dos"},
      {"blank before marker continues", CrLf({"P>a", "D>uno", " P>b"}), 1, "a", "uno P>b"},
      {"lines before the first word", CrLf({"D>suelta", "texto", "P>a", "D>b"}), 1, "a", "b"},
      {"entry without definition starts empty", CrLf({"P>a", "P>b"}), 2, "a", ""},
      {"bare LF, no final end", "P>a\nD>uno\nP>b", 2, "a", "uno"},
      {"Windows-1252", CrLf({"P>ca\xF1\xF3n", "D>\xE1\xE9"}), 1, "cañón", "áé"},
      {"UTF-8", CrLf({"P>cañón", "D>Valle"}), 1, "cañón", "Valle"},
      {"UTF-8, four bytes a character", CrLf({"P>a\xF0\x9F\x98\x80", "D>b"}), 1,
       "a\xF0\x9F\x98\x80", "b"},
      {"UTF-8 with mark", "\xEF\xBB\xBFP>a\r\nD>b\r\n", 1, "a", "b"},
      {"UTF-16 LE", Utf16("P>cañón\r\nD>Valle\r\nP>b\n", true), 2, "cañón", "Valle"},
      {"UTF-16 BE", Utf16("P>cañón\r\nD>Valle\r\n", false), 1, "cañón", "Valle"},
      {"UTF-8 whose indented long line is cut inside a character",
       CrLf({"P>cañón", "D>x", "  a" + enye_utf8 + enye_utf8 + enye_utf8 + enye_utf8}), 1, "cañón",
       "x a" + (enye_utf8 + enye_utf8).substr(0, 2 * 1997)},
      {"cuts", CrLf({"P>" + std::string(150, 'y'), "D>" + std::string(3000, 'x')}), 1,
       std::string(100, 'y'), std::string(2000, 'x')},
      {"cuts count characters", CrLf({"P>" + std::string(150, '\xF1'), "D>x"}), 1,
       enye_utf8.substr(0, 200), "x"},
      {"cuts count UTF-8 characters", CrLf({"P>" + enye_utf8.substr(0, 300), "D>x"}), 1,
       enye_utf8.substr(0, 200), "x"},
      {"101st word ends the list", NumberedList(130), 100, "palabra1", "definición 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Start(c.bytes);
    EXPECT_EQ(f.NumEntradas, c.entries);
    EXPECT_EQ(Trim(f.Entradas(1).Palabra), c.first_word);
    EXPECT_EQ(Trim(f.Entradas(1).Definicion), c.first_def);
  }
  EXPECT_EQ(form->Entradas(100).Palabra, "palabra100");
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(LoaderTest, LowersWordsThenDefinitions) {
  Form1& f = Start(NumberedList(20));
  f.MnuOpcPalLis_Click(5);
  f.MnuOpcDefLis_Click(7);
  folder.Write("corta.txt", NumberedList(5));
  f.Archivo = "corta";
  f.CargarArchivo();
  EXPECT_EQ(f.NumPal, 5);
  EXPECT_EQ(f.NumDef, 5);
  EXPECT_EQ(Marks(f.MnuOpcDefLis), "----x.....");
  folder.Write("corta.txt", NumberedList(1));
  f.CargarArchivo();
  EXPECT_EQ(f.NumDef, 1);
  // A folder is no list: it cannot be opened.
  std::filesystem::create_directory(folder.path() / "carpeta.txt");
  f.Archivo = "carpeta";
  EXPECT_FALSE(f.CargarArchivo());
  EXPECT_TRUE(platform.messages.back().text.starts_with("No se puede abrir"));
}

TEST_F(LoaderTest, FindsTheListWhateverItsLetterCase) {
  folder.Write("Relieve.TXT", CrLf({"P>a", "D>b"}));
  EXPECT_EQ(Start().NumEntradas, 1);
}

TEST_F(LoaderTest, ListWithoutEntriesKeepsCountsAndDealsEmpty) {
  Form1& f = Start("solo texto\r\n");
  EXPECT_EQ(f.NumEntradas, 0);
  EXPECT_EQ(f.NumDef, 4);
  EXPECT_EQ(f.EntradaEnCaja(1, 0), -1);
  EXPECT_TRUE(f.TbPal[3].Visible);
  EXPECT_EQ(f.TbPal[0].Text, "Palabra");
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
  folder.Write("relieve.txt", NumberedList(3));
  f.MnuOpcArcLis_Click(0);
  EXPECT_EQ(f.NumEntradas, 3);
}

}  // namespace
}  // namespace glosandas::testing
