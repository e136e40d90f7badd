// Worksheets and exported lists from the command line, without a window.
#pragma once

#include "files/folders.h"
#include "worksheets/command_line.h"

namespace glosandas {

// The command line's worksheets: 0 when the PDF is written (to standard output for "-"), 2 (after
// a message on standard error) when anything stops it. Needs a QGuiApplication.
int RunWorksheetCommand(const WorksheetOptions& options, const Folders& folders);

// The command line's export: 0 when the file is written, 2 (after a message) when anything
// stops it; nothing is written then. Needs no application object.
int RunExportCommand(const ExportOptions& options, const Folders& folders);

}  // namespace glosandas
