#include "arguments.h"
#include "commands.h"
#include "standardoutput.h"

#include "core/fileio.h"
#include "core/textencoding.h"

#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr const char *usage =
    "Aufruf: penvaro-cli BEFEHL [ARGUMENTE]\n"
    "\n"
    "Befehle:\n"
    "  dump DATEI [--sort-by normal|ad|wd] [--sort1 asc|desc] [--sort2 asc|desc]\n"
    "       [--balances] [--full]\n"
    "      Gibt die Buchungen der Kontodatei in Tabellenreihenfolge aus, eine Zeile je\n"
    "      Datensatz (Felder durch Tabulatoren getrennt), danach die Zeile \"runs\".\n"
    "      Eine Datei, deren Name auf 02 endet, wird im alten Format gelesen.\n"
    "      Mit --balances endet jede Zeile einer gebuchten oder geplanten Buchung mit ihrem\n"
    "      laufenden Kontostand in Zehntausendstel Euro; bei anderen Sätzen bleibt das Feld leer.\n"
    "      Mit --full stehen Buchungsart, Absender und Verwendungszweck ungekürzt da, wie die\n"
    "      Begleitdatei (DATEI.pvdb) sie hält.\n"
    "  balance DATEI [--today TT.MM.JJJJ] [--rate KURS] [--currency NAME]\n"
    "      Gibt die Zeilen book (Kontostand), planned (Summe der geplanten Buchungen),\n"
    "      projected (Kontostand am spätesten Wertdatum, mit diesem Datum) und today\n"
    "      (heutiger Kontostand) aus, je in Zehntausendstel Euro und als Euro-Text.\n"
    "      --today ersetzt das heutige Datum. Mit --rate (z. B. 1,95583) folgt der Betrag in\n"
    "      der Landeswährung, deren Name --currency angibt (Standard DM).\n"
    "  recurring DATEI --lm TT.MM.JJJJ|0 --today TT.MM.JJJJ\n"
    "      Zeigt, ohne etwas zu schreiben, die geplanten Buchungen, die die monatlichen\n"
    "      Buchungen vom Prüftag --lm (0: nie geprüft) bis --today anlegen würden, im Format\n"
    "      von dump, danach die Zeile \"LM\" mit dem nächsten Prüftag.\n"
    "  interest DATEI (--from TT.MM.JJJJ --to TT.MM.JJJJ | --year JJJJ) [--credit SATZ]\n"
    "       [--debit SATZ]\n"
    "      Schätzt die Zinsen aus dem Kontostand am Ende jedes Tages ab der ersten Buchung,\n"
    "      nach Wertdatum geordnet. Mit --from und --to die Zeilen credit (Habenzinsen),\n"
    "      debit (Sollzinsen, negativ) und total, je in Zehntausendstel Euro und als\n"
    "      Euro-Text; mit --year zwölf Zeilen Monat, Habenzinsen, Sollzinsen. Die Sätze in\n"
    "      Prozent im Jahr (z. B. 2,5) sind sonst die für die Datei gespeicherten (2 und 9,\n"
    "      wenn keine gespeichert sind).\n"
    "  search DATEI (--exact WORT | --contains WORT | --range) [--fields art,absender,zweck]\n"
    "       [--from TT.MM.JJJJ] [--to TT.MM.JJJJ] [--sort-by ...] [--sort1 ...] [--sort2 ...]\n"
    "      Gibt die Buchungen, deren Wertdatum im Bereich liegt und deren Feld (Standard:\n"
    "      alle drei) gleich dem Wort ist oder es enthält (dabei gelten a-z, ä, ö, ü groß wie\n"
    "      klein), im Format von dump aus, danach die Zeile \"sum\" mit der Summe in\n"
    "      Zehntausendstel Euro und als Euro-Text. Der Bereich reicht ohne --from und --to\n"
    "      vom frühesten bis zum spätesten Wertdatum der gebuchten und geplanten Buchungen.\n"
    "      Monatliche Buchungen werden nie gefunden.\n"
    "  report DATEI --year JJJJ [--by art|absender]\n"
    "      Summiert die gebuchten Buchungen mit Wertdatum im Jahr je Buchungsart (Standard)\n"
    "      oder je Absender/Empfänger und Monat: eine Zeile je Art oder Absender mit Namen\n"
    "      (leer: (ohne)), den zwölf Monatssummen und der Jahressumme in Zehntausendstel Euro,\n"
    "      durch Tabulatoren getrennt, von der größten Ausgabe bis zur größten Einnahme, bei\n"
    "      gleicher Summe nach Namen; danach die Zeile \"sum\" mit den Monats- und der\n"
    "      Jahressumme.\n"
    "  print DATEI --list --pdf AUSGABE.pdf [--from TT.MM.JJJJ] [--to TT.MM.JJJJ] [--national]\n"
    "  print DATEI (--exact WORT | --contains WORT | --range) [--fields ...] --pdf AUSGABE.pdf\n"
    "      Druckt die Buchungsliste (alle Spalten, beide Tabellen, Dateiname und Seitenzahlen,\n"
    "      die gespeicherten Titel) oder die Auswertung einer Suche wie search in eine PDF-Datei.\n"
    "      Mit --national stehen die Beträge in der Landeswährung der Datei.\n"
    "  import DATEI.p11 KONTOAUSZUG [--dry-run] [--other-account] [--account KONTO]\n"
    "         [--csv-layout NAME] [--loose]\n"
    "      Übernimmt die gebuchten Umsätze eines Kontoauszugs (CAMT.053, MT940 oder CSV einer\n"
    "      Bank, am Inhalt erkannt; --csv-layout NAME erzwingt einen CSV-Aufbau) als\n"
    "      gebuchte Buchungen; passende geplante Buchungen werden ersetzt, schon vorhanden\n"
    "      (auch aus dem anderen Format der Bank) übersprungen. Gibt je Buchung added, matched\n"
    "      oder skipped und die Felder wie dump (ohne Platz) aus, danach die Zeile \"closing\"\n"
    "      mit dem Schlusssaldo des letzten Auszugs (- ohne Schlusssaldo) und dem Kontostand am\n"
    "      Tag dieses Schlusssaldos (ohne ihn: nach dem Import), in Zehntausendstel Euro. Mit\n"
    "      --dry-run wird nichts geschrieben. Der Auszug eines anderen Kontos als in den\n"
    "      Kontodaten der Datei wird nur mit --other-account übernommen. Aus einer Datei mit\n"
    "      Auszügen mehrerer Konten wählt --account KONTO (wie in :25: oder als IBAN) eines.\n"
    "      Vorgemerkte Umsätze werden als pending gezeigt und nicht gebucht. Eine geplante\n"
    "      Buchung, die nur im Betrag oder nur im Namen passt, ersetzt erst --loose.\n"
    "  convert DATEI.p02\n"
    "      Schreibt die Kontodatei im alten Format als DATEI.p11 daneben; eine vorhandene\n"
    "      DATEI.p11 wird nie ersetzt.\n"
    "  settings export DATEI.reg\n"
    "  settings import DATEI.reg\n"
    "      Schreibt alle Einstellungen des Programms als Registrierungsdatei (UTF-16) oder\n"
    "      übernimmt eine solche Datei (UTF-16 oder UTF-8). Eine fehlerhafte Datei wird mit\n"
    "      ihrer Zeilennummer abgelehnt und ändert nichts.\n"
    "  blz-lookup BANKLEITZAHL\n"
    "      Gibt den Kurznamen der Bank mit dieser Bankleitzahl aus, oder \"nicht vorhanden\".\n"
    "  blz-search [--name NAME] [--place ORT]\n"
    "      Gibt jede Bankstelle, deren Name NAME und deren Ort ORT enthält, in der Reihenfolge\n"
    "      der Datei aus: Bankleitzahl, Bankname, PLZ und Ort, durch Tabulatoren getrennt.\n"
    "      Nur a-z werden zu Großbuchstaben; Umlaute wie in der Datei schreiben.\n"
    "      Gelesen wird blz.asc im Datenordner (~/.local/share/penvaro), sonst die mit dem\n"
    "      Programm gelieferte Datei.\n"
    "  blz-import BUNDESBANKDATEI ZIEL\n"
    "      Wandelt die Bankleitzahlendatei der Deutschen Bundesbank (blz_*.txt) in das\n"
    "      Format von blz.asc um; als ZIEL ~/.local/share/penvaro/blz.asc wird sie benutzt.\n"
    "  words BETRAG\n"
    "      Gibt den Betrag in Buchstaben aus, wie er auf Schecks steht: ein Wort je Ziffer\n"
    "      der ganzen Euro (1.250,00 ergibt *eins*zwei*fuenf*null*). Der Betrag wird wie im\n"
    "      Zahlungsverkehr geschrieben: Tausenderpunkte, Komma, höchstens zwei Nachkomma-\n"
    "      stellen, kein Vorzeichen; ein anderer wird mit Rückgabewert 2 abgelehnt.\n"
    "  iban-check IBAN\n"
    "      Prüft die IBAN (mit oder ohne Leerzeichen): Land, Länge und Prüfziffern, bei einer\n"
    "      deutschen IBAN auch Bankleitzahl und Kontonummer nach der Prüfmethode der Bank.\n"
    "      Gibt valid, die IBAN, den BIC und den Namen der Bank aus (leer, wenn unbekannt),\n"
    "      durch Tabulatoren getrennt, oder invalid und den Grund (Rückgabewert 1).\n"
    "  iban-from KONTONUMMER BANKLEITZAHL\n"
    "      Gibt die deutsche IBAN des Kontos aus; Rückgabewert 1 mit dem Grund, wenn die Bank\n"
    "      unbekannt ist oder die Kontonummer ihre Prüfung nicht besteht.\n"
    "  creditor-id-check GLÄUBIGER-ID\n"
    "      Prüft die Gläubiger-Identifikationsnummer für SEPA-Lastschriften (mit oder ohne\n"
    "      Leerzeichen): Land, Prüfziffern, Geschäftsbereichskennung, nationale Kennung (in\n"
    "      Deutschland 18 Stellen). Gibt valid und die Gläubiger-ID in Großbuchstaben ohne\n"
    "      Leerzeichen aus, durch einen Tabulator getrennt, oder invalid und den Grund\n"
    "      (Rückgabewert 1).\n"
    "  girocode --name NAME --iban IBAN [--bic BIC] --amount BETRAG --purpose TEXT\n"
    "       [--png BILD.png]\n"
    "      Gibt den Inhalt des GiroCodes (EPC-QR-Code) dieser Überweisung aus, mit --png auch\n"
    "      den QR-Code als Bild. Betrag wie getippt (z. B. 1.234,56).\n"
    "  sepa-transfer DATEI.p11 --name NAME --iban IBAN [--bic BIC] --amount BETRAG\n"
    "       --purpose TEXT --execution TT.MM.JJJJ --xml AUSGABE.xml\n"
    "      Schreibt die Überweisung als SEPA-Datei (pain.001.001.09) für das Onlinebanking und\n"
    "      bucht sie als geplante Buchung zum Ausführungsdatum: beides oder nichts. Auftraggeber\n"
    "      ist der Kontoinhaber der Kontodaten mit deren IBAN (sonst aus Kontonummer und\n"
    "      Bankleitzahl).\n"
    "  account DATEI [--holder NAME] [--iban IBAN] [--bic BIC]\n"
    "       [--number KONTONUMMER --bank-code BANKLEITZAHL] [--creditor-id ID]\n"
    "      Setzt die angegebenen Kontodaten der Datei, geprüft wie auf der Seite „Kontodaten“,\n"
    "      und gibt die Kontodaten aus: je eine Zeile holder, iban, bic, number, bank-code,\n"
    "      creditor-id, Tabulator, Wert (leer, wenn keiner). Ein ungültiger Wert: Rückgabewert\n"
    "      2 mit dem Grund, nichts wird gespeichert.\n"
    "\n"
    "Rückgabewerte: 0 Erfolg, 1 Datei nicht lesbar oder nicht schreibbar oder eine Summe\n"
    "nicht darstellbar, 2 falscher Aufruf (auch ein ungültiges Datum oder ein Zeitraum,\n"
    "der vor seinem Beginn endet).\n";

// The synopsis and description of one command, cut from the usage text: the blocks whose
// first line names it.
std::string commandUsage(const std::string &command) {
    std::istringstream lines(usage);
    std::string line;
    std::string found;
    bool inBlock = false;
    while (std::getline(lines, line)) {
        if (line.starts_with("  ") && line.size() > 2 && line[2] != ' ')
            inBlock =
                line.substr(2, command.size() + 1) == command + ' ' || line.substr(2) == command;
        else if (!line.starts_with("   "))
            inBlock = false;
        if (inBlock)
            found += line + '\n';
    }
    return "Aufruf: penvaro-cli " + command + " ...\n\n" + found;
}

bool asksForHelp(const std::vector<std::string> &args) {
    if (args.size() < 2)
        return false;
    const auto isHelp = [](const std::string &arg) { return arg == "--help" || arg == "-h"; };
    // Last, it is the value of an option only when an option stands right before it.
    return isHelp(args[1]) || (isHelp(args.back()) && !args[args.size() - 2].starts_with("--"));
}

// Output that did not reach its file is no success: a full disk or a closed pipe behind
// standard output turns the command's status into a failure.
int finishOutput(penvaro::cli::StandardOutput &output, int status) {
    std::cout.flush();
    const int failure = output.finish();
    if (failure == 0)
        return status;
    penvaro::cli::PrintError("Die Ausgabe ließ sich nicht schreiben: "
                             + penvaro::core::DescribeSystemError(failure));
    return status == penvaro::cli::ExitOk ? penvaro::cli::ExitFileError : status;
}

} // namespace

int main(int argc, char **argv) {
    using namespace penvaro::cli;
    const std::vector<std::string> args(argv + 1, argv + argc);
    StandardOutput output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (const auto notUtf8 = penvaro::core::InvalidUtf8Message(
                args[i], "Das Argument " + std::to_string(i + 1))) {
            PrintError(*notUtf8);
            return ExitUsage;
        }
    }
    if (!args.empty() && (args.front() == "--help" || args.front() == "-h")) {
        std::cout << usage;
        return finishOutput(output, ExitOk);
    }
    const std::map<std::string, std::function<int(const std::vector<std::string> &)>> commands = {
        {"dump", RunDump},
        {"convert", RunConvert},
        {"balance", RunBalance},
        {"recurring", RunRecurring},
        {"settings", RunSettings},
        {"interest", RunInterest},
        {"search", RunSearch},
        {"report", RunReport},
        {"print", RunPrint},
        {"blz-import", RunBlzImport},
        {"blz-lookup", RunBlzLookup},
        {"blz-search", RunBlzSearch},
        {"words", RunWords},
        {"import", RunImport},
        {"iban-check", RunIbanCheck},
        {"iban-from", RunIbanFrom},
        {"creditor-id-check", RunCreditorIdCheck},
        {"girocode", RunGiroCode},
        {"sepa-transfer", RunSepaTransfer},
        {"account", RunAccount},
    };
    const auto command = args.empty() ? commands.end() : commands.find(args.front());
    if (command == commands.end()) {
        std::cerr << usage;
        return ExitUsage;
    }
    if (asksForHelp(args)) {
        std::cout << commandUsage(command->first);
        return finishOutput(output, ExitOk);
    }
    return finishOutput(output, command->second({args.begin() + 1, args.end()}));
}
