#pragma once

#include "bookingrecord.h"
#include "result.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace penvaro::core {

inline constexpr std::size_t RegisterEntrySize = 323;
inline constexpr std::size_t MaxRegisterEntries = 1000;
inline constexpr std::uint16_t RegisterEntryInUse = 10;

// One account file the program has opened, with its account number, name and last known
// book balance.
struct RegisterEntry {
    std::uint16_t Belegt = RegisterEntryInUse; // 0 marks an entry as deleted
    ShortText<255> Dateiname;
    ShortText<15> Kontonummer;
    ShortText<40> Kontobezeichnung;
    std::int64_t Kontostand = 0;

    friend bool operator==(const RegisterEntry &, const RegisterEntry &) = default;
};

struct AccountRegister {
    std::vector<RegisterEntry> entries;
};

// A missing register file is created empty; one with more than 1000 entries is refused.
Result<AccountRegister> LoadAccountRegister(const std::filesystem::path &registerPath);
// Writes the entries in use, in their order, replacing the file atomically.
Result<void> SaveAccountRegister(const AccountRegister &accounts,
                                 const std::filesystem::path &registerPath);

// These three read, change and write the register in turn with other programs that do the same.

// Updates the entry of the account file, or appends one. A full register refuses the new
// entry and keeps every entry it had.
Result<void> RecordInRegister(const std::filesystem::path &registerPath,
                              const std::string &accountFile, const std::string &kontonummer,
                              const std::string &kontobezeichnung, std::int64_t balance);
// Forgets the account file's entry; the file itself stays.
Result<void> RemoveFromRegister(const std::filesystem::path &registerPath,
                                const std::string &accountFile);
// Sets the balance of the account file's entry; appends nothing.
Result<void> UpdateRegisterBalance(const std::filesystem::path &registerPath,
                                   const std::string &accountFile, std::int64_t balance);

} // namespace penvaro::core
