#include "arguments.h"
#include "commands.h"

#include <functional>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr const char *usage =
    "Aufruf: penvaro-cli BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  dump DATEI [--sort-by normal|ad|wd] [--sort1 asc|desc] [--sort2 asc|desc]\n"
    "      Gibt die Buchungen der Kontodatei in Tabellenreihenfolge aus, eine Zeile je\n"
    "      Datensatz (Felder durch Tabulatoren getrennt), danach die Zeile \"runs\".\n"
    "      Eine Datei, deren Name auf 02 endet, wird im alten Format gelesen.\n"
    "  convert DATEI.p02\n"
    "      Schreibt die Kontodatei im alten Format als DATEI.p11 daneben; eine vorhandene\n"
    "      DATEI.p11 wird nie ersetzt.\n"
    "\n"
    "Rückgabewerte: 0 Erfolg, 1 Datei nicht lesbar oder nicht schreibbar, 2 falscher Aufruf.\n";

} // namespace

int main(int argc, char **argv) {
    using namespace penvaro::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        std::cout << usage;
        return ExitOk;
    }
    const std::map<std::string, std::function<int(const std::vector<std::string> &)>> commands = {
        {"dump", RunDump},
        {"convert", RunConvert},
    };
    const auto command = args.empty() ? commands.end() : commands.find(args.front());
    if (command == commands.end()) {
        std::cerr << usage;
        return ExitUsage;
    }
    return command->second({args.begin() + 1, args.end()});
}
