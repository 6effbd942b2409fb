#include "membercsv.h"

#include "asciidigits.h"
#include "date.h"
#include "textencoding.h"
#include "typedamount.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>

namespace penvaro::core {
namespace {

enum Column { Number, Name, Iban, Bic, Reference, MandateDate, Fee, Interval, Start, Columns };

struct ColumnName {
    Column column;
    std::string_view name;
    bool required;
};

constexpr std::array<ColumnName, Columns> columnNames{{
    {Number, "Nr", true},
    {Name, "Name", true},
    {Iban, "IBAN", true},
    {Bic, "BIC", false},
    {Reference, "Mandatsreferenz", true},
    {MandateDate, "Mandatsdatum", true},
    {Fee, "Betrag", true},
    {Interval, "Turnus", true},
    {Start, "Beginn", true},
}};

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
constexpr std::size_t longestNumber = 9;

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string lowerAscii(std::string_view text) {
    std::string lower(text);
    for (char &c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// The fields of one line, or nothing when a quoted field does not end on it.
std::optional<std::vector<std::string>> splitFields(std::string_view line) {
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"') {
                field += c;
            } else if (i + 1 < line.size() && line[i + 1] == '"') {
                field += '"';
                ++i;
            } else {
                quoted = false;
            }
        } else if (c == '"' && trimmed(field).empty()) {
            field.clear();
            quoted = true;
        } else if (c == ';') {
            fields.push_back(trimmed(field));
            field.clear();
        } else {
            field += c;
        }
    }
    if (quoted)
        return std::nullopt;
    fields.push_back(trimmed(field));
    return fields;
}

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t;") == std::string_view::npos;
}

Error invalid(std::string message) {
    return {ErrorKind::Invalid, std::move(message)};
}

std::string lineText(std::size_t number) {
    return "Zeile " + std::to_string(number) + ": ";
}

using ColumnIndex = std::array<std::optional<std::size_t>, Columns>;

Result<ColumnIndex> readHeader(std::string_view line) {
    const auto fields = splitFields(line);
    if (!fields)
        return invalid(lineText(1) + "Ein Anführungszeichen wird nicht geschlossen.");
    ColumnIndex index;
    for (std::size_t i = 0; i < fields->size(); ++i) {
        for (const ColumnName &name : columnNames) {
            if (lowerAscii((*fields)[i]) != lowerAscii(name.name))
                continue;
            if (index[name.column])
                return invalid(lineText(1) + "Die Spalte „" + std::string(name.name)
                               + "“ steht zweimal in der Kopfzeile.");
            index[name.column] = i;
        }
    }
    for (const ColumnName &name : columnNames)
        if (name.required && !index[name.column])
            return invalid(lineText(1) + "In der Kopfzeile fehlt die Spalte „"
                           + std::string(name.name)
                           + "“ (erwartet: Nr;Name;IBAN;BIC;Mandatsreferenz;Mandatsdatum;Betrag;"
                             "Turnus;Beginn).");
    return index;
}

Result<double> readDate(const std::string &text, std::string_view what) {
    if (const auto date = ParseDate(text))
        return *date;
    return invalid(std::string(what) + " „" + text + "“ ist kein Datum (TT.MM.JJJJ).");
}

// The member of one line, checked.
Result<Member> readMember(const std::vector<std::string> &fields, const ColumnIndex &index,
                          const BankCodeList &banks, const AccountMethodCheck &methods) {
    const auto field = [&](Column column) -> std::string {
        const auto at = index[column];
        return at && *at < fields.size() ? fields[*at] : std::string();
    };
    Member typed;
    const std::string number = field(Number);
    if (number.empty() || number.size() > longestNumber || !AllAsciiDigits(number)
        || std::stoi(number) == 0)
        return invalid("Die Mitgliedsnummer „" + number + "“ ist keine ganze Zahl ab 1.");
    typed.number = std::stoi(number);
    typed.name = field(Name);
    typed.iban = field(Iban);
    typed.bic = field(Bic);
    typed.mandateReference = field(Reference);
    const auto signedOn = readDate(field(MandateDate), "Das Mandatsdatum");
    if (!signedOn)
        return signedOn.error();
    typed.mandateDate = *signedOn;
    const auto fee = ReadTypedAmount(field(Fee));
    if (!fee)
        return fee.error();
    typed.fee = *fee;
    const auto interval = IntervalOfName(field(Interval));
    if (!interval)
        return invalid("Der Turnus „" + field(Interval)
                       + "“ ist keiner von monatlich, vierteljährlich, halbjährlich, jährlich.");
    typed.interval = *interval;
    const auto start = readDate(field(Start), "Der Beginn");
    if (!start)
        return start.error();
    typed.firstDue = *start;
    return CheckMember(typed, banks, methods);
}

} // namespace

Result<std::vector<Member>> ReadMemberCsv(std::string_view bytes, const BankCodeList &banks,
                                          const AccountMethodCheck &methods) {
    std::string text;
    if (bytes.starts_with(byteOrderMark)) {
        bytes.remove_prefix(byteOrderMark.size());
        if (const auto bad = FirstMalformedUtf8(bytes); bad != std::string_view::npos) {
            const auto line = 1 + std::count(bytes.begin(), bytes.begin() + bad, '\n');
            return invalid(lineText(line)
                           + "Die Datei ist als UTF-8 gekennzeichnet, enthält hier aber ein "
                             "Zeichen in einer anderen Kodierung.");
        }
        text = std::string(bytes);
    } else {
        text = DecodeBankText(bytes);
    }
    const auto lines = splitLines(text);
    if (lines.empty() || isBlankLine(lines.front()))
        return invalid(lineText(1) + "Die erste Zeile nennt die Spalten, hier ist sie leer.");
    const auto index = readHeader(lines.front());
    if (!index)
        return index.error();

    std::vector<Member> members;
    std::string errors;
    std::map<int, std::size_t> numbers;
    std::map<std::string, std::size_t> references;
    const auto refuse = [&](std::size_t line, const std::string &reason) {
        errors += (errors.empty() ? "" : "\n") + lineText(line) + reason;
    };
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::size_t line = i + 1;
        if (isBlankLine(lines[i]))
            continue;
        const auto fields = splitFields(lines[i]);
        if (!fields) {
            refuse(line, "Ein Anführungszeichen wird nicht geschlossen.");
            continue;
        }
        auto member = readMember(*fields, *index, banks, methods);
        if (!member) {
            refuse(line, member.error().message);
            continue;
        }
        if (const auto [at, added] = numbers.emplace(member->number, line); !added) {
            refuse(line, "Die Mitgliedsnummer " + std::to_string(member->number)
                             + " steht schon in Zeile " + std::to_string(at->second) + ".");
            continue;
        }
        if (const auto [at, added] = references.emplace(member->mandateReference, line); !added) {
            refuse(line, "Die Mandatsreferenz " + member->mandateReference
                             + " steht schon in Zeile " + std::to_string(at->second) + ".");
            continue;
        }
        members.push_back(std::move(*member));
    }
    if (!errors.empty())
        return invalid(errors);
    return members;
}

} // namespace penvaro::core
