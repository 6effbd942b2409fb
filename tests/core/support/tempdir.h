#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace penvaro::testing {

// A fresh folder below the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir &) = delete;
    TempDir &operator=(const TempDir &) = delete;

    std::filesystem::path path(const std::string &name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path &path);
void WriteBytes(const std::filesystem::path &path, const std::vector<std::uint8_t> &bytes);

} // namespace penvaro::testing
