// The real program, started offscreen in a folder of its own, ended by signals.
#include <signal.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <regex>
#include <thread>

#include "files/atomic_file.h"
#include "form_fixture.h"

namespace glosandas::testing {
namespace {

using namespace std::chrono_literals;

// Polls until `done` holds, for at most 30 s.
template <typename Done>
bool WaitFor(Done done) {
  for (auto end = std::chrono::steady_clock::now() + 30s; std::chrono::steady_clock::now() < end;) {
    if (done()) return true;
    std::this_thread::sleep_for(2ms);
  }
  return false;
}

// Whether the process has its own handler for `sig`: then it is ready to be ended by it.
bool Catches(pid_t pid, int sig) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.starts_with("SigCgt:"))
      return (std::stoull(line.substr(7), nullptr, 16) >> (sig - 1)) & 1;
  }
  return false;
}

// A child process that is ended on every path out of the test.
struct Child {
  pid_t pid = -1;
  ~Child() {
    if (pid > 0 && waitpid(pid, nullptr, WNOHANG) == 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }
};

// "Open with Glosandas": a file named on the command line, by a name that is not UTF-8, is
// imported into the user's lists folder, made in an empty home, and is the list in force at close.
TEST(ProgramTest, OpensAFileNamedOnTheCommandLine) {
  TempFolder folder;
  std::filesystem::copy_file(GLOSANDAS_BINARY, folder.path() / "glosandas");
  folder.Write("relieve.txt", NumberedList(10));
  folder.Write("descargas/a\xF1o.tsv", "enero\tPrimer mes\nfebrero\tSegundo mes\n");
  Child child;
  child.pid = fork();
  if (child.pid == 0) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("HOME", (folder.path() / "casa").c_str(), 1);
    for (const char* name : {"XDG_CONFIG_HOME", "XDG_DATA_HOME"}) unsetenv(name);
    setenv("XDG_DATA_DIRS", (folder.path() / "nada").c_str(), 1);
    const std::string program = (folder.path() / "glosandas").string();
    const std::string list = (folder.path() / "descargas/a\xF1o.tsv").string();
    execl(program.c_str(), program.c_str(), list.c_str(), nullptr);
    _exit(127);
  }
  const auto imported = folder.path() / "casa/.local/share/glosandas/año.txt";
  ASSERT_TRUE(
      WaitFor([&] { return std::filesystem::exists(imported) && Catches(child.pid, SIGTERM); }));
  kill(child.pid, SIGTERM);
  ASSERT_TRUE(WaitFor([&] { return waitpid(child.pid, nullptr, WNOHANG) == child.pid; }));
  child.pid = -1;
  EXPECT_NE(ReadBytes(folder.path() / "glosandas.ini").find("a\xF1o = "), std::string::npos);
}

TEST(ProgramTest, KilledWhileSavingNeverLeavesAHalfFile) {
  // A child saves over and over, alternating two settings, and is killed at random moments.
  TempFolder folder;
  RecordingPlatform platform;
  platform.folder = folder.path();
  Form1 form(platform);
  std::string whole[2];
  for (int n : {5, 4}) {
    form.NumPal = form.NumDef = static_cast<Int>(n);
    form.GuardarOpciones();
    whole[n - 4] = ReadBytes(folder.path() / "glosandas.ini");
  }
  std::srand(7);
  for (int round = 0; round < 60; ++round) {
    const pid_t pid = fork();
    if (pid == 0) {
      for (int i = 0;; ++i) {
        form.NumPal = form.NumDef = static_cast<Int>(i % 2 ? 5 : 4);
        form.GuardarOpciones();
      }
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200 + std::rand() % 3000));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    const std::string now = ReadBytes(folder.path() / "glosandas.ini");
    ASSERT_TRUE(now == whole[0] || now == whole[1]) << "round " << round << ": " << now;
  }
  // What the killed saves left behind goes at the next start.
  RemoveStaleTemporaries(folder.path());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

}  // namespace
}  // namespace glosandas::testing

namespace glosandas::testing {
namespace {

// A command's standard output, and its exit status; it is given 60 s.
std::pair<std::string, int> Shell(const std::string& command) {
  FILE* pipe = popen(("timeout 60 sh -c '" + command + "'").c_str(), "r");
  std::string out;
  char buffer[4096];
  for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  const int status = pclose(pipe);
  return {out, WIFEXITED(status) ? WEXITSTATUS(status) : -1};
}

// The command that runs the program, copied into `folder` with the list "verbos", from there:
// without a display or a runtime folder, with the folder's tmp/ for its own, for 60 s at most.
std::string ProgramIn(const TempFolder& folder) {
  std::filesystem::copy_file(GLOSANDAS_BINARY, folder.path() / "glosandas");
  folder.Write("verbos.txt", NumberedList(12));
  std::filesystem::create_directory(folder.path() / "tmp");
  return "timeout -k 5 60 env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u "
         "XDG_RUNTIME_DIR TMPDIR=" +
         (folder.path() / "tmp").string() +
         " XDG_DATA_HOME=d XDG_CONFIG_HOME=c XDG_DATA_DIRS=s ./glosandas ";
}

// Worksheets from the command line, read back from the PDF as text: each sheet's words numbered,
// its definitions with their decoys, and the key in the sheet's order giving each definition its
// word's number; a wrong request writes nothing.
TEST(ProgramTest, WorksheetsFromTheCommandLine) {
  TempFolder folder;
  const std::string program = "cd " + folder.path().string() + " && " + ProgramIn(folder);
  folder.Write("vacia.txt", "sin entradas\r\n");
  folder.Write("corta.csv", "a;b\nc;d\n");
  // As copied from the PDF: "definición" with its letters, never a ligature glyph for "fi".
  const auto text = [&](const char* pdf) {
    return Shell("pdftotext " + (folder.path() / pdf).string() + " -").first;
  };
  ASSERT_EQ(
      Shell(program + "--lista verbos --fichas 3 --definiciones 6 --semilla 7 --pdf a.pdf").second,
      0);
  const std::string a = text("a.pdf");
  const std::size_t key_at = a.find("verbos — Soluciones");
  ASSERT_NE(key_at, std::string::npos);
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    const auto part = [k](const std::string& all, const std::string& heading) {
      const std::size_t from = all.find(heading + std::to_string(k)),
                        to = all.find(heading + std::to_string(k + 1));
      return from == std::string::npos ? std::string() : all.substr(from, to - from);
    };
    const std::string sheet = part(a.substr(0, key_at), "verbos — Ficha "),
                      key = part(a.substr(key_at), "Ficha ");
    EXPECT_NE(sheet.find(" de 3\n"), std::string::npos);
    EXPECT_NE(sheet.find("Sobran 2 definiciones."), std::string::npos);
    std::map<std::string, std::string> number;  // an entry's number on the sheet
    std::string wanted, keyed;
    const std::regex numbered("(\\d+)\\. palabra(\\d+)"), defined("definición (\\d+)\\b"),
        answered("(\\d+|—)\\s+definición (\\d+)\\b");
    for (std::sregex_iterator m(sheet.begin(), sheet.end(), numbered), end; m != end; ++m)
      number[(*m)[2]] = (*m)[1];
    EXPECT_EQ(number.size(), 4u);
    for (std::sregex_iterator m(sheet.begin(), sheet.end(), defined), end; m != end; ++m)
      wanted += (number.count((*m)[1]) ? number[(*m)[1]] : "—") + " " + (*m)[1].str() + ", ";
    for (std::sregex_iterator m(key.begin(), key.end(), answered), end; m != end; ++m)
      keyed += (*m)[1].str() + " " + (*m)[2].str() + ", ";
    EXPECT_EQ(std::count(wanted.begin(), wanted.end(), ','), 6);
    EXPECT_EQ(keyed, wanted);
  }
  // Its fonts embedded: no TrueType font (name, type, encoding, emb...) says "no" under "emb".
  const std::string fonts = Shell("pdffonts " + (folder.path() / "a.pdf").string()).first;
  EXPECT_NE(fonts.find("TrueType"), std::string::npos);
  EXPECT_FALSE(std::regex_search(fonts, std::regex("TrueType +\\S+ +no "))) << fonts;

  // The title is written larger than the instruction.
  const std::string boxes =
      Shell("pdftotext -bbox " + (folder.path() / "a.pdf").string() + " -").first;
  const auto height = [&boxes](const std::string& word) {
    std::smatch m;
    const std::regex box("yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"([0-9.]+)\">" + word + "<");
    return std::regex_search(boxes, m, box) ? std::stod(m[2]) - std::stod(m[1]) : 0.0;
  };
  EXPECT_GT(height("Ficha"), 1.3 * height("Escriba"));

  // Long definitions go on to the next page whole: ten of them fill pages of their own.
  std::string long_rows, words;
  for (int n = 0; n < 90; ++n) words += "larga ";
  for (int k = 1; k <= 10; ++k)
    long_rows += "w" + std::to_string(k) + ";" + words + "fin" + std::to_string(k) + "\n";
  folder.Write("largas.csv", long_rows);
  ASSERT_EQ(
      Shell(program + "--lista largas.csv --palabras 10 --definiciones 10 --pdf l.pdf").second, 0);
  const std::string pages = Shell("pdfinfo " + (folder.path() / "l.pdf").string()).first;
  EXPECT_GE(std::stoi(pages.substr(pages.find("Pages:") + 6)), 4);
  for (int k = 1; k <= 10; ++k)
    EXPECT_NE(text("l.pdf").find("fin" + std::to_string(k)), std::string::npos);
  // A key's "Ficha N" never ends a page, its first row on the next (75 words end one there).
  std::string key_rows;
  for (int k = 1; k <= 6; ++k)
    key_rows += "w" + std::to_string(k) + ";" + words.substr(0, 450) + "\n";
  folder.Write("k.csv", key_rows);
  Shell(program + "--lista k.csv --fichas 6 --palabras 1 --definiciones 1 --pdf k.pdf");
  EXPECT_FALSE(std::regex_search(text("k.pdf"), std::regex("Ficha \\d+\\s*\f"))) << text("k.pdf");

  // The seed given is the one dealt from; without one, new sheets each run.
  Shell(program + "--lista verbos --fichas 3 --definiciones 6 --semilla 7 --pdf b.pdf");
  EXPECT_EQ(text("b.pdf"), a);
  Shell(program + "--pdf c.pdf --lista verbos.txt --fichas 3 --sin-soluciones");
  Shell(program + "--pdf d.pdf --lista verbos.txt --fichas 3 --sin-soluciones");
  EXPECT_NE(text("c.pdf"), text("d.pdf"));
  EXPECT_EQ(text("c.pdf").find("Soluciones"), std::string::npos);

  // Each command line's exit status and words (on standard output for 0, on standard error
  // otherwise), and not a word from the toolkit nor a folder made for it: no display is needed.
  // A wrong request writes nothing.
  const auto run = [&](const std::string& args, int expected, const std::string& says) {
    SCOPED_TRACE(args);
    const auto [out, status] = Shell(program + args + " 2>error");
    const std::string error = ReadBytes(folder.path() / "error");
    EXPECT_EQ(status, expected);
    EXPECT_NE((status ? error : out).find(says), std::string::npos) << out << error;
    EXPECT_EQ(error.empty(), status == 0) << error;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "e.pdf"));
  };
  run("-h", 0, "Uso: glosandas");
  run("--help", 0, "--sin-soluciones");
  run("--version", 0, "glosandas " GLOSANDAS_VERSION "\n");
  run("--lista=verbos --pdf=f.pdf --fichas=2", 0, "");
  run("--lista verbos --palabras 6 --pdf f.pdf", 0, "");  // six definitions, not four
  run("-style fusion --lista verbos -reverse --pdf g.pdf", 0, "");
  run("--lista verbos --exportar csv --salida -", 0, "\npalabra12;definición 12\r\n");
  run("", 1, "glosandas: no hay ninguna pantalla");
  run("-x", 2, "glosandas: opción desconocida «-x».\nPruebe «glosandas --help».\n");
  for (const char* wrong :
       {"--lista nada --pdf e.pdf", "--lista vacia --pdf e.pdf",
        "--lista corta.csv --pdf e.pdf --definiciones 3", "--lista verbos --pdf no/e.pdf",
        "--lista verbos --pdf .", "--lista verbos --exportar gift --salida e.pdf --definiciones 6",
        "--lista verbos --exportar csv --salida e.pdf --fichas 2"}) {
    run(wrong, 2, "glosandas: ");
  }
  folder.Write("roto.apkg", "PK\x03\x04");
  run("--lista roto.apkg --pdf e.pdf", 2, "«roto.apkg» no es un paquete de tarjetas que se pueda");
  EXPECT_TRUE(std::filesystem::exists(folder.path() / "f.pdf") &&
              std::filesystem::exists(folder.path() / "g.pdf"));
  EXPECT_TRUE(std::filesystem::is_empty(folder.path() / "tmp"));
  // No settings file was read or written.
  EXPECT_FALSE(std::filesystem::exists(folder.path() / "glosandas.ini"));

  // Each word of a sheet printed whole, inside the page (A4: 842 pt high) and left of the
  // definitions' boxes (12 mm, 34 pt, before their texts): short, long, ten long ones.
  std::vector<std::vector<std::string>> layouts = {
      {"casa", "gato"}, {"anticonstitucionalmente", "esternocleidomastoideo", "casa"}, {}};
  for (int k = 1; k <= 10; ++k) layouts[2].push_back("w" + std::to_string(k) + words.substr(0, 84));
  for (const std::vector<std::string>& list : layouts) {
    std::string rows, read, n = std::to_string(list.size());
    for (const std::string& w : list) rows += w + ";Sentido " + std::to_string(rows.size()) + "\n";
    folder.Write("w.csv", rows);
    Shell(program + "--lista w.csv --sin-soluciones --palabras " + n + " --definiciones " + n +
          " --pdf w.pdf");
    const std::string boxes =
        Shell("pdftotext -bbox " + (folder.path() / "w.pdf").string() + " -").first;
    const std::regex token(
        "xMin=\"([0-9.]+)\" yMin=\"[0-9.]+\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\">([^<]*)<");
    double right = 1e9;               // where the definitions' boxes start
    std::vector<std::smatch> column;  // the words' tokens, after the heading
    for (std::sregex_iterator m(boxes.begin(), boxes.end(), token), end; m != end; ++m) {
      if ((*m)[4] == "Sentido") right = std::min(right, std::stod((*m)[1]) - 34);
      if ((!column.empty() || (*m)[4] == "1.") &&
          !std::regex_match((*m)[4].str(),
                            std::regex("Sentido|\\d+|w|—|Ficha|de|\\(continuación\\)")))
        column.push_back(*m);
    }
    for (const std::smatch& m : column) {
      read += m[4];
      EXPECT_TRUE(std::stod(m[2]) <= right && std::stod(m[3]) <= 842) << m[4] << " " << right;
    }
    // A page that goes on with a sheet says so.
    EXPECT_EQ(boxes.find("(continuación)") != std::string::npos, list.size() == 10);
    for (std::string w : list) {
      std::erase(w, ' ');
      EXPECT_NE(read.find(w), std::string::npos) << w;
    }
  }

  // A homonym: the counts come down to the entries that can share a sheet, with a warning.
  folder.Write("banco.csv", "banco;Asiento\nbanco;Entidad\nsilla;Asiento con respaldo\n");
  const auto [said, status] = Shell(program + "--lista banco.csv --palabras 3 --definiciones 3 " +
                                    "--pdf h.pdf 2>&1 >/dev/null");
  EXPECT_EQ(status, 0);
  EXPECT_NE(said.find("glosandas: aviso: La lista repite palabras o definiciones, y una ficha no "
                      "muestra dos iguales: caben como mucho 2 entradas por ficha. Cada ficha "
                      "lleva 2 palabras y 2 definiciones.\n"),
            std::string::npos)
      << said;

  // A right-to-left word after its number, letters copied as written, and a character no font
  // has (unassigned) named in a warning, the PDF written all the same.
  folder.Write("r.csv", "\u05E9\u05DC\u05D5\u05DD;flor affine\ncasa;x \u0378\n");
  const auto [warned, written] =
      Shell(program + "--lista r.csv --semilla 1 --pdf r.pdf 2>&1 >/dev/null");
  EXPECT_EQ(written, 0);
  EXPECT_EQ(warned,
            "glosandas: aviso: Ninguna fuente instalada puede mostrar este carácter, que se "
            "imprimirá como un recuadro vacío: U+0378 «\u0378».\n");
  std::string r = text("r.pdf");
  for (const char* mark : {"\u202B", "\u202C"}) r = std::regex_replace(r, std::regex(mark), "");
  EXPECT_TRUE(std::regex_search(r, std::regex("\\d\\. \u05E9\u05DC\u05D5\u05DD"))) << r;
  EXPECT_NE(r.find("flor affine"), std::string::npos) << r;
}

// A PDF into a pipe, standard output or a device is written there, never replacing it; on a full
// disk, however it comes (after the first 16 KiB written, where one was seen to leave a broken PDF
// and exit 0), or into a pipe whose reader is gone: exit 2, the old PDF whole, nothing beside it.
TEST(ProgramTest, PdfIntoPipesDevicesAndFullDisks) {
  TempFolder folder;
  const std::string program = ProgramIn(folder) + "--lista verbos --fichas 3 --pdf ",
                    here = "cd " + folder.path().string() + " && ";
  const auto whole = [](const std::string& pdf) { return pdf.ends_with("%%EOF\n"); };
  const std::string reader = "tubo & timeout 20 cat tubo >leido; wait $!; }";
  EXPECT_EQ(Shell(here + "mkfifo tubo && { " + program + reader).second, 0);
  EXPECT_TRUE(std::filesystem::is_fifo(folder.path() / "tubo"));
  EXPECT_TRUE(whole(ReadBytes(folder.path() / "leido")));
  EXPECT_TRUE(whole(Shell(here + program + "-").first));
  // A pipe whose only reader has opened it and gone.
  const std::string gone = "mkfifo q && { sh -c \"exec <q\" & exec 4>q; wait; ";
  EXPECT_EQ(Shell(here + gone + program + "- >&4 2>/dev/null; echo $?; }").first, "2\n");
  // A device node of our own, as /dev/null: only root may make one.
  if (mknod((folder.path() / "nulo").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) {
    EXPECT_EQ(Shell(here + program + "nulo").second, 0);
    EXPECT_TRUE(std::filesystem::is_character_file(folder.path() / "nulo"));
  }

  folder.Write("viejo.pdf", "%PDF viejo\n");
  // Runs its arguments, then tells their status, whether the old PDF stays and what is beside it.
  folder.Write("escribe.sh",
               "\"$@\" >\"${SALIDA:-/dev/null}\" 2>&1; echo $?; cmp -s disco/a.pdf viejo.pdf && "
               "echo igual; ls disco");
  const std::string pdf = "sh escribe.sh " + program,
                    disk = "mount -t tmpfs -o size=20k tmpfs disco";
  for (const std::string& run :
       {"trap \"\" XFSZ; ulimit -f 32; " + pdf + "disco/a.pdf", "SALIDA=/dev/full " + pdf + "-",
        "unshare -m sh -c \"" + disk + " && cp viejo.pdf disco/a.pdf && " + pdf +
            "disco/a.pdf\" 2>/dev/null || echo no mount"}) {
    SCOPED_TRACE(run);
    folder.Write("disco/a.pdf", "%PDF viejo\n");
    const std::string out = Shell(here + run).first;
    if (out == "no mount\n") continue;  // a small file system needs root
    EXPECT_EQ(out, "2\nigual\na.pdf\n");
  }
}

}  // namespace
}  // namespace glosandas::testing
