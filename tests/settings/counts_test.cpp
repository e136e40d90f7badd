#include "form_fixture.h"

namespace glosandas::testing {
namespace {

class CountsTest : public FormTest {
 protected:
  std::vector<int> Screen() const {
    std::vector<int> shown;
    for (int i = 0; i < form->NumDef; ++i) shown.push_back(form->EntradaEnCaja(2, i));
    return shown;
  }
};

TEST_F(CountsTest, StartUpMarks) {
  Form1& f = Start(NumberedList(20));
  EXPECT_EQ(Marks(f.MnuOpcPalLis), "...x......");
  EXPECT_EQ(Marks(f.MnuOpcDefLis), "---x......");
  EXPECT_EQ(f.MnuOpcPalLis[0].Caption, "&1");
  EXPECT_EQ(f.MnuOpcDefLis[9].Caption, "&10");
}

TEST_F(CountsTest, ChoicesAboveTheListAreRefused) {
  Form1& f = Start(NumberedList(8));
  const std::vector<int> before = Screen();
  const Message refusal{
      "El archivo de glosandas cargado sólo contiene 8 entradas. Por favor, escoja un número de "
      "palabras inferior o cargue otro archivo de glosandas.",
      "Error"};
  EXPECT_TRUE(f.MnuOpcPalLis_Click(9));
  EXPECT_TRUE(f.MnuOpcDefLis_Click(8));
  EXPECT_EQ(platform.messages, (std::vector<Message>{refusal, refusal}));
  EXPECT_EQ(f.NumPal, 4);
  EXPECT_EQ(f.NumDef, 4);
  EXPECT_EQ(Marks(f.MnuOpcPalLis), "...x......");
  EXPECT_EQ(Marks(f.MnuOpcDefLis), "---x......");
  EXPECT_EQ(Screen(), before);
}

TEST_F(CountsTest, AcceptedChoicesMoveMarksAndDeal) {
  struct Case {
    const char* name;
    int words, defs;  // counts in force before
    bool pick_words;  // which menu is used
    int index;        // the item chosen
    int new_words, new_defs;
    const char* word_marks;
    const char* def_marks;
  };
  const Case cases[] = {
      {"6 words from 4/4", 4, 4, true, 5, 6, 6, ".....x....", "-----x...."},
      {"3 words from 6/8", 6, 8, true, 2, 3, 8, "..x.......", "--.....x.."},
      {"same word count", 5, 7, true, 4, 5, 7, "....x.....", "----..x..."},
      {"definitions equal to words", 5, 7, false, 4, 5, 5, "....x.....", "----x....."},
      {"one word", 4, 4, true, 0, 1, 4, "x.........", "...x......"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Form1& f = Start(NumberedList(20));
    ASSERT_TRUE(f.MnuOpcPalLis_Click(static_cast<Int>(c.words - 1)));
    ASSERT_TRUE(f.MnuOpcDefLis_Click(static_cast<Int>(c.defs - 1)));
    f.TbPal_Click(0);
    f.TbDef_Click(0);
    ASSERT_EQ(f.NumUniones, 1);
    EXPECT_TRUE(c.pick_words ? f.MnuOpcPalLis_Click(static_cast<Int>(c.index))
                             : f.MnuOpcDefLis_Click(static_cast<Int>(c.index)));
    EXPECT_EQ(f.NumPal, c.new_words);
    EXPECT_EQ(f.NumDef, c.new_defs);
    EXPECT_EQ(Marks(f.MnuOpcPalLis), c.word_marks);
    EXPECT_EQ(Marks(f.MnuOpcDefLis), c.def_marks);
    EXPECT_EQ(f.NumUniones, 0);  // a new screen
    EXPECT_TRUE(platform.messages.empty());
  }
}

TEST_F(CountsTest, NoSuchItemChangesNothing) {
  Form1& f = Start(NumberedList(100));
  f.MnuOpcPalLis_Click(5);
  const std::vector<int> before = Screen();
  const std::string word_marks = Marks(f.MnuOpcPalLis), def_marks = Marks(f.MnuOpcDefLis);
  for (Int index : {Int{-1}, Int{10}, Int{-30000}}) {
    EXPECT_FALSE(f.MnuOpcPalLis_Click(index));
    EXPECT_FALSE(f.MnuOpcDefLis_Click(index));
  }
  EXPECT_FALSE(f.MnuOpcDefLis_Click(2));  // fewer definitions than words
  EXPECT_EQ(f.NumPal, 6);
  EXPECT_EQ(f.NumDef, 6);
  EXPECT_EQ(Marks(f.MnuOpcPalLis), word_marks);
  EXPECT_EQ(Marks(f.MnuOpcDefLis), def_marks);
  EXPECT_EQ(Screen(), before);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(CountsTest, AboutBox) {
  Form1& f = Start(NumberedList(4));
  f.MnuOpcAce_Click();
  ASSERT_EQ(platform.messages.size(), 1u);
  EXPECT_EQ(platform.messages[0].title, "Acerca de glosandas");
  EXPECT_NE(platform.messages[0].text.find("\r\n"), std::string::npos);
}

}  // namespace
}  // namespace glosandas::testing
