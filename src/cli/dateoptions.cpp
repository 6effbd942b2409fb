#include "dateoptions.h"

#include "arguments.h"

#include "core/date.h"

#include <chrono>
#include <ctime>

namespace penvaro::cli {

double LocalToday() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm local{};
    localtime_r(&now, &local);
    return core::DayCountFromCivil({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

std::optional<double> ParseDateOption(const std::string &option, const std::string &text) {
    const auto day = core::ParseDate(text);
    if (!day)
        PrintError("--" + option + " erwartet ein Datum TT.MM.JJJJ, nicht \"" + text + "\".");
    return day;
}

} // namespace penvaro::cli
