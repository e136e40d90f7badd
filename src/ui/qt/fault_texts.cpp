// The Spanish words for what the checks of names, rows, print counts and the command line find.
#include "ui/qt/fault_texts.h"

#include "wordlists/limits.h"
#include "wordlists/readers.h"

namespace glosandas {

namespace {

// The help around what it takes from the formats table and the limits: the extensions, the most
// sheets, the most words and the most definitions, the most questions and the most words of a
// question, in that order.
constexpr const char* kHelpParts[] = {
    "Uso: glosandas [ARCHIVO...]\n"
    "     glosandas --lista LISTA --pdf ARCHIVO.pdf [OPCIONES]\n"
    "     glosandas --lista LISTA --exportar FORMATO --salida ARCHIVO [OPCIONES]\n"
    "     glosandas -h | --help | --version\n"
    "\n"
    "Sin opciones, abre la ventana del ejercicio; cada ARCHIVO (una lista de glosandas, o un\n"
    "archivo ",
    ") se importa a sus listas y se juega. Tras «--», todo\n"
    "argumento es un ARCHIVO, aunque empiece por «-».\n"
    "\n"
    "Con --lista y --pdf, escribe fichas de unir palabras y definiciones en un PDF, sin abrir\n"
    "ninguna ventana:\n"
    "  --lista LISTA        el nombre de una de sus listas, o la ruta de un archivo de lista\n"
    "  --pdf ARCHIVO.pdf    el PDF que se escribe; con «-», la salida estándar\n"
    "  --fichas N           número de fichas, de 1 a ",
    " (1 si no se indica)\n"
    "  --palabras P         palabras por ficha, de 1 a ",
    " (4 si no se indica)\n"
    "  --definiciones D     definiciones por ficha, de P a ",
    " y no más que las entradas de la\n"
    "                       lista (tantas como palabras si no se indica)\n"
    "  --sin-soluciones     sin la hoja de soluciones al final\n"
    "  --semilla S          la misma semilla da las mismas fichas (un número de 0 a 4294967295)\n"
    "\n"
    "Con --lista, --exportar y --salida, escribe la lista para otro programa:\n"
    "  --exportar FORMATO   moodle (preguntas de unir en Moodle XML), gift (las mismas en\n"
    "                       GIFT), tsv (texto para tarjetas de memoria), csv (hoja de cálculo)\n"
    "                       o kvtml (vocabulario de KDE)\n"
    "  --salida ARCHIVO     el archivo que se escribe; con «-», la salida estándar\n"
    "  --preguntas N        con moodle o gift, número de preguntas, de 1 a ",
    " (1 si no se\n"
    "                       indica); --palabras y --definiciones, de 1 a ",
    ", dan las de cada\n"
    "                       pregunta (todas las entradas y ninguna de más si no se indican)\n"
    "                       y --semilla, el sorteo\n"
    "\n"
    "  -h, --help           muestra esta ayuda\n"
    "  --version            muestra la versión del programa\n"
    "Una opción con valor se puede escribir también --opción=valor.\n"
    "\n"
    "Sale con 0 si escribe el PDF o el archivo y con 2 si algo impide escribirlo; entonces no\n"
    "escribe nada.\n"
    "Sin pantalla, no abre la ventana y sale con 1.\n",
};

}  // namespace

std::string ExportNames() {
  std::string names;
  const std::vector<const ListFormat*> formats = ExportFormats();
  for (std::size_t k = 0; k < formats.size(); ++k)
    names += (k == 0 ? "" : k + 1 == formats.size() ? " o " : ", ") + std::string(formats[k]->name);
  return names;
}

std::string ExportFaultText(const ExportFault& fault, int entries) {
  using F = ExportFault;
  switch (fault.kind) {
    case F::kNone:
      break;
    case F::kNoEntries:
      return "La lista no tiene ninguna entrada.";
    case F::kQuestions:
      return "El número de preguntas va de 1 a " + std::to_string(kMaxSheets) + ".";
    case F::kWords:
      return "El número de palabras por pregunta va de 1 a " + std::to_string(entries) +
             ", las entradas de la lista.";
    case F::kDefinitions:
      return "El número de definiciones por pregunta va del de palabras a " +
             std::to_string(entries) + ", las entradas de la lista.";
    case F::kTooFew:
      return "Moodle necesita al menos " + std::to_string(kLeastSubquestions) + " palabras y " +
             std::to_string(kLeastAnswers) + " definiciones en cada pregunta de unir.";
    case F::kArrow:
      return "GIFT no puede escribir «->» en una palabra: «" + fault.what + "».";
    case F::kDecoys:
      return "GIFT no admite definiciones de más: ponga tantas definiciones como palabras.";
  }
  return {};
}

std::string WorksheetHelp() {
  const std::string most = std::to_string(kMaxCount);
  return kHelpParts[0] + OtherFormatsText() + kHelpParts[1] + std::to_string(kMaxSheets) +
         kHelpParts[2] + most + kHelpParts[3] + most + kHelpParts[4] + std::to_string(kMaxSheets) +
         kHelpParts[5] + std::to_string(kMaxEntradas) + kHelpParts[6];
}

namespace {

std::string Count(int n, const char* one, const char* more) {
  return std::to_string(n) + " " + (n == 1 ? one : more);
}

}  // namespace

std::string NameFaultText(NameFault fault) {
  switch (fault) {
    case NameFault::kNone:
      break;
    case NameFault::kEmpty:
      return "Escriba un nombre para la lista.";
    case NameFault::kForbiddenCharacter:
      return "El nombre no puede contener «/», «&» ni caracteres de control.";
    case NameFault::kLeadingDot:
      return "El nombre no puede empezar por un punto.";
    case NameFault::kTooLong:
      return "El nombre es demasiado largo.";
  }
  return {};
}

std::string CellFaultText(CellFault fault, bool word) {
  switch (fault) {
    case CellFault::kNone:
      break;
    case CellFault::kMissing:
      return word ? "Falta la palabra." : "Falta la definición.";
    case CellFault::kTooLong:
      return word ? "La palabra pasa de " + std::to_string(kPalabraLen) + " caracteres."
                  : "La definición pasa de " + std::to_string(kDefinicionLen) + " caracteres.";
    case CellFault::kSurplus:
      return "Sobra: una lista tiene como mucho " + std::to_string(kMaxEntradas) + " entradas.";
  }
  return {};
}

std::string CountsFaultText(CountsFault fault, int entries) {
  const std::string most = std::to_string(kMaxCount);
  switch (fault) {
    case CountsFault::kNone:
      break;
    case CountsFault::kNoEntries:
      return "La lista no tiene ninguna entrada.";
    case CountsFault::kSheets:
      return "El número de fichas va de 1 a " + std::to_string(kMaxSheets) + ".";
    case CountsFault::kWords:
      return "El número de palabras por ficha va de 1 a " + most + ".";
    case CountsFault::kDefinitions:
      return "El número de definiciones por ficha va del de palabras a " + most + ".";
    case CountsFault::kBeyondEntries:
      return "La lista tiene " + Count(entries, "entrada", "entradas") +
             ": no puede haber más definiciones por ficha.";
  }
  return {};
}

std::string RepeatsNote(int most, const std::string& sheet) {
  return "La lista repite palabras o definiciones, y una " + sheet +
         " no muestra dos iguales: " + std::string(most == 1 ? "cabe" : "caben") + " como mucho " +
         Count(most, "entrada", "entradas") + " por " + sheet + ".";
}

std::string LoweredNote(int most, int words, int definitions, const std::string& sheet) {
  return RepeatsNote(most, sheet) + " Cada " + sheet + " lleva " +
         Count(words, "palabra", "palabras") + " y " +
         Count(definitions, "definición", "definiciones") + ".";
}

std::string CommandLineFaultText(const CommandLineFault& fault) {
  using F = CommandLineFault;
  const std::string option = "«" + fault.what + "»";
  const auto needs = [](const char* name, const std::string& what) {
    return std::string("«") + name + "» necesita " + what + ".";
  };
  switch (fault.kind) {
    case F::kNone:
      break;
    case F::kUnknownOption:
      return "opción desconocida " + option + ".";
    case F::kRepeated:
      return option + " está más de una vez.";
    case F::kValueNotTaken:
      return option + " no lleva ningún valor.";
    case F::kNoList:
      return needs("--lista", "una lista");
    case F::kNoPdf:
      return needs("--pdf", "el nombre del PDF");
    case F::kSheets:
      return needs("--fichas", "un número de fichas de 1 a " + std::to_string(kMaxSheets));
    case F::kWords:
      return needs("--palabras", "un número de palabras de 1 a " + fault.what);
    case F::kDefinitions:
      return needs("--definiciones", "un número de definiciones de 1 a " + fault.what);
    case F::kSeed:
      return needs("--semilla", "un número de 0 a 4294967295");
    case F::kFileWithSheets:
      return "las fichas no abren archivos: sobra " + option + ".";
    case F::kListMissing:
      return "falta «--lista LISTA».";
    case F::kPdfMissing:
      return "falta «--pdf ARCHIVO.pdf».";
    case F::kFormat:
      return needs("--exportar", "un formato: " + ExportNames());
    case F::kNoOutput:
      return needs("--salida", "el nombre del archivo");
    case F::kQuestions:
      return needs("--preguntas", "un número de preguntas de 1 a " + std::to_string(kMaxSheets));
    case F::kNotWithExport:
      return option + " no va con «--exportar».";
    case F::kOnlyWithExport:
      return option + " sólo va con «--exportar».";
    case F::kNoQuestions:
      return option + " sólo va con «--exportar moodle» o «--exportar gift».";
    case F::kOutputMissing:
      return "falta «--salida ARCHIVO».";
  }
  return {};
}

}  // namespace glosandas
