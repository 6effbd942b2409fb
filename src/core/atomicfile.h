#pragma once

#include "result.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <sys/types.h>

namespace penvaro::core {

enum class ExistingFile { Replace, Keep };

struct WriteOptions {
    ExistingFile existing = ExistingFile::Replace;
    // Permissions of a new file before the umask: account data is its owner's alone, a
    // printout or a picture is a file like any other of the user.
    mode_t newFileMode = 0600;
    // Only the code that saves a protected file (the account file, its companion) may replace
    // it.
    bool replacesProtectedFile = false;
};

// The one way the program writes a file. The bytes go to a temporary file beside the target
// (".NAME.pv~XXXXXX", held with an advisory lock while it is written), which is flushed to disk
// and renamed onto the target only when it is whole: a failure at any point leaves the previous
// file as it was and removes the temporary one. A symbolic link stays and the file it leads to
// is replaced, keeping its permissions. Refused before anything is written, with a message
// naming the path: a file the program holds open (ProtectedFile), a directory, a device, a
// pipe or a socket, and a file the user may not change (CheckMayChange).
class AtomicFile {
public:
    static Result<AtomicFile> begin(const std::filesystem::path &target, WriteOptions options = {});

    AtomicFile(AtomicFile &&other) noexcept;
    AtomicFile &operator=(AtomicFile &&other) noexcept;
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;
    // Removes the temporary file unless it was committed.
    ~AtomicFile();

    // Where the bytes go until commit(), for a writer that opens the file by its name.
    const std::filesystem::path &temporaryPath() const { return m_temporary; }
    // The file that commit() replaces: the target after its links.
    const std::filesystem::path &target() const { return m_target; }

    Result<void> write(std::span<const std::uint8_t> bytes);
    // Flushes the temporary file to disk and renames it onto the target.
    Result<void> commit();
    // Removes the temporary file; the target stays as it was.
    void discard();

private:
    AtomicFile(std::filesystem::path target, std::filesystem::path temporary, int fd,
               ExistingFile existing)
        : m_target(std::move(target))
        , m_temporary(std::move(temporary))
        , m_fd(fd)
        , m_existing(existing) {}
    Error failure(int errorNumber);

    std::filesystem::path m_target;
    std::filesystem::path m_temporary;
    int m_fd = -1;
    ExistingFile m_existing = ExistingFile::Replace;
};

// Why the target may not be written at all (see AtomicFile); none when it may.
std::optional<std::string> WriteRefusal(const std::filesystem::path &target,
                                        bool replacesProtectedFile = false);
// The same as an error naming the path.
Result<void> CheckWriteTarget(const std::filesystem::path &target,
                              bool replacesProtectedFile = false);

// Removes the temporary files in the folder that writers stopped before they finished (a
// killed or crashed program): those whose advisory lock nobody holds any more. A write in
// progress keeps its lock and its file.
void RemoveAbandonedTemporaryFiles(const std::filesystem::path &folder);

// The longest name a writer derives from the file name (its temporary file), so that a name
// the system cannot hold is refused before anything is opened.
std::size_t LongestDerivedNameLength(const std::filesystem::path &file);

} // namespace penvaro::core
