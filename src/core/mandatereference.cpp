#include "mandatereference.h"

#include "asciidigits.h"

#include <algorithm>

namespace penvaro::core {
namespace {

constexpr std::size_t longest = 35;
constexpr std::string_view punctuation = " +?/-:().,'";

bool inReferenceSet(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || IsAsciiDigit(c)
           || punctuation.find(c) != std::string_view::npos;
}

Error invalid(std::string message) {
    return {ErrorKind::Invalid, std::move(message)};
}

} // namespace

bool InSepaReferenceSet(std::string_view text) {
    return std::all_of(text.begin(), text.end(), inReferenceSet);
}

Result<std::string> CheckMandateReference(std::string_view typed) {
    const auto first = typed.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return invalid("Bitte geben Sie die Mandatsreferenz ein.");
    const std::string reference(typed.substr(first, typed.find_last_not_of(' ') - first + 1));
    if (!InSepaReferenceSet(reference))
        return invalid("Eine Mandatsreferenz besteht nur aus A-Z, a-z, 0-9, Leerzeichen und "
                       "+ ? / - : ( ) . , ' (keine Umlaute): "
                       + reference);
    if (reference.size() > longest)
        return invalid("Eine Mandatsreferenz hat höchstens 35 Zeichen, diese hat "
                       + std::to_string(reference.size()) + ".");
    if (reference.front() == '/' || reference.back() == '/'
        || reference.find("//") != std::string::npos)
        return invalid("Eine Mandatsreferenz beginnt und endet nicht mit „/“ und enthält kein "
                       "„//“: "
                       + reference);
    return reference;
}

} // namespace penvaro::core
