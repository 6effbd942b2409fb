#include "foldedtext.h"

namespace penvaro::core {
namespace {

char folded(unsigned char c) {
    switch (c) {
    case 0x96: // en dash
    case 0x97: // em dash
    case 0xAD: // soft hyphen
        return '-';
    case '\'':
    case '`':
    case 0x82: // single low quotation mark
    case 0x84: // double low quotation mark
    case 0x8B: // single angle quotation marks
    case 0x9B:
    case 0x91: // single and double quotation marks
    case 0x92:
    case 0x93:
    case 0x94:
    case 0xAB: // angle quotation marks
    case 0xB4: // acute accent, typed for an apostrophe
    case 0xBB:
        return '"';
    case 0xA0:
        return ' ';
    case 0x8A: // Š, Œ, Ž
    case 0x8C:
    case 0x8E:
        return static_cast<char>(c + 0x10);
    case 0x9F: // Ÿ
        return static_cast<char>(0xFF);
    default:
        break;
    }
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<char>(c + 0x20);
    return static_cast<char>(c);
}

} // namespace

std::string FoldedText(std::string_view cp1252) {
    std::string result;
    result.reserve(cp1252.size());
    bool blank = false;
    for (const char c : cp1252) {
        const char f = folded(static_cast<unsigned char>(c));
        if (f == ' ') {
            blank = true;
            continue;
        }
        if (blank && !result.empty())
            result += ' ';
        blank = false;
        result += f;
    }
    return result;
}

} // namespace penvaro::core
