#include "creditorid.h"

#include <cctype>

namespace penvaro::core {
namespace {

Error invalid(const std::string &reason) {
    return {ErrorKind::Invalid, "Ungültige Gläubiger-Identifikationsnummer: " + reason};
}

bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

Result<std::string> CheckCreditorId(std::string_view typed) {
    std::string id;
    for (const char c : typed) {
        if (c == ' ')
            continue;
        id += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    // The longest a SEPA identifier field carries.
    if (id.size() < 8 || id.size() > 35)
        return invalid("Sie hat 8 bis 35 Zeichen.");
    for (const char c : id) {
        if (!isLetter(c) && !isDigit(c))
            return invalid("Sie besteht nur aus Buchstaben und Ziffern.");
    }
    if (!isLetter(id[0]) || !isLetter(id[1]))
        return invalid("Sie beginnt mit dem Ländercode.");
    if (!isDigit(id[2]) || !isDigit(id[3]))
        return invalid("Auf den Ländercode folgen zwei Prüfziffern.");
    const std::string checked = id.substr(7) + id.substr(0, 2) + id.substr(2, 2);
    int remainder = 0;
    for (const char c : checked) {
        const int value = isDigit(c) ? c - '0' : c - 'A' + 10;
        remainder = (remainder * (value >= 10 ? 100 : 10) + value) % 97;
    }
    if (remainder != 1)
        return invalid("Die Prüfziffern stimmen nicht.");
    return id;
}

} // namespace penvaro::core
