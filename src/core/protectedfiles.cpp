#include "protectedfiles.h"

#include <sys/stat.h>

#include <map>
#include <mutex>
#include <utility>

namespace penvaro::core {
namespace {

struct Registry {
    std::mutex mutex;
    std::uint64_t lastId = 0;
    std::map<std::uint64_t, std::filesystem::path> paths;
};

Registry &registry() {
    static Registry instance;
    return instance;
}

// The file a path names after all its links are followed; the path as it is when that fails.
std::filesystem::path resolved(const std::filesystem::path &path) {
    std::error_code ec;
    std::filesystem::path real = std::filesystem::weakly_canonical(path, ec);
    if (ec || real.empty())
        real = std::filesystem::absolute(path, ec);
    return ec ? path : real;
}

} // namespace

ProtectedFile::ProtectedFile(const std::filesystem::path &path) {
    Registry &r = registry();
    const std::lock_guard guard(r.mutex);
    m_id = ++r.lastId;
    // The path, not the inode, is kept: saving an account file renames a new inode onto it,
    // and the file stays protected under its new identity.
    r.paths.emplace(m_id, resolved(path));
}

ProtectedFile::~ProtectedFile() {
    release();
}

ProtectedFile::ProtectedFile(ProtectedFile &&other) noexcept
    : m_id(std::exchange(other.m_id, 0)) {}

ProtectedFile &ProtectedFile::operator=(ProtectedFile &&other) noexcept {
    if (this != &other) {
        release();
        m_id = std::exchange(other.m_id, 0);
    }
    return *this;
}

void ProtectedFile::release() {
    if (m_id == 0)
        return;
    Registry &r = registry();
    const std::lock_guard guard(r.mutex);
    r.paths.erase(m_id);
    m_id = 0;
}

std::optional<std::filesystem::path> ProtectedFileAt(const std::filesystem::path &target) {
    struct stat targetInfo {};
    const bool exists = ::stat(target.c_str(), &targetInfo) == 0;
    const std::filesystem::path targetPath = resolved(target);
    Registry &r = registry();
    const std::lock_guard guard(r.mutex);
    for (const auto &[id, path] : r.paths) {
        if (path == targetPath)
            return path;
        struct stat info {};
        if (exists && ::stat(path.c_str(), &info) == 0 && info.st_dev == targetInfo.st_dev
            && info.st_ino == targetInfo.st_ino)
            return path;
    }
    return std::nullopt;
}

} // namespace penvaro::core
