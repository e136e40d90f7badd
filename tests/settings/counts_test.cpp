#include <cstring>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using CountsTest = FormTest;

TEST_F(CountsTest, ChoicesAboveTheListAreRefusedAndOthersChangeNothing) {
  Form1& f = Start(NumberedList(8));
  EXPECT_EQ(Marks(f.MnuOpcPalLis), "...x......");  // as start-up leaves them
  EXPECT_EQ(Marks(f.MnuOpcDefLis), "---x......");
  EXPECT_EQ(f.MnuOpcDefLis[9].Caption, "&10");
  const std::vector<Int> before = {f.EntradaEnCaja(2, 0), f.EntradaEnCaja(2, 1)};
  EXPECT_TRUE(f.MnuOpcPalLis_Click(9));
  EXPECT_TRUE(f.MnuOpcDefLis_Click(8));
  for (Int bad : {Int{-1}, Int{-30000}}) {  // no such item
    EXPECT_FALSE(f.MnuOpcPalLis_Click(bad));
    EXPECT_FALSE(f.MnuOpcDefLis_Click(bad));
  }
  EXPECT_FALSE(f.MnuOpcDefLis_Click(2));  // fewer definitions than words
  const Message refusal{
      "El archivo de glosandas cargado sólo contiene 8 entradas. Por favor, escoja un número de "
      "palabras inferior o cargue otro archivo de glosandas.",
      "Error"};
  EXPECT_EQ(platform.messages, (std::vector<Message>{refusal, refusal}));
  EXPECT_EQ(Marks(f.MnuOpcPalLis), "...x......");
  EXPECT_EQ(Marks(f.MnuOpcDefLis), "---x......");
  EXPECT_EQ((std::vector<Int>{f.EntradaEnCaja(2, 0), f.EntradaEnCaja(2, 1)}), before);
}

TEST_F(CountsTest, AcceptedChoicesMoveMarksAndDeal) {
  struct Case {
    const char* name;
    int words, defs;  // in force before
    bool pick_words;
    int index;
    const char* word_marks;
    const char* def_marks;
  };
  const Case cases[] = {
      {"6 words from 4/4", 4, 4, true, 5, ".....x....", "-----x...."},
      {"3 words from 6/8", 6, 8, true, 2, "..x.......", "--.....x.."},
      {"the same word count", 5, 7, true, 4, "....x.....", "----..x..."},
      {"definitions equal to words", 5, 7, false, 4, "....x.....", "----x....."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Start(NumberedList(20));
    f.MnuOpcPalLis_Click(static_cast<Int>(c.words - 1));
    f.MnuOpcDefLis_Click(static_cast<Int>(c.defs - 1));
    f.TbPal_Click(0);
    f.TbDef_Click(0);
    EXPECT_TRUE(c.pick_words ? f.MnuOpcPalLis_Click(static_cast<Int>(c.index))
                             : f.MnuOpcDefLis_Click(static_cast<Int>(c.index)));
    EXPECT_EQ(Marks(f.MnuOpcPalLis), c.word_marks);
    EXPECT_EQ(Marks(f.MnuOpcDefLis), c.def_marks);
    EXPECT_EQ(f.NumPal, std::strchr(c.word_marks, 'x') - c.word_marks + 1);
    EXPECT_EQ(f.NumDef, std::strchr(c.def_marks, 'x') - c.def_marks + 1);
    EXPECT_EQ(f.NumUniones, 0);  // a new screen
  }
  form->MnuOpcAce_Click();
  EXPECT_EQ(platform.messages.back().title, "Acerca de glosandas");
  EXPECT_NE(platform.messages.back().text.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace glosandas::testing
