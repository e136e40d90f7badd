// Which checks the progress records, and the review screens dealt from it.
#include <map>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using ReviewTest = FormTest;

// R right, W wrong with the definition it was taken for, - not known (the solution first).
std::string Summary(const std::vector<CheckedWord>& words) {
  std::string out;
  for (const CheckedWord& w : words) out += w.right ? 'R' : w.taken_for.empty() ? '-' : 'W';
  return out;
}

TEST_F(ReviewTest, OnlyAScreensFirstCheckOrSolutionIsRecorded) {
  // Steps: R joins every word right, S the first two swapped, H the first word only, C checks,
  // V shows the solution, N deals the next screen.
  const std::pair<std::string, std::vector<std::string>> rows[] = {
      {"RC", {"RRRR"}},  {"SC", {"WWRR"}},  {"SCRC", {"WWRR"}},          {"HCRC", {"RRRR"}},
      {"VRC", {"----"}}, {"RCV", {"RRRR"}}, {"RCNSC", {"RRRR", "WWRR"}}, {"VNV", {"----", "----"}},
  };
  for (const auto& [steps, expected] : rows) {
    SCOPED_TRACE(steps);
    platform.recorded.clear();
    Form1& f = Start(NumberedList(12));
    for (char step : steps) {
      if (step == 'R' || step == 'S' || step == 'H') {  // a joined box clicked is set free first
        for (Int i = 0; i < (step == 'H' ? 1 : f.NumPal); ++i) {
          const Int own = static_cast<Int>(step == 'S' && i < 2 ? 1 - i : i);
          f.TbPal_Click(i);
          f.TbDef_Click(f.CajaDeEntrada(2, f.EntradaEnCaja(1, own)));
        }
      }
      if (step == 'C') f.CbComprobar_Click();
      if (step == 'V') f.CbVer_Click();
      if (step == 'N') f.CbSiguiente_Click();
    }
    std::vector<std::string> summaries;
    for (const auto& words : platform.recorded) summaries.push_back(Summary(words));
    EXPECT_EQ(summaries, expected);
  }
  // A wrong word keeps the definition it was joined to, as the list holds it.
  const CheckedWord& first = platform.recorded.back().front();
  EXPECT_EQ(first.word, Trim(form->Entradas(form->EntradaEnCaja(1, 0)).Palabra));
}

// 500 screens of a learner who always misses three words: in review mode those come back at
// least three times as often as the others, with what they were taken for among the decoys.
TEST_F(ReviewTest, MissedWordsComeBackWithTheirConfusions) {
  auto store = ProgressStore::Open(folder.path() / "p.sqlite").store;
  platform.store = store.get();
  Form1& f = Start(NumberedList(20));
  f.MnuOpcDefLis_Click(6);  // four words, seven definitions
  f.MnuProRep_Click();
  std::map<int, int> dealt;
  for (int screen = 0; screen < 500; ++screen) {
    platform.day = 20000 + screen / 10;
    f.CbSiguiente_Click();
    std::vector<Int> decoys;  // definitions whose word is not on the screen
    for (Int i = 0; i < f.NumDef; ++i)
      if (f.CajaDeEntrada(1, f.EntradaEnCaja(2, i)) < 0) decoys.push_back(i);
    for (Int i = 0; i < f.NumPal; ++i) {
      const Int e = f.EntradaEnCaja(1, i);
      ++dealt[e];
      if (e <= 3 && !platform.recorded.empty()) {  // its most frequent confusion is on the screen
        const ListProgress p = store->Progress("relieve");
        const auto found = p.find({Trim(f.Entradas(e).Palabra), Trim(f.Entradas(e).Definicion)});
        bool shown = found == p.end() || found->second.confusions.empty();
        for (int j = 0; j < f.NumDef; ++j)
          shown = shown || f.TbDef[j].Text == found->second.confusions.front().first;
        EXPECT_TRUE(shown) << "screen " << screen << ", entry " << e;
      }
      // Each word joined to its own definition, or a missed one to a decoy's.
      const bool miss = e <= 3 && !decoys.empty();
      f.TbPal_Click(i);
      f.TbDef_Click(miss ? decoys.back() : f.CajaDeEntrada(2, e));
      if (miss) decoys.pop_back();
    }
    f.CbComprobar_Click();
  }
  platform.store = nullptr;
  double missed = 0, rest = 0;
  for (const auto& [e, n] : dealt) (e <= 3 ? missed : rest) += n;
  EXPECT_GE((missed / 3) / (rest / 17), 3.0);
}

}  // namespace
}  // namespace glosandas::testing
