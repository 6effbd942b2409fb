#include "arguments.h"
#include "commands.h"

#include "core/amountinwords.h"

#include <iostream>

namespace penvaro::cli {

// The amount is taken as typed, so it is not parsed for options: "-5" and "--" are amounts.
int RunWords(const std::vector<std::string> &args) {
    if (args.size() != 1) {
        PrintError("words erwartet genau einen Betrag, z. B. 1250,00.");
        return ExitUsage;
    }
    std::cout << core::AmountInWords(args.front()) << '\n';
    return ExitOk;
}

} // namespace penvaro::cli
