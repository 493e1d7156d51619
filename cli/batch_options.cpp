#include "cli/batch_options.h"

#include <string_view>

#include "compute/run.h"
#include "platform/error.h"

namespace qv {
namespace {

constexpr const char* kHelp =
    R"(Użycie: quavelor-batch --frame 89|2000 [--tasks 1234] [--model PLIK] [FOLDER]

Wykonuje obliczenia Quavelor_5021RM bez okien, na plikach danych w folderze
FOLDER (domyślnie w folderze bieżącym), tak samo jak przycisk OBLICZAJ:
  zadanie 1: bl -> bln                  anomalia wysokości N oraz składowe
                                        odchylenia pionu KSI i ETA
  zadanie 2: blh_e -> blh_n.1           wysokości elipsoidalne na normalne
                                        (PL-KRON86-NH), z KSI i ETA
  zadanie 3: blh_n -> blh_e.1           wysokości normalne na elipsoidalne
  zadanie 4: deltah.gps + blh.grs -> deltah1
                                        niwelacja satelitarna
Wielkość liter w nazwach plików nie ma znaczenia. Zadanie, którego plik danych
istnieje, zapisuje swój plik wynikowy od nowa; pozostałe pliki wynikowe zostają
bez zmian. Pliki wynikowe są takie same jak z programu z oknami.

Opcje:
  --frame 89|2000   układ wysokości elipsoidalnych (obowiązkowo):
                    89 = PL-ETRF89, 2000 = PL-ETRF2000
  --tasks LISTA     zadania do wykonania, cyfry od 1 do 4, np. --tasks 13;
                    domyślnie wszystkie cztery
  --model PLIK      plik modelu quasi-geoidy; domyślnie quavelor_5021RM.bin
                    w folderze FOLDER, a gdy go tam nie ma, plik o tej nazwie
                    w folderze programu
  --help            ten opis

Komunikaty obliczeń są wypisywane na standardowe wyjście błędów, po jednym
w wierszu; program nie czeka na odpowiedź. Gdy standardowe wyjście błędów jest
terminalem, widać też postęp: liczbę przeczytanych rekordów zadania.

Kod wyjścia:
  0  obliczenia zakończone komunikatem " koniec obliczeń "
  1  błąd danych, który przerywa program (zadanie 4: błędny rekord w blh.grs
     albo więcej niż 100000 punktów)
  2  błędne wywołanie
  3  brak pliku modelu albo błędny plik modelu
  4  brak danych ("*** Brak zbioru danych ")
  5  pliku nie można odczytać albo zapisać ("*** Błąd pliku: ...")
)";

constexpr std::string_view kFrameOption = "--frame";
constexpr std::string_view kTasksOption = "--tasks";
constexpr std::string_view kModelOption = "--model";
constexpr std::string_view kHelpOption = "--help";
constexpr std::string_view kEndOfOptions = "--";

int ParseFrame(const std::string& value) {
  if (value == "89") return kFrameETRF89;
  if (value == "2000") return kFrameETRF2000;
  throw Error("--frame przyjmuje 89 albo 2000, nie \"" + value + "\"");
}

std::array<bool, 4> ParseTasks(const std::string& value) {
  std::array<bool, 4> enabled{};
  if (value.empty()) throw Error("--tasks wymaga co najmniej jednego zadania, np. --tasks 13");
  for (char c : value) {
    if (c < '1' || c > '4') {
      throw Error("--tasks przyjmuje cyfry od 1 do 4, nie \"" + value + "\"");
    }
    enabled[c - '1'] = true;
  }
  return enabled;
}

}  // namespace

BatchOptions ParseBatchOptions(const std::vector<std::string>& args) {
  BatchOptions options;
  bool frameGiven = false, tasksGiven = false, modelGiven = false, folderGiven = false;
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
      if (folderGiven) throw Error("podano więcej niż jeden folder: \"" + arg + "\"");
      options.Folder = arg;
      folderGiven = true;
      continue;
    }
    if (arg == kEndOfOptions) {
      optionsEnded = true;
      continue;
    }
    if (arg == kHelpOption) {
      options.help = true;
      continue;
    }
    // "--name value" or "--name=value".
    std::string name = arg, value;
    size_t equals = arg.find('=');
    if (equals != std::string::npos) {
      name = arg.substr(0, equals);
      value = arg.substr(equals + 1);
    }
    bool* given = name == kFrameOption   ? &frameGiven
                  : name == kTasksOption ? &tasksGiven
                  : name == kModelOption ? &modelGiven
                                         : nullptr;
    if (given == nullptr) throw Error("nieznana opcja: " + arg);
    if (*given) throw Error("opcja " + name + " podana więcej niż raz");
    *given = true;
    if (equals == std::string::npos) {
      if (i + 1 >= args.size()) throw Error("po " + name + " brakuje wartości");
      value = args[++i];
    }
    if (name == kFrameOption) options.FrameCode = ParseFrame(value);
    if (name == kTasksOption) options.TaskEnabled = ParseTasks(value);
    if (name == kModelOption) {
      if (value.empty()) throw Error("--model wymaga nazwy pliku");
      options.ModelPath = value;
    }
  }
  if (!options.help && !frameGiven) {
    throw Error("brak opcji --frame 89|2000 (układ wysokości elipsoidalnych)");
  }
  return options;
}

const char* BatchHelpText() {
  return kHelp;
}

}  // namespace qv
