#include <algorithm>
#include <array>
#include <map>
#include <set>

#include "form_fixture.h"
#include "worksheets/worksheets.h"

namespace glosandas::testing {
namespace {

using DealTest = FormTest;

// Distinct entries per column, inverse maps, the words' definitions first, the texts dealt.
void ExpectSoundDeal(const Form1& f) {
  std::set<int> words, defs;
  for (int column = 1; column <= 2; ++column) {
    for (int i = 0; i < (column == 1 ? f.NumPal : f.NumDef); ++i) {
      const int e = f.EntradaEnCaja(column, i);
      ASSERT_TRUE(e >= 1 && e <= f.NumEntradas);
      EXPECT_TRUE((column == 1 ? words : defs).insert(e).second) << "entry shown twice";
      EXPECT_EQ(f.CajaDeEntrada(column, e), i);
      if (column == 2) {
        EXPECT_EQ(words.count(e) == 1, i < f.NumPal);
      }
      EXPECT_EQ(column == 1 ? f.TbPal[i].Text : f.TbDef[i].Text,
                Trim(column == 1 ? f.Entradas(e).Palabra : f.Entradas(e).Definicion));
    }
  }
  for (int e = 1; e <= kMaxEntradas; ++e) {
    EXPECT_EQ(f.Usada(e), defs.count(e) == 1);
    EXPECT_EQ(f.CajaDeEntrada(1, e) >= 0, words.count(e) == 1);
  }
  for (int i = 0; i < kNumBoxes; ++i) {
    EXPECT_EQ(f.TbPal[i].Visible && f.TbPal[i].Enabled, i < f.NumPal);
    EXPECT_EQ(f.TbDef[i].Visible, i < f.NumDef);
  }
}

TEST_F(DealTest, EveryLegalTripleOverManySeeds) {
  Form1& f = Start(CrLf({"P>  con blancos ", "D> alrededor  "}) + NumberedList(11));
  for (int entries : {1, 2, 5, 12}) {
    f.NumEntradas = static_cast<Int>(entries);
    for (int words = 1; words <= std::min(entries, 10); ++words) {
      for (int defs = words; defs <= std::min(entries, 10); ++defs) {
        f.NumPal = static_cast<Int>(words);
        f.NumDef = static_cast<Int>(defs);
        for (int seed = 0; seed < 40; ++seed) {
          SCOPED_TRACE(::testing::Message()
                       << entries << "/" << words << "/" << defs << " " << seed);
          f.Rnd().Seed(seed * 7919);
          f.NuevaPantalla();
          ExpectSoundDeal(f);
          if (HasFailure()) return;
        }
      }
    }
  }
}

// Sheets of lists with homonyms and synonyms: never two equal words nor two equal definitions
// (letter case and outer blanks aside), decoys included, and as many entries as can go together.
TEST(WorksheetsTest, NoTwoEqualTextsOnASheet) {
  const std::vector<std::pair<std::vector<Entrada>, int>> cases = {
      {{{"banco", "Asiento"}, {"Banco ", "Entidad"}, {"silla", "Asiento con respaldo"}}, 2},
      {{{"cama", "Mueble"}, {"lecho", " mueble"}, {"mesa", "Tablero"}}, 2},
      {{{"a", "x"}, {"a", "y"}, {"a", "z"}, {"b", "x"}, {"c", "x"}}, 2},  // never a-x
      {{{"a", "x"}, {"b", "y"}, {"c", "z"}}, 3},
      {{{"árbol", "Planta"}, {"Árbol", "Tronco"}, {"Ñu", "Antílope"}, {"ñu", "ANTÍLOPE"}}, 2},
  };
  Random random;
  for (const auto& [list, most] : cases) {
    EXPECT_EQ(MostOnASheet(list), most);
    for (int seed = 0; seed < 30 * most; ++seed) {
      random.Seed(seed);
      for (const Worksheet& sheet : DealWorksheets(list, 3, 1 + seed % most, most + 1, random)) {
        std::set<std::string> words, definitions;
        for (int e : sheet.definitions) {
          words.insert(FoldCase(Trim(list[e].Palabra)));
          definitions.insert(FoldCase(Trim(list[e].Definicion)));
        }
        EXPECT_EQ(words.size() + definitions.size(), 2u * most) << list[0].Palabra << seed;
        EXPECT_EQ(sheet.words.size(), 1u + seed % most);
      }
    }
  }
}

// Over many seeds, each sheet shows the counts asked for and each definition once, among them its
// words' own (so a decoy is never a word's), each word once; no entry is used k+2 times while
// another has been used only k times, counted word by word; a seed deals one print, its own.
TEST(WorksheetsTest, DealsOverManySeeds) {
  Random random;
  for (const auto [count, sheets, words, definitions] :
       {std::array{100, 30, 7, 9}, {10, 30, 4, 6}, {5, 9, 4, 5}}) {
    std::vector<Entrada> list(count);
    for (int e = 0; e < count; ++e) list[e] = {std::to_string(e), "d" + std::to_string(e)};
    std::map<int, std::vector<int>> prints;   // each sheet's words, then its definitions
    for (int seed = 0; seed < 400; ++seed) {  // each seed twice in a row
      SCOPED_TRACE(::testing::Message() << count << "/" << seed);
      random.Seed(seed / 2);
      std::vector<int> print, uses(count, 0);
      for (const Worksheet& sheet : DealWorksheets(list, sheets, words, definitions, random)) {
        std::vector<int> shown(count, 0);
        for (int e : sheet.definitions) ASSERT_EQ(++shown.at(e), 1);
        ASSERT_EQ(sheet.definitions.size(), static_cast<std::size_t>(definitions));
        ASSERT_EQ(sheet.words.size(), static_cast<std::size_t>(words));
        for (int e : sheet.words) {  // the entry just used is the only one that can lead by more
          ASSERT_EQ(shown.at(e)++, 1) << "a word twice, or without its definition";
          ASSERT_LE(++uses[e] - *std::min_element(uses.begin(), uses.end()), 1);
        }
        print.insert(print.end(), sheet.words.begin(), sheet.words.end());
        print.insert(print.end(), sheet.definitions.begin(), sheet.definitions.end());
      }
      ASSERT_EQ(prints.emplace(seed / 2, print).first->second, print);
    }
    std::set<std::vector<int>> different;
    for (const auto& [seed, print] : prints) different.insert(print);
    EXPECT_EQ(different.size(), prints.size());
  }
}

}  // namespace
}  // namespace glosandas::testing
