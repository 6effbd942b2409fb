#pragma once

#include <cstdint>

namespace penvaro::testing {

// Keeps every file of the process from growing beyond the given size while it lives, as a
// full disk would; writes past it fail instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(std::uintmax_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    unsigned long long m_previous = 0;
    void (*m_previousHandler)(int) = nullptr;
};

} // namespace penvaro::testing
