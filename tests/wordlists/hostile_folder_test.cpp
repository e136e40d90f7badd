// A folder holding whatever a user may leave beside the program.
#include <sys/stat.h>
#include <unistd.h>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

class HostileFolderTest : public FormTest {
 protected:
  HostileFolderTest() {
    const std::filesystem::path& p = folder.path();
    mkfifo((p / "tubo.txt").c_str(), 0600);
    std::filesystem::create_directory(p / "carpeta.txt");
    std::filesystem::create_symlink("bucle.txt", p / "bucle.txt");
    std::filesystem::create_symlink("no_existe.txt", p / "roto.txt");
    folder.Write("vacio.txt", "");
    folder.Write("grande.txt", "");
    std::filesystem::resize_file(p / "grande.txt", 1ull << 30);  // sparse, no line break
    // Its ">" just past the 64 KiB the first-line test looks at.
    folder.Write("larga.txt", std::string(64 * 1024, 'x') + ">\r\n" + NumberedList(3));
    folder.Write("binario.txt", std::string("P>\0a>\x01\xFF", 7) + "\r\nD>" +
                                    std::string("\0\0def\x81\x8D", 7) + "\r\n" +
                                    std::string(3000, '\0') + "\r\n");
    const std::string huge(3'000'000, 'x');
    std::string enorme;
    for (int k = 1; k <= 5000; ++k) {
      const bool long_line = k <= 3 || k > 4997;
      enorme += "P>palabra" + std::to_string(k) + "\r\nD>" + (long_line ? huge : "corta") + "\r\n";
    }
    folder.Write("enorme.txt", enorme);
    folder.Write("relieve.txt", NumberedList(30));
  }
};

TEST_F(HostileFolderTest, OnlyOrdinaryWordListsAreOfferedAndLoadAsTheRulesSay) {
  const long long before = BytesRead();
  Form1& f = Start();
  EXPECT_LT(BytesRead() - before, 1 << 20) << "start-up read more than the first lines";
  std::vector<std::string> captions;
  for (const MenuItem& item : f.MnuOpcArcLis) captions.push_back(item.Caption);
  EXPECT_EQ(captions, (std::vector<std::string>{"binario", "enorme", "relieve"}));

  ASSERT_TRUE(f.MnuOpcArcLis_Click(0));
  EXPECT_EQ(f.NumEntradas, 1);
  EXPECT_EQ(f.Entradas(1).Palabra, std::string("\0a>\x01\xC3\xBF", 6));
  EXPECT_EQ(ValidUtf8Prefix(f.Entradas(1).Definicion), f.Entradas(1).Definicion.size());
  EXPECT_EQ(f.NumPal, 1);

  const long long before_enorme = BytesRead();
  ASSERT_TRUE(f.MnuOpcArcLis_Click(1));
  EXPECT_LT(BytesRead() - before_enorme, 10'000'000) << "read past the 100th entry";
  EXPECT_EQ(f.NumEntradas, 100);
  EXPECT_EQ(f.Entradas(2).Definicion, std::string(2000, 'x'));
  EXPECT_EQ(f.Entradas(100).Palabra, "palabra100");
  EXPECT_EQ(f.NumPal, 1);  // the counts the binary list lowered stay
  f.MnuOpcPalLis_Click(9);
  f.MnuOpcDefLis_Click(9);
  EXPECT_EQ(f.NumDef, 10);
  EXPECT_TRUE(platform.messages.empty());
}

TEST_F(HostileFolderTest, LongLinesAreCutWithoutLosingTheirEnd) {
  // Far more blanks than a line keeps, then the text: the blanks are trimmed, the text stays.
  folder.Write("relieve.txt", "P>a\r\nD>uno\r\n" + std::string(100'000, ' ') + "dos\r\nP>b\r\n");
  Form1& f = Start();
  EXPECT_EQ(f.Entradas(1).Definicion, "uno dos");
  EXPECT_EQ(f.Entradas(2).Palabra, "b");
}

}  // namespace
}  // namespace glosandas::testing
