#pragma once

#include <array>
#include <streambuf>

namespace penvaro::cli {

// What the commands print goes through this buffer into standard output, which remembers why
// a write failed: the C library's stream keeps only an error flag, and a full disk would
// otherwise read as success. Installed for std::cout while it lives.
class StandardOutput : public std::streambuf {
public:
    StandardOutput();
    ~StandardOutput() override;
    StandardOutput(const StandardOutput &) = delete;
    StandardOutput &operator=(const StandardOutput &) = delete;

    // Writes what is buffered; the reason (an errno value) of the first failed write, 0 when
    // everything arrived.
    int finish();

protected:
    int_type overflow(int_type c) override;
    int sync() override;

private:
    bool drain();

    std::array<char, 65536> m_buffer{};
    std::streambuf *m_previous = nullptr;
    int m_failure = 0;
};

} // namespace penvaro::cli
