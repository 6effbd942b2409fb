#include "orderoptions.h"

namespace penvaro::cli {
namespace {

std::optional<core::DoneOrder> parseSortBy(const std::string &value) {
    if (value == "normal")
        return core::DoneOrder::Normal;
    if (value == "ad")
        return core::DoneOrder::StatementDate;
    if (value == "wd")
        return core::DoneOrder::ValueDate;
    return std::nullopt;
}

std::optional<bool> parseDirection(const std::string &value) {
    if (value == "asc")
        return true;
    if (value == "desc")
        return false;
    return std::nullopt;
}

} // namespace

std::optional<core::SortOrder> ParseOrderOptions(const Arguments &arguments) {
    const auto sortBy = parseSortBy(arguments.option("sort-by", "normal"));
    const auto sort1 = parseDirection(arguments.option("sort1", "asc"));
    const auto sort2 = parseDirection(arguments.option("sort2", "asc"));
    if (!sortBy || !sort1 || !sort2) {
        PrintError("--sort-by erwartet normal, ad oder wd; --sort1 und --sort2 erwarten asc "
                   "oder desc.");
        return std::nullopt;
    }
    return core::SortOrder{*sortBy, *sort1, *sort2};
}

} // namespace penvaro::cli
