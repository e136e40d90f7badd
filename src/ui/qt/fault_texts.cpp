// The Spanish words for what the checks of names, rows, print counts and the command line find.
#include "ui/qt/fault_texts.h"

#include "wordlists/limits.h"
#include "wordlists/readers.h"

namespace glosandas {

namespace {

// The help around what it takes from the formats table and the limits: the extensions, the most
// sheets, the most words and the most definitions, in that order.
constexpr const char* kHelpParts[] = {
    "Uso: glosandas [ARCHIVO...]\n"
    "     glosandas --lista LISTA --pdf ARCHIVO.pdf [OPCIONES]\n"
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
    "  -h, --help           muestra esta ayuda\n"
    "  --version            muestra la versión del programa\n"
    "Una opción con valor se puede escribir también --opción=valor.\n"
    "\n"
    "Sale con 0 si escribe el PDF y con 2 si algo impide escribirlo; entonces no escribe nada.\n"
    "Sin pantalla, no abre la ventana y sale con 1.\n",
};

}  // namespace

std::string WorksheetHelp() {
  const std::string most = std::to_string(kMaxCount);
  return kHelpParts[0] + OtherFormatsText() + kHelpParts[1] + std::to_string(kMaxSheets) +
         kHelpParts[2] + most + kHelpParts[3] + most + kHelpParts[4];
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

std::string RepeatsNote(int most) {
  return "La lista repite palabras o definiciones, y una ficha no muestra dos iguales: " +
         std::string(most == 1 ? "cabe" : "caben") + " como mucho " +
         Count(most, "entrada", "entradas") + " por ficha.";
}

std::string LoweredNote(int most, int words, int definitions) {
  return RepeatsNote(most) + " Cada ficha lleva " + Count(words, "palabra", "palabras") + " y " +
         Count(definitions, "definición", "definiciones") + ".";
}

std::string CommandLineFaultText(const CommandLineFault& fault) {
  using F = CommandLineFault;
  const std::string option = "«" + fault.what + "»";
  const auto needs = [](const char* name, const std::string& what) {
    return std::string("«") + name + "» necesita " + what + ".";
  };
  const std::string most = std::to_string(kMaxCount);
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
      return needs("--palabras", "un número de palabras de 1 a " + most);
    case F::kDefinitions:
      return needs("--definiciones", "un número de definiciones de 1 a " + most);
    case F::kSeed:
      return needs("--semilla", "un número de 0 a 4294967295");
    case F::kFileWithSheets:
      return "las fichas no abren archivos: sobra " + option + ".";
    case F::kListMissing:
      return "falta «--lista LISTA».";
    case F::kPdfMissing:
      return "falta «--pdf ARCHIVO.pdf».";
  }
  return {};
}

}  // namespace glosandas
