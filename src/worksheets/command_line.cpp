#include "worksheets/command_line.h"

#include <charconv>

namespace glosandas {

const char* const kWorksheetHelp =
    "Uso: glosandas [ARCHIVO...]\n"
    "     glosandas --lista LISTA --pdf ARCHIVO.pdf [OPCIONES]\n"
    "\n"
    "Sin opciones, abre la ventana del ejercicio; cada ARCHIVO (una lista de glosandas, o un\n"
    "archivo .tsv, .tab, .csv o .kvtml) se importa a sus listas y se juega.\n"
    "\n"
    "Con --lista y --pdf, escribe fichas de unir palabras y definiciones en un PDF, sin abrir\n"
    "ninguna ventana:\n"
    "  --lista LISTA        el nombre de una de sus listas, o la ruta de un archivo de lista\n"
    "  --pdf ARCHIVO.pdf    el PDF que se escribe\n"
    "  --fichas N           número de fichas, de 1 a 30 (1 si no se indica)\n"
    "  --palabras P         palabras por ficha, de 1 a 10 (4 si no se indica)\n"
    "  --definiciones D     definiciones por ficha, de P a 10 y no más que las entradas de la\n"
    "                       lista (4 si no se indica)\n"
    "  --sin-soluciones     sin la hoja de soluciones al final\n"
    "  --semilla S          la misma semilla da las mismas fichas (un número de 0 a 4294967295)\n"
    "  --help               muestra esta ayuda\n"
    "\n"
    "Sale con 0 si escribe el PDF y con 2 si algo impide escribirlo; entonces no escribe nada.\n";

std::optional<WorksheetOptions> ParseWorksheetOptions(const std::vector<std::string>& args,
                                                      std::string& error) {
  const auto ours = [](const std::string& a) {
    for (const char* o : {"--lista", "--pdf", "--fichas", "--palabras", "--definiciones",
                          "--sin-soluciones", "--semilla", "--help"})
      if (a == o) return true;
    return false;
  };
  bool any = false;
  for (const std::string& a : args) any = any || ours(a);
  if (!any) return std::nullopt;

  WorksheetOptions o;
  const auto number = [&](std::size_t& i, long long low, long long high, const char* what) {
    long long value = -1;
    const std::string& text = i + 1 < args.size() ? args[i + 1] : std::string();
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || value < low || value > high) {
      error = "«" + args[i] + "» necesita " + what + ".";
    }
    ++i;
    return value;
  };
  for (std::size_t i = 0; i < args.size() && error.empty(); ++i) {
    const std::string& a = args[i];
    if (a == "--help") {
      o.help = true;
    } else if (a == "--sin-soluciones") {
      o.key = false;
    } else if (a == "--lista" || a == "--pdf") {
      if (i + 1 >= args.size() || args[i + 1].empty()) {
        error = "«" + a + "» necesita " + (a == "--pdf" ? "el nombre del PDF." : "una lista.");
      } else {
        (a == "--pdf" ? o.pdf : o.list) = args[++i];
      }
    } else if (a == "--fichas") {
      o.sheets = static_cast<int>(number(i, 1, 30, "un número de fichas de 1 a 30"));
    } else if (a == "--palabras") {
      o.words = static_cast<int>(number(i, 1, 10, "un número de palabras de 1 a 10"));
      o.counts_given = true;
    } else if (a == "--definiciones") {
      o.definitions = static_cast<int>(number(i, 1, 10, "un número de definiciones de 1 a 10"));
      o.counts_given = true;
    } else if (a == "--semilla") {
      o.seed = static_cast<std::uint32_t>(number(i, 0, 4294967295LL, "un número de 0 a 4294967295"));
    } else {
      error = "opción desconocida «" + a + "».";
    }
  }
  if (error.empty() && !o.help && o.list.empty()) error = "falta «--lista LISTA».";
  if (error.empty() && !o.help && o.pdf.empty()) error = "falta «--pdf ARCHIVO.pdf».";
  return o;
}

}  // namespace glosandas
