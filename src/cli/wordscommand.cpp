#include "arguments.h"
#include "commands.h"

#include "core/amountinwords.h"
#include "core/typedamount.h"

#include <iostream>

namespace penvaro::cli {

// The amount is read as the payment window reads it, so that the words are those a cheque of
// that amount carries. It is not parsed for options: "-5" is an amount, and refused.
int RunWords(const std::vector<std::string> &args) {
    if (args.size() != 1) {
        PrintError("words erwartet genau einen Betrag, z. B. 1.250,00.");
        return ExitUsage;
    }
    const auto amount = core::ReadTypedAmount(args.front());
    if (!amount) {
        PrintError(amount.error().message);
        return ExitUsage;
    }
    std::cout << core::AmountInWords(*amount) << '\n';
    return ExitOk;
}

} // namespace penvaro::cli
