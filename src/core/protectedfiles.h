#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

namespace penvaro::core {

// A file that this program holds open for writing (an account file, its lock file, its
// companion) and that no output of the program may replace, whatever name the user gives the
// output: a symbolic link, a hard link or another spelling of the path. Held for as long as
// the object lives. The set is process-wide, like the advisory locks that make these files
// ours: every writer of the process must see it, however far from the account it runs.
class ProtectedFile {
public:
    ProtectedFile() = default;
    explicit ProtectedFile(const std::filesystem::path &path);
    ~ProtectedFile();
    ProtectedFile(ProtectedFile &&other) noexcept;
    ProtectedFile &operator=(ProtectedFile &&other) noexcept;
    ProtectedFile(const ProtectedFile &) = delete;
    ProtectedFile &operator=(const ProtectedFile &) = delete;

private:
    void release();

    std::uint64_t m_id = 0;
};

// The protected file that the target is, by device and inode (for an existing file, however
// it is reached) or by its resolved path (for one that does not exist yet); none otherwise.
std::optional<std::filesystem::path> ProtectedFileAt(const std::filesystem::path &target);

} // namespace penvaro::core
