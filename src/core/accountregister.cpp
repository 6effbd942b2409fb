#include "accountregister.h"

#include "bytecodec.h"
#include "fileio.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace penvaro::core {
namespace {

constexpr std::size_t belegtOffset = 0;
constexpr std::size_t dateinameOffset = 2;
constexpr std::size_t kontonummerOffset = 258;
constexpr std::size_t kontobezeichnungOffset = 274;
constexpr std::size_t kontostandOffset = 315;

void encode(const RegisterEntry &entry, std::uint8_t *out) {
    PutLittleEndian(out + belegtOffset, entry.Belegt);
    PutShortText(out + dateinameOffset, entry.Dateiname);
    PutShortText(out + kontonummerOffset, entry.Kontonummer);
    PutShortText(out + kontobezeichnungOffset, entry.Kontobezeichnung);
    PutLittleEndian(out + kontostandOffset, static_cast<std::uint64_t>(entry.Kontostand));
}

RegisterEntry decode(const std::uint8_t *in) {
    RegisterEntry entry;
    entry.Belegt = GetLittleEndian<std::uint16_t>(in + belegtOffset);
    GetShortText(in + dateinameOffset, entry.Dateiname);
    GetShortText(in + kontonummerOffset, entry.Kontonummer);
    GetShortText(in + kontobezeichnungOffset, entry.Kontobezeichnung);
    entry.Kontostand =
        static_cast<std::int64_t>(GetLittleEndian<std::uint64_t>(in + kontostandOffset));
    return entry;
}

// The entry belongs to the account file when its stored name is the file's full path. A
// prefix test would also hit "giro.p11" when "giro.p1" is meant.
bool isEntryOf(const RegisterEntry &entry, const ShortText<255> &name) {
    return entry.Dateiname.usedLength() == name.usedLength()
           && std::memcmp(entry.Dateiname.chars.data(), name.chars.data(), name.usedLength()) == 0;
}

// While it lives, holds an advisory lock on a lock file beside the register (".konten.cb.lock"),
// waiting until no other program holds it: programs that read, change and write the register
// take turns, so that none writes over an entry another one just added. Without a lock file (a
// folder that cannot be written) there is nothing to wait for.
class InTurn {
public:
    explicit InTurn(const std::filesystem::path &registerPath) {
        const std::filesystem::path lockFile =
            registerPath.parent_path() / ("." + registerPath.filename().string() + ".lock");
        m_fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
        while (m_fd >= 0 && ::flock(m_fd, LOCK_EX) != 0) {
            if (errno != EINTR) {
                ::close(m_fd);
                m_fd = -1;
            }
        }
    }
    // The lock file stays: removing it while another program waits on it would let a third
    // one lock a new file beside it.
    ~InTurn() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    InTurn(const InTurn &) = delete;
    InTurn &operator=(const InTurn &) = delete;

private:
    int m_fd = -1;
};

ShortText<255> storedName(const std::string &accountFile) {
    ShortText<255> name;
    name.setUtf8(accountFile);
    return name;
}

} // namespace

Result<AccountRegister> LoadAccountRegister(const std::filesystem::path &registerPath) {
    std::error_code ec;
    if (!std::filesystem::exists(registerPath, ec)) {
        if (auto created = CreateEmptyFile(registerPath); !created)
            return created.error();
        return AccountRegister{};
    }
    const auto bytes = ReadRecords(registerPath, RegisterEntrySize, MaxRegisterEntries);
    if (!bytes)
        return bytes.error();
    AccountRegister accounts;
    for (std::size_t offset = 0; offset < bytes->size(); offset += RegisterEntrySize)
        accounts.entries.push_back(decode(bytes->data() + offset));
    return accounts;
}

Result<void> SaveAccountRegister(const AccountRegister &accounts,
                                 const std::filesystem::path &registerPath) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(accounts.entries.size() * RegisterEntrySize);
    for (const RegisterEntry &entry : accounts.entries) {
        if (entry.Belegt == 0)
            continue;
        bytes.resize(bytes.size() + RegisterEntrySize);
        encode(entry, bytes.data() + bytes.size() - RegisterEntrySize);
    }
    return WriteFileAtomically(registerPath, bytes);
}

Result<void> RecordInRegister(const std::filesystem::path &registerPath,
                              const std::string &accountFile, const std::string &kontonummer,
                              const std::string &kontobezeichnung, std::int64_t balance) {
    const InTurn inTurn(registerPath);
    auto accounts = LoadAccountRegister(registerPath);
    if (!accounts)
        return accounts.error();
    const std::vector<RegisterEntry> before = accounts->entries;
    const ShortText<255> name = storedName(accountFile);
    bool found = false;
    for (RegisterEntry &entry : accounts->entries) {
        if (!isEntryOf(entry, name))
            continue;
        entry.Belegt = RegisterEntryInUse;
        entry.Kontonummer.setUtf8(kontonummer);
        entry.Kontobezeichnung.setUtf8(kontobezeichnung);
        entry.Kontostand = balance;
        found = true;
    }
    if (!found) {
        if (accounts->entries.size() >= MaxRegisterEntries)
            return Error{ErrorKind::TooLarge,
                         "Die Kontenliste " + registerPath.string() + " ist voll: Sie fasst "
                             + std::to_string(MaxRegisterEntries)
                             + " Kontodateien. Löschen Sie Einträge in der Kontenübersicht."};
        RegisterEntry entry;
        entry.Dateiname = name;
        entry.Kontonummer.setUtf8(kontonummer);
        entry.Kontobezeichnung.setUtf8(kontobezeichnung);
        entry.Kontostand = balance;
        accounts->entries.push_back(entry);
    }
    // Every start records its file: an entry that is already as it should be costs no write,
    // and no wait for the disk.
    if (accounts->entries == before)
        return {};
    return SaveAccountRegister(*accounts, registerPath);
}

Result<void> RemoveFromRegister(const std::filesystem::path &registerPath,
                                const std::string &accountFile) {
    const InTurn inTurn(registerPath);
    auto accounts = LoadAccountRegister(registerPath);
    if (!accounts)
        return accounts.error();
    const ShortText<255> name = storedName(accountFile);
    for (RegisterEntry &entry : accounts->entries) {
        if (isEntryOf(entry, name))
            entry.Belegt = 0;
    }
    return SaveAccountRegister(*accounts, registerPath);
}

Result<void> UpdateRegisterBalance(const std::filesystem::path &registerPath,
                                   const std::string &accountFile, std::int64_t balance) {
    const InTurn inTurn(registerPath);
    auto accounts = LoadAccountRegister(registerPath);
    if (!accounts)
        return accounts.error();
    const ShortText<255> name = storedName(accountFile);
    bool changed = false;
    for (RegisterEntry &entry : accounts->entries) {
        if (isEntryOf(entry, name)) {
            entry.Belegt = RegisterEntryInUse;
            entry.Kontostand = balance;
            changed = true;
        }
    }
    if (!changed)
        return {};
    return SaveAccountRegister(*accounts, registerPath);
}

} // namespace penvaro::core
