#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace penvaro::core {

enum class ErrorKind {
    Io,           // the file could not be opened, read or written
    TooLarge,     // more records than the booking table holds
    TargetExists, // a conversion would replace an existing file
    Invalid,      // a value that cannot be used (bad date, bad number, bad name)
    Overflow,     // a sum of amounts beyond the signed 64-bit range
    Changed,      // another program changed the account file; the table holds its new content
    ReadOnly,     // the account file is open read-only
};

struct Error {
    ErrorKind kind = ErrorKind::Io;
    std::string message; // German, ready to show to the user
};

// Errors travel as values between the layers; nothing in core throws across its interface.
template<typename T>
class [[nodiscard]] Result {
public:
    Result(T value)
        : m_data(std::in_place_index<0>, std::move(value)) {}
    Result(Error error)
        : m_data(std::in_place_index<1>, std::move(error)) {}

    bool hasValue() const { return m_data.index() == 0; }
    explicit operator bool() const { return hasValue(); }

    T &value() { return std::get<0>(m_data); }
    const T &value() const { return std::get<0>(m_data); }
    T *operator->() { return &value(); }
    const T *operator->() const { return &value(); }
    T &operator*() { return value(); }
    const T &operator*() const { return value(); }

    const Error &error() const { return std::get<1>(m_data); }

private:
    std::variant<T, Error> m_data;
};

template<>
class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Error error)
        : m_error(std::move(error)) {}

    bool hasValue() const { return !m_error.has_value(); }
    explicit operator bool() const { return hasValue(); }

    const Error &error() const { return *m_error; }

private:
    std::optional<Error> m_error;
};

} // namespace penvaro::core
