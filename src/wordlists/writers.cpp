// The writers of lists for other programs. XML goes through libxml2's writer, which escapes
// what XML needs; the rest are plain text built here.
#include "wordlists/writers.h"

#include <libxml/entities.h>
#include <libxml/xmlwriter.h>

#include <memory>
#include <stdexcept>

#include "text/text.h"

namespace glosandas {

namespace {

const xmlChar* X(const char* text) { return reinterpret_cast<const xmlChar*>(text); }

// XML 1.0 takes no control character but tab, line feed and carriage return, and neither
// U+FFFE nor U+FFFF (EF BF BE, EF BF BF): each becomes a blank.
std::string XmlText(std::string text) {
  for (char& c : text) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') c = ' ';
  }
  for (std::size_t at = 0; (at = text.find("\xEF\xBF", at)) != std::string::npos;) {
    if (at + 2 < text.size() && (text[at + 2] == '\xBE' || text[at + 2] == '\xBF')) {
      text.replace(at, 3, " ");
    } else {
      at += 2;
    }
  }
  return text;
}

// A document written into memory; any failure of the writer is a fault of the program.
class Xml {
 public:
  Xml() : buffer_(xmlBufferCreate()), writer_(xmlNewTextWriterMemory(buffer_, 0)) {
    Check(writer_ ? 0 : -1);
    Check(xmlTextWriterSetIndent(writer_, 1));
    Check(xmlTextWriterStartDocument(writer_, nullptr, "UTF-8", nullptr));
  }
  ~Xml() {
    if (writer_) xmlFreeTextWriter(writer_);
    xmlBufferFree(buffer_);
  }
  Xml& Open(const char* name) {
    Check(xmlTextWriterStartElement(writer_, X(name)));
    return *this;
  }
  Xml& Attribute(const char* name, const std::string& value) {
    Check(xmlTextWriterWriteAttribute(writer_, X(name), X(XmlText(value).c_str())));
    return *this;
  }
  Xml& Close() {
    Check(xmlTextWriterEndElement(writer_));
    return *this;
  }
  // <name>text</name>, the text escaped by the writer.
  Xml& Element(const char* name, const std::string& text) {
    Check(xmlTextWriterWriteElement(writer_, X(name), X(XmlText(text).c_str())));
    return *this;
  }
  // <name><text>text</text></name>, as Moodle and KVTML hold their texts.
  Xml& Text(const char* name, const std::string& text) {
    return Open(name).Element("text", text).Close();
  }
  std::string Bytes() {
    Check(xmlTextWriterEndDocument(writer_));
    xmlFreeTextWriter(writer_);
    writer_ = nullptr;
    return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer_)),
                       static_cast<std::size_t>(xmlBufferLength(buffer_)));
  }

 private:
  static void Check(int result) {
    if (result < 0) throw std::runtime_error("XML writer");
  }
  xmlBufferPtr buffer_;
  xmlTextWriterPtr writer_;
};

// `text` with & < > and " as HTML character references.
std::string HtmlEscaped(const std::string& text) {
  std::unique_ptr<xmlChar, decltype(xmlFree)> escaped(
      xmlEncodeSpecialChars(nullptr, X(text.c_str())), xmlFree);
  return escaped ? reinterpret_cast<const char*>(escaped.get()) : "";
}

// The name of the `k`th of `count` questions.
std::string QuestionName(const std::string& list, std::size_t k, std::size_t count) {
  if (count == 1) return list;
  return list + " " + std::to_string(k + 1) + "/" + std::to_string(count);
}

ExportFault CheckQuestions(const ExportedList& list) {
  for (const Question& q : list.questions) {
    if (q.words.size() < kLeastSubquestions || q.words.size() + q.decoys.size() < kLeastAnswers)
      return {ExportFault::kTooFew, {}};
  }
  return {};
}

// GIFT's reserved characters, a backslash before each.
std::string Gift(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (std::string_view("~=#{}:\\").find(c) != std::string_view::npos) out += '\\';
    out += c == '\n' || c == '\r' ? ' ' : c;
  }
  return out;
}

// A field of delimited text, quoted (RFC 4180) where a reader would otherwise take it for
// something else: it holds `special` or a quote, or starts like a comment or a line of our lists.
std::string Field(const std::string& text, std::string_view special) {
  const std::string head = FoldAscii(text.substr(0, 2));
  if (text.find_first_of(special) == std::string::npos && text.find('"') == std::string::npos &&
      !text.starts_with('#') && head != "p>" && head != "d>") {
    return text;
  }
  std::string out = "\"";
  for (char c : text) out += c == '"' ? "\"\"" : std::string(1, c);
  return out + '"';
}

}  // namespace

bool LooksLikeFormula(std::string_view text) {
  const std::size_t at = text.find_first_not_of('\'');
  return at != std::string_view::npos &&
         std::string_view("=+-@").find(text[at]) != std::string_view::npos;
}

Exported WriteMoodle(const ExportedList& list) {
  if (ExportFault fault = CheckQuestions(list); fault.kind != ExportFault::kNone) return {fault};
  Xml xml;
  xml.Open("quiz");
  for (std::size_t k = 0; k < list.questions.size(); ++k) {
    const Question& q = list.questions[k];
    xml.Open("question").Attribute("type", "matching");
    xml.Text("name", QuestionName(list.name, k, list.questions.size()));
    xml.Open("questiontext").Attribute("format", "html");
    xml.Element("text", "<p>" + HtmlEscaped(kQuestionText) + "</p>").Close();
    xml.Element("defaultgrade", "1").Element("penalty", "0.3333333").Element("hidden", "0");
    xml.Element("shuffleanswers", "true");
    // A subquestion without text is a wrong answer only.
    const auto subquestion = [&](const std::string& text, const Entrada& e) {
      xml.Open("subquestion").Attribute("format", "html").Element("text", text);
      xml.Text("answer", e.Definicion).Close();
    };
    for (int e : q.words) subquestion(HtmlEscaped(list.entries[e].Palabra), list.entries[e]);
    for (int e : q.decoys) subquestion("", list.entries[e]);
    xml.Close();
  }
  return {{}, xml.Close().Bytes()};
}

Exported WriteGift(const ExportedList& list) {
  if (ExportFault fault = CheckQuestions(list); fault.kind != ExportFault::kNone) return {fault};
  std::string out;
  for (std::size_t k = 0; k < list.questions.size(); ++k) {
    const Question& q = list.questions[k];
    if (!q.decoys.empty()) return {{ExportFault::kDecoys, {}}};
    // Plain text: a word such as "<pez>" is shown as written, not taken for HTML.
    out += "::" + Gift(QuestionName(list.name, k, list.questions.size())) + "::[plain]" +
           kQuestionText + " {\n";
    for (int e : q.words) {
      const Entrada& entry = list.entries[e];
      if (entry.Palabra.find("->") != std::string::npos)
        return {{ExportFault::kArrow, entry.Palabra}};
      out += "=" + Gift(entry.Palabra) + " -> " + Gift(entry.Definicion) + "\n";
    }
    out += "}\n\n";
  }
  return {{}, out};
}

Exported WriteFlashcards(const ExportedList& list) {
  std::string out = "#separator:tab\n#html:false\n";
  for (const Entrada& e : list.entries)
    out += Field(e.Palabra, "\t\r\n") + "\t" + Field(e.Definicion, "\t\r\n") + "\n";
  return {{}, out};
}

Exported WriteCsv(const ExportedList& list) {
  // The mark makes a spreadsheet read UTF-8; ";" is what one set to a decimal comma expects.
  std::string out = "\xEF\xBB\xBFPalabra;Definición\r\n";
  const auto cell = [](const std::string& text) {
    return Field(LooksLikeFormula(text) ? "'" + text : text, ";,\r\n");
  };
  for (const Entrada& e : list.entries) out += cell(e.Palabra) + ";" + cell(e.Definicion) + "\r\n";
  return {{}, out};
}

Exported WriteKvtml(const ExportedList& list) {
  Xml xml;
  xml.Open("kvtml").Attribute("version", "2.0");
  xml.Open("information").Element("generator", "Glosandas").Element("title", list.name).Close();
  xml.Open("identifiers");
  for (const char* id : {"0", "1"}) {
    xml.Open("identifier").Attribute("id", id);
    xml.Element("name", *id == '0' ? "Palabra" : "Definición").Element("locale", "es").Close();
  }
  xml.Close().Open("entries");
  for (std::size_t k = 0; k < list.entries.size(); ++k) {
    xml.Open("entry").Attribute("id", std::to_string(k));
    xml.Open("translation").Attribute("id", "0").Element("text", list.entries[k].Palabra).Close();
    xml.Open("translation").Attribute("id", "1").Element("text", list.entries[k].Definicion);
    xml.Close().Close();
  }
  xml.Close().Open("lessons").Open("container").Element("name", list.name);
  for (std::size_t k = 0; k < list.entries.size(); ++k)
    xml.Open("entry").Attribute("id", std::to_string(k)).Close();
  return {{}, xml.Close().Close().Close().Bytes()};
}

}  // namespace glosandas
