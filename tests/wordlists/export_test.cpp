// Every format written reads back with the same pairs, by our own import or, for Moodle's, by a
// small reader written from their documentation; the XML is well formed; and the refusals.
#include "worksheets/export.h"

#include <algorithm>
#include <cstdlib>
#include <regex>

#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

// One level of XML's (or HTML's) references to & < > and ".
std::string Unescape(std::string text) {
  for (const auto& [from, to] :
       Pairs{{"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&amp;", "&"}})
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size())
      text.replace(at, from.size(), to);
  return text;
}

// Moodle XML: each subquestion's text (HTML) and answer; GIFT: "=word -> answer" lines, "\"
// before a reserved character.
Pairs ReadMoodle(const std::string& xml) {
  Pairs pairs;
  const std::regex sub(
      "<subquestion format=\"html\">\\s*<text>(.*)</text>\\s*<answer>\\s*<text>(.*)</text>");
  for (std::sregex_iterator m(xml.begin(), xml.end(), sub), end; m != end; ++m)
    pairs.emplace_back(Unescape(Unescape((*m)[1])), Unescape((*m)[2]));
  return pairs;
}
Pairs ReadGift(const std::string& gift) {
  Pairs pairs;
  const auto plain = [](std::string s) {
    return std::regex_replace(s, std::regex("\\\\(.)"), "$1");
  };
  std::istringstream lines(gift);
  for (std::string line; std::getline(lines, line);) {
    const std::size_t arrow = line.find(" -> ");
    if (line.starts_with("=") && arrow != std::string::npos)
      pairs.emplace_back(plain(line.substr(1, arrow - 1)), plain(line.substr(arrow + 4)));
  }
  return pairs;
}

TEST(ExportTest, EveryFormatReadsBackTheSamePairs) {
  const std::vector<Entrada> entries = {{"cañón", "Valle \"hondo\", estrecho; y más"},
                                        {"<pez> &amp;", "El plural de <pez> es <peces> & a<b"},
                                        {"negrita", "se cierra con </b> y ya"},
                                        {"~=#{}:\\", "~ = # { } : \\ \\n"},
                                        {"-ción", "=SUMA(A1) -> total"},
                                        {"@usuario", "+34 y 'nada"},
                                        {"'=x", "'+y"},
                                        {"P>x", "D>y"},
                                        {"larga", std::string(1999, 'l') + "ñ"}};
  // What a program taking the file needs that a reading back does not show.
  const struct {
    const char* format;
    ExportCounts counts;
    std::size_t words, decoys;
    const char* holds;
  } rows[] = {
      {"moodle", {}, 9, 0, "<name>\\s*<text>lista</text>[\\s\\S]*<shuffleanswers>true<"},
      {"moodle", {2, 3, 5}, 6, 4, "<text>lista 2/2</text>"},
      {"gift", {}, 9, 0, "^::lista::\\[plain\\]Une cada palabra con su definición\\. \\{\n"},
      {"gift", {3, 3, 3}, 9, 0, "::lista 3/3::"},
      {"tsv", {}, 9, 0, "^#separator:tab\n#html:false\n"},
      {"csv", {}, 9, 0, "^\xEF\xBB\xBFPalabra;Definición\r\n[\\s\\S]*\n'-ción;'=SUMA"},
      {"kvtml", {}, 9, 0, "<container>\\s*<name>lista</name>\\s*<entry id=\"0\"/>"},
  };
  TempFolder folder;
  for (const auto& row : rows) {
    SCOPED_TRACE(row.format);
    const ListFormat& format = *ExportFormatNamed(row.format);
    Random random;
    const Exported out = ExportList(format, "lista", entries, row.counts, random);
    ASSERT_EQ(out.fault.kind, ExportFault::kNone);
    EXPECT_TRUE(std::regex_search(out.bytes, std::regex(row.holds))) << out.bytes.substr(0, 300);
    const auto file = folder.path() / ("l" + std::string(format.extension));
    folder.Write(file.filename(), out.bytes);
    Pairs read;
    if (format.name == "moodle" || format.name == "gift") {
      read = format.name == "moodle" ? ReadMoodle(out.bytes) : ReadGift(out.bytes);
    } else {
      for (const Entrada& e : ReadAnyList(file).entries) read.emplace_back(e.Palabra, e.Definicion);
    }
    if (format.extension == ".xml" || format.extension == ".kvtml") {
      EXPECT_EQ(std::system(("timeout 60 xmllint --noout " + file.string()).c_str()), 0);
    }
    Pairs all, words, decoys;
    for (const Entrada& e : entries) all.emplace_back(e.Palabra, e.Definicion);
    for (const auto& pair : read) (pair.first.empty() ? decoys : words).push_back(pair);
    EXPECT_EQ(words.size(), row.words);
    EXPECT_EQ(decoys.size(), row.decoys);
    // Each pair an entry's; every entry's where each was asked for, in its order for a file.
    for (const auto& [word, definition] : read) {
      EXPECT_TRUE(std::any_of(all.begin(), all.end(),
                              [&](const auto& e) {
                                return (word.empty() || e.first == word) && e.second == definition;
                              }))
          << word << " -> " << definition;
    }
    if (!format.questions) {
      EXPECT_EQ(read, all);
    }
    std::sort(words.begin(), words.end());
    std::sort(all.begin(), all.end());
    if (row.words == all.size()) {
      EXPECT_EQ(words, all);
    }
  }
}

TEST(ExportTest, CharactersXmlCannotHoldAreBlanks) {
  TempFolder folder;
  for (const char* name : {"moodle", "kvtml"}) {
    Random random;
    const std::vector<Entrada> entries = {
        {"a\x01", "b\xEF\xBF\xBF"}, {"c", "d\xEF\xBF\xBE"}, {"e", "f"}};
    folder.Write("x.xml", ExportList(*ExportFormatNamed(name), "l", entries, {}, random).bytes);
    EXPECT_EQ(
        std::system(("timeout 60 xmllint --noout " + (folder.path() / "x.xml").string()).c_str()),
        0)
        << name;
  }
}

TEST(ExportTest, Refusals) {
  using F = ExportFault;
  const std::vector<Entrada> four = {{"a", "1"}, {"b", "2"}, {"c", "3"}, {"d", "4"}};
  std::vector<Entrada> arrow = four;
  arrow[2].Palabra = "x->y";
  const struct {
    const char* format;
    std::vector<Entrada> entries;
    ExportCounts counts;
    F::Kind fault;
  } rows[] = {
      {"csv", {}, {}, F::kNoEntries},
      {"moodle", {four.begin(), four.begin() + 2}, {}, F::kTooFew},
      {"moodle", four, {1, 1, 2}, F::kTooFew},
      {"moodle", four, {1, 2, 3}, F::kNone},
      {"gift", {four.begin(), four.begin() + 2}, {}, F::kTooFew},
      {"gift", arrow, {}, F::kArrow},
      {"gift", four, {1, 3, 4}, F::kDecoys},
      {"moodle", four, {kMaxSheets + 1}, F::kQuestions},
      {"gift", four, {1, 5}, F::kWords},
      {"moodle", four, {1, 3, 2}, F::kDefinitions},
  };
  for (const auto& row : rows) {
    Random random;
    const Exported out =
        ExportList(*ExportFormatNamed(row.format), "l", row.entries, row.counts, random);
    EXPECT_EQ(out.fault.kind, row.fault) << row.format << " " << row.entries.size();
    EXPECT_EQ(out.fault.what, row.fault == F::kArrow ? "x->y" : "");
  }
}

}  // namespace
}  // namespace glosandas::testing
