#include "searchoptions.h"

#include <sstream>

namespace penvaro::cli {
namespace {

std::optional<core::SearchFields> parseFields(const std::string &list) {
    core::SearchFields fields;
    std::istringstream names(list);
    for (std::string name; std::getline(names, name, ',');) {
        if (name == "art") {
            fields.Buchungsart = true;
        } else if (name == "absender") {
            fields.Absender = true;
        } else if (name == "zweck") {
            fields.Verwendungszweck = true;
        } else {
            PrintError("--fields erwartet art, absender und zweck durch Kommas getrennt, nicht \""
                       + list + "\".");
            return std::nullopt;
        }
    }
    return fields;
}

} // namespace

std::optional<core::SearchCriteria> ParseSearchCriterion(const Arguments &parsed,
                                                         const std::string &command) {
    const bool exact = parsed.options.contains("exact");
    const bool contains = parsed.options.contains("contains");
    const bool range = parsed.flags.contains("range");
    if (exact + contains + range != 1) {
        PrintError(command
                   + " erwartet genau eines von --exact WORT, --contains WORT und --range.");
        return std::nullopt;
    }
    core::SearchCriteria criteria;
    criteria.mode = exact      ? core::SearchMode::Exact
                    : contains ? core::SearchMode::Containing
                               : core::SearchMode::DateRange;
    criteria.word = exact ? parsed.options.at("exact") : parsed.option("contains", "");
    const auto fields = parseFields(parsed.option("fields", "art,absender,zweck"));
    if (!fields)
        return std::nullopt;
    criteria.fields = *fields;
    return criteria;
}

} // namespace penvaro::cli
