#include "arguments.h"
#include "bankcodepath.h"
#include "commands.h"

#include "core/bankcodecache.h"
#include "core/bundesbankimport.h"

#include <iostream>

namespace penvaro::cli {
namespace {

std::string_view withoutTrailingBlanks(std::string_view text) {
    const auto end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

} // namespace

int RunBlzImport(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 2) {
        PrintError("blz-import erwartet die Bankleitzahlendatei der Bundesbank und die "
                   "Zieldatei.");
        return ExitUsage;
    }
    const auto imported = core::ImportBundesbankFile(parsed->positional[0], parsed->positional[1]);
    if (!imported) {
        PrintError(imported.error().message);
        return ExitFileError;
    }
    return ExitOk;
}

int RunBlzLookup(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {});
    if (!parsed)
        return ExitUsage;
    if (parsed->positional.size() != 1) {
        PrintError("blz-lookup erwartet genau eine Bankleitzahl.");
        return ExitUsage;
    }
    const std::string &code = parsed->positional.front();
    core::BankCodeCache cache;
    const auto name = core::IsCompleteBankCode(code)
                          ? core::LookupBankName(cache, BankCodeFile(), code)
                          : core::Result<std::string>(std::string(core::BankNotFound));
    if (!name) {
        PrintError(name.error().message);
        return ExitFileError;
    }
    std::cout << *name << '\n';
    return ExitOk;
}

int RunBlzSearch(const std::vector<std::string> &args) {
    const auto parsed = ParseArguments(args, {{"name", "place"}, {}});
    if (!parsed)
        return ExitUsage;
    if (!parsed->positional.empty()) {
        PrintError("blz-search erwartet nur --name und --place.");
        return ExitUsage;
    }
    const std::string name = parsed->option("name", "");
    const std::string place = parsed->option("place", "");
    if (name.empty() && place.empty())
        return ExitOk;
    core::BankCodeCache cache;
    const auto offices = core::SearchBankCodes(cache, BankCodeFile(), name, place);
    if (!offices) {
        PrintError(offices.error().message);
        return ExitFileError;
    }
    for (const core::BankOffice &office : *offices)
        std::cout << withoutTrailingBlanks(office.Bankleitzahl) << '\t'
                  << withoutTrailingBlanks(office.Bankname) << '\t'
                  << withoutTrailingBlanks(office.PLZ) << '\t' << withoutTrailingBlanks(office.Ort)
                  << '\n';
    return ExitOk;
}

} // namespace penvaro::cli
