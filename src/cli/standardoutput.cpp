#include "standardoutput.h"

#include <cerrno>
#include <iostream>
#include <unistd.h>

namespace penvaro::cli {

StandardOutput::StandardOutput() {
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    m_previous = std::cout.rdbuf(this);
}

StandardOutput::~StandardOutput() {
    drain();
    std::cout.rdbuf(m_previous);
}

bool StandardOutput::drain() {
    const char *next = pbase();
    const char *end = pptr();
    // After a failure the rest is dropped: a command's output is whole or reported.
    while (next < end && m_failure == 0) {
        const ssize_t written = ::write(STDOUT_FILENO, next, static_cast<std::size_t>(end - next));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            m_failure = written < 0 ? errno : EIO;
        else
            next += written;
    }
    setp(m_buffer.data(), m_buffer.data() + m_buffer.size());
    return m_failure == 0;
}

StandardOutput::int_type StandardOutput::overflow(int_type c) {
    if (!drain())
        return traits_type::eof();
    if (!traits_type::eq_int_type(c, traits_type::eof())) {
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
    }
    return traits_type::not_eof(c);
}

int StandardOutput::sync() {
    return drain() ? 0 : -1;
}

int StandardOutput::finish() {
    drain();
    return m_failure;
}

} // namespace penvaro::cli
