// Worksheets on pages: each sheet of a print, then its answer key, painted on a PDF or a printer.
#pragma once

#include <QString>
#include <functional>
#include <string>
#include <vector>

#include "files/atomic_file.h"
#include "wordlists/entry.h"
#include "worksheets/worksheets.h"

class QPagedPaintDevice;

namespace glosandas {

struct Print {
  std::string list;              // the list's name, in each sheet's title
  std::vector<Entrada> entries;  // texts without outer blanks
  std::vector<Worksheet> sheets;
  bool key = true;
};

// The characters of `texts` that `shown` says cannot be shown, each once, in the order met.
std::vector<char32_t> UnshownCharacters(const std::vector<std::string>& texts,
                                        const std::function<bool(char32_t)>& shown);

// Which characters of the print's texts (those of its sheets, or of all its entries before they
// are dealt) no installed font can show, in Spanish; empty when it shows them all. Needs a
// QGuiApplication.
std::string UnshownNote(const Print& print);

// Paints the sheets and the key on the device's pages, from its first.
void PaintPrint(QPagedPaintDevice& device, const Print& print);

// The same margins on the PDF, a printer and the preview: 18 mm at the sides, 15 mm at the top
// and bottom, or more where a printer cannot print so near the edge.
void SetWorksheetMargins(QPagedPaintDevice& device);

// The print as an A4 PDF.
std::string PrintPdf(const Print& print);

// Writes the print as an A4 PDF where `file` names (see WriteOutput): whole, or nothing at all.
WriteOutcome WritePrintPdf(const std::filesystem::path& file, const Print& print);

}  // namespace glosandas
