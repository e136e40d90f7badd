#include "worksheets/command_line.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <string_view>

#include "wordlists/limits.h"
#include "wordlists/readers.h"

namespace glosandas {

namespace {

// The options Qt 6 takes for itself (its X11 plugin's included), written with one dash or two,
// and whether each takes the next argument as its value; `joined`: also as "-option=value".
struct ToolkitOption {
  std::string_view name;
  bool value, joined;
};
constexpr ToolkitOption kToolkitOptions[] = {
    {"-platform", true, false},      {"-platformpluginpath", true, false},
    {"-platformtheme", true, false}, {"-plugin", true, false},
    {"-qmljsdebugger", true, true},  {"-qwindowgeometry", true, false},
    {"-qwindowicon", true, false},   {"-qwindowtitle", true, false},
    {"-session", true, false},       {"-style", true, true},
    {"-stylesheet", true, true},     {"-reverse", false, false},
    {"-widgetcount", false, false},  {"-testability", false, false},
    {"-display", true, false},       {"-geometry", true, false},
    {"-name", true, false},          {"-title", true, false},
    {"-icon", true, false},          {"-visual", true, false},
    {"-nograb", false, false},       {"-dograb", false, false},
};

// The toolkit's option `arg` is, if any; `joined` tells whether its value came with it.
const ToolkitOption* ToolkitOptionOf(std::string_view arg, bool& joined) {
  if (arg.starts_with("--")) arg.remove_prefix(1);
  const std::size_t equals = arg.find('=');
  joined = equals != std::string_view::npos;
  for (const ToolkitOption& option : kToolkitOptions) {
    if (arg.substr(0, equals) == option.name && (!joined || option.joined)) return &option;
  }
  return nullptr;
}

constexpr std::string_view kWorksheetFlags[] = {
    "--lista",          "--pdf",      "--fichas", "--palabras", "--definiciones", "--semilla",
    "--sin-soluciones", "--exportar", "--salida", "--preguntas"};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  const auto separator = std::find(args.begin(), args.end(), "--");
  line.toolkit_args = static_cast<std::size_t>(separator - args.begin());
  if (separator != args.end()) line.files.assign(separator + 1, args.end());
  const auto fail = [&line](CommandLineFault::Kind kind, const std::string& what = {}) {
    if (line.fault.kind == CommandLineFault::kNone) line.fault = {kind, what};
  };
  WorksheetOptions o;
  ExportOptions x;
  bool sheets = false;
  std::vector<std::string> operands;
  std::set<std::string> seen;  // an option given twice would silently lose one of its values
  for (std::size_t i = 0; i < line.toolkit_args; ++i) {
    const std::string& arg = args[i];
    if (arg.size() < 2 || arg[0] != '-') {
      operands.push_back(arg);
      continue;
    }
    bool joined = false;
    if (const ToolkitOption* option = ToolkitOptionOf(arg, joined)) {
      line.platform_chosen = line.platform_chosen || option->name == "-platform";
      if (option->value && !joined && i + 1 < line.toolkit_args) ++i;
      continue;
    }
    // --option=value is --option value.
    std::string name = arg;
    std::optional<std::string> value;
    if (const std::size_t equals = arg.find('=');
        arg.starts_with("--") && equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    // The next argument is the value, unless it is another option: "--lista --pdf x.pdf" lacks
    // a list rather than naming one "--pdf" (a value of that shape is written --lista=--pdf).
    const auto take = [&]() -> std::string {
      if (!value && i + 1 < line.toolkit_args && !args[i + 1].starts_with("--")) value = args[++i];
      return value.value_or("");
    };
    const auto number = [&](long long low, long long high, CommandLineFault::Kind kind) {
      const std::string text = take();
      long long n = -1;
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
      if (ec != std::errc() || end != text.data() + text.size() || n < low || n > high) {
        fail(kind);
        return -1LL;
      }
      return n;
    };
    const bool worksheet = std::find(std::begin(kWorksheetFlags), std::end(kWorksheetFlags),
                                     name) != std::end(kWorksheetFlags);
    if (!worksheet && name != "-h" && name != "--help" && name != "--version") {
      fail(CommandLineFault::kUnknownOption, arg);
      continue;
    }
    sheets = sheets || worksheet;
    if (!seen.insert(name).second) fail(CommandLineFault::kRepeated, name);
    if (name == "-h" || name == "--help" || name == "--version" || name == "--sin-soluciones") {
      if (value) fail(CommandLineFault::kValueNotTaken, name);
      if (name == "--version") {
        line.version = true;
      } else if (name == "--sin-soluciones") {
        o.key = false;
      } else {
        line.help = true;
      }
    } else if (name == "--lista" || name == "--pdf" || name == "--salida") {
      const std::string text = take();
      if (text.empty()) {
        fail(name == "--pdf"     ? CommandLineFault::kNoPdf
             : name == "--lista" ? CommandLineFault::kNoList
                                 : CommandLineFault::kNoOutput);
      }
      (name == "--pdf" ? o.pdf : name == "--lista" ? o.list : x.output) = text;
    } else if (name == "--exportar") {
      const std::string text = take();
      x.format = ExportFormatNamed(text);
      if (!x.format) fail(CommandLineFault::kFormat, text);
    } else if (name == "--fichas" || name == "--preguntas") {
      const bool sheet = name == "--fichas";
      o.sheets = static_cast<int>(
          number(1, kMaxSheets, sheet ? CommandLineFault::kSheets : CommandLineFault::kQuestions));
      x.counts.questions = o.sheets;
    } else if (name == "--palabras") {
      // Checked once it is known whether a sheet (a screen's counts) or a question (up to a
      // whole list) is asked for.
      o.words = static_cast<int>(number(1, kMaxEntradas, CommandLineFault::kNone));
      x.counts.words = o.words;
      o.counts_given = true;
    } else if (name == "--definiciones") {
      o.definitions = static_cast<int>(number(1, kMaxEntradas, CommandLineFault::kNone));
      x.counts.definitions = o.definitions;
      o.counts_given = true;
    } else {
      o.seed = static_cast<std::uint32_t>(number(0, 4294967295LL, CommandLineFault::kSeed));
    }
  }
  if (!sheets) {
    line.files.insert(line.files.begin(), operands.begin(), operands.end());
    return line;
  }
  if (!operands.empty() || !line.files.empty()) {
    fail(CommandLineFault::kFileWithSheets, (operands.empty() ? line.files : operands).front());
  }
  const bool exported = seen.count("--exportar") > 0;
  // The options of the other command line than the one asked for.
  for (const std::string_view other :
       {"--pdf", "--fichas", "--sin-soluciones", "--salida", "--preguntas"}) {
    const bool of_sheets = other != "--salida" && other != "--preguntas";
    if (seen.count(std::string(other)) && of_sheets == exported) {
      fail(exported ? CommandLineFault::kNotWithExport : CommandLineFault::kOnlyWithExport,
           std::string(other));
    }
  }
  const int most = exported ? kMaxEntradas : kMaxCount;
  if (o.words < 1 || o.words > most) fail(CommandLineFault::kWords, std::to_string(most));
  if (o.definitions < 1 || o.definitions > most)
    fail(CommandLineFault::kDefinitions, std::to_string(most));
  if (exported && x.format && !x.format->questions) {
    for (const char* count : {"--preguntas", "--palabras", "--definiciones"})
      if (seen.count(count)) fail(CommandLineFault::kNoQuestions, count);
  }
  if (!line.help && !line.version) {
    if (o.list.empty()) fail(CommandLineFault::kListMissing);
    if (exported && x.output.empty()) fail(CommandLineFault::kOutputMissing);
    if (!exported && o.pdf.empty()) fail(CommandLineFault::kPdfMissing);
  }
  if (exported) {
    x.list = o.list;
    x.seed = o.seed;
    line.exported = x;
    return line;
  }
  // As many definitions as words unless told: "--palabras 6" alone would be refused with four.
  if (!seen.count("--definiciones")) o.definitions = o.words;
  line.sheets = o;
  return line;
}

}  // namespace glosandas
