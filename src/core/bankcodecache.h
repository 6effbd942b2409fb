#pragma once

#include "bankcodelist.h"
#include "result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace penvaro::core {

// Keeps the bank code file read once and reads it again only when another file is asked for
// or the file changed on disk (size or modification time), so that a file brought up to date
// while the program runs is used at the next lookup.
class BankCodeCache {
public:
    // The list for the file, or the reason it cannot be read. A failed read forgets the list
    // held before, so that a vanished file is reported rather than silently outlived.
    Result<const BankCodeList *> list(const std::filesystem::path &path);

private:
    struct Stamp {
        std::filesystem::path path;
        std::uintmax_t size = 0;
        std::filesystem::file_time_type modified;

        friend bool operator==(const Stamp &, const Stamp &) = default;
    };

    std::optional<Stamp> m_stamp;
    std::optional<BankCodeList> m_list;
};

// The short name of the bank with the code, or "nicht vorhanden"; an empty or incomplete code
// gives "nicht vorhanden" without reading the file. An unreadable file is an error.
Result<std::string> LookupBankName(BankCodeCache &cache, const std::filesystem::path &path,
                                   std::string_view code);

// The bank offices whose name and place hold the texts typed (see BankCodeList::search).
// Both texts empty: no match, and the file is not read.
Result<std::vector<BankOffice>> SearchBankCodes(BankCodeCache &cache,
                                                const std::filesystem::path &path,
                                                std::string_view name, std::string_view place);

} // namespace penvaro::core
