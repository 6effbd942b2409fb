#include "mt940parser.h"

#include "asciidigits.h"
#include "date.h"
#include "mt940details.h"
#include "textencoding.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace penvaro::core {
namespace {

struct Field {
    std::string tag; // "61", "28C"
    std::string content;
    int line = 0;
    std::size_t firstLine = 0; // the length of the content's part on the tag's own line
};

struct Line {
    std::string_view text;
    int number = 0;
};

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

// ":61:", ":28C:", ":NS:"; the length of the tag with both colons, 0 when the line starts none.
std::size_t tagLength(std::string_view line) {
    if (line.size() < 4 || line[0] != ':')
        return 0;
    for (std::size_t i = 1; i <= 2; ++i) {
        if (!IsAsciiDigit(line[i]) && !isUpper(line[i]))
            return 0;
    }
    if (line[3] == ':')
        return 4;
    return line.size() >= 5 && isUpper(line[3]) && line[4] == ':' ? 5 : 0;
}

// Lines that end a message or wrap it in a transmission header ("{1:...}{2:...}{4:" before,
// "-}{5:...}" after); they continue no field.
bool isMessageFrame(std::string_view line) {
    return line == "-" || line.starts_with("-}") || line.starts_with('{');
}

// The part of an envelope's header line after "{4:", where the message itself may begin.
std::string_view afterEnvelope(std::string_view line) {
    const std::size_t body = line.find("{4:");
    return body == std::string_view::npos ? std::string_view() : line.substr(body + 3);
}

// CR LF, LF and CR alike end a line.
std::vector<Line> splitLines(std::string_view text) {
    std::vector<Line> lines;
    int number = 0;
    while (!text.empty()) {
        const auto lineEnd =
            std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
        const auto end = static_cast<std::size_t>(lineEnd - text.begin());
        lines.push_back({text.substr(0, end), ++number});
        std::size_t next = end;
        if (next < text.size())
            next += text.substr(next).starts_with("\r\n") ? 2 : 1;
        text.remove_prefix(next);
    }
    return lines;
}

// The fields that may follow a field when the file has no line ends to tell where one ends.
bool mayFollow(std::string_view previous, std::string_view tag, bool afterMessageEnd) {
    struct Successors {
        std::string_view field;
        std::array<std::string_view, 4> next;
    };
    static constexpr std::array<Successors, 12> order = {{
        {"20", {"21", "25"}},
        {"21", {"25"}},
        {"25", {"28C", "28"}},
        {"28C", {"60F", "60M"}},
        {"28", {"60F", "60M"}},
        {"60F", {"61", "62F", "62M"}},
        {"60M", {"61", "62F", "62M"}},
        {"61", {"86", "61", "62F", "62M"}},
        {"86", {"61", "62F", "62M", "86"}},
        {"62F", {"64", "65", "86"}},
        {"62M", {"64", "65", "86"}},
        {"64", {"65", "86"}},
    }};
    // A message starts after the end of the one before; a purpose may well hold ":20:".
    if (tag == "20")
        return previous.empty() || afterMessageEnd || previous == "62F" || previous == "62M"
               || previous == "64" || previous == "65";
    if (previous == "65")
        return tag == "65" || tag == "86";
    const auto found = std::find_if(order.begin(), order.end(),
                                    [&](const Successors &s) { return s.field == previous; });
    return found != order.end()
           && std::find(found->next.begin(), found->next.end(), tag) != found->next.end();
}

// A file without line ends: a field ends where the next one that may follow starts, and a
// message's closing "-" stands right before the next ":20:" or at the very end.
std::vector<Field> fieldsOfOneLine(const Line &line) {
    const std::string_view text = line.text;
    struct Start {
        std::size_t pos;
        std::size_t length;
    };
    std::vector<Start> starts;
    std::string_view previous;
    for (std::size_t pos = text.find(':'); pos != std::string_view::npos;
         pos = text.find(':', pos + 1)) {
        const std::size_t length = tagLength(text.substr(pos));
        if (length == 0)
            continue;
        const std::string_view tag = text.substr(pos + 1, length - 2);
        const std::string_view before = text.substr(0, pos);
        if (!mayFollow(previous, tag, before.ends_with('-') || before.ends_with("-}")))
            continue;
        starts.push_back({pos, length});
        previous = tag;
        pos += length - 1;
    }
    std::vector<Field> fields;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        const std::size_t from = starts[i].pos + starts[i].length;
        const std::size_t to = i + 1 < starts.size() ? starts[i + 1].pos : text.size();
        std::string_view content = text.substr(from, to - from);
        const bool endsMessage =
            i + 1 == starts.size() || text.substr(starts[i + 1].pos).starts_with(":20:");
        if (endsMessage && content.ends_with("-}"))
            content.remove_suffix(2);
        else if (endsMessage && content.ends_with('-'))
            content.remove_suffix(1);
        fields.push_back({std::string(text.substr(starts[i].pos + 1, starts[i].length - 2)),
                          std::string(content), line.number, content.size()});
    }
    return fields;
}

std::vector<Field> splitFields(std::string_view text) {
    std::vector<Line> lines = splitLines(text);
    std::erase_if(lines, [](const Line &line) { return line.text.empty(); });
    if (lines.size() == 1)
        return fieldsOfOneLine(lines.front());
    std::vector<Field> fields;
    bool inField = false;
    for (Line line : lines) {
        if (line.text.starts_with('{'))
            line.text = afterEnvelope(line.text);
        if (const std::size_t length = tagLength(line.text)) {
            const std::string_view content = line.text.substr(length);
            fields.push_back({std::string(line.text.substr(1, length - 2)), std::string(content),
                              line.number, content.size()});
            inField = true;
        } else if (isMessageFrame(line.text)) {
            inField = false;
        } else if (inField) {
            fields.back().content += line.text;
        }
    }
    return fields;
}

Error lineError(int line, const std::string &message) {
    return {ErrorKind::Invalid, "Zeile " + std::to_string(line) + ": " + message};
}

// The field as the message shows it; a field that runs on for pages is shown by its start.
std::string quoted(std::string_view utf8) {
    constexpr std::size_t shown = 40;
    if (utf8.size() > shown) {
        std::size_t cut = shown;
        while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
            --cut;
        return "„" + std::string(utf8.substr(0, cut)) + "…“";
    }
    return "„" + std::string(utf8) + "“";
}

std::optional<int> digitsValue(std::string_view text) {
    if (text.empty() || !AllAsciiDigits(text))
        return std::nullopt;
    int value = 0;
    for (const char c : text)
        value = value * 10 + (c - '0');
    return value;
}

// YYMMDD; two-digit years from 80 on are read as 19YY, the others as 20YY.
std::optional<CivilDate> shortCivilDate(std::string_view text) {
    if (text.size() != 6 || !digitsValue(text))
        return std::nullopt;
    const int yy = *digitsValue(text.substr(0, 2));
    return CivilDate{yy >= 80 ? 1900 + yy : 2000 + yy, *digitsValue(text.substr(2, 2)),
                     *digitsValue(text.substr(4, 2))};
}

std::optional<double> shortDate(std::string_view text) {
    const auto date = shortCivilDate(text);
    if (!date || !IsValidCivilDate(*date))
        return std::nullopt;
    return DayCountFromCivil(*date);
}

// German banks value-date their quarterly closing entry on the 30th of every month, February
// too: a day past the month's end stands for the month's last day.
struct LenientDate {
    double date = 0.0;
    std::string note; // empty when the date was valid as written
};

std::optional<LenientDate> valueDateOf(std::string_view text) {
    if (const auto exact = shortDate(text))
        return LenientDate{*exact, {}};
    auto date = shortCivilDate(text);
    if (!date || date->month < 1 || date->month > 12 || date->day < 1 || date->day > 31)
        return std::nullopt;
    const int requested = date->day;
    date->day = DaysInMonth(date->year, date->month);
    const double last = DayCountFromCivil(*date);
    char written[11];
    std::snprintf(written, sizeof written, "%02d.%02d.%04d", requested, date->month, date->year);
    return LenientDate{last, "Valutadatum " + std::string(written) + " gibt es nicht; gelesen als "
                                 + FormatDate(last) + "."};
}

// The booking date carries no year: it takes the one of the years around the value date that
// puts it closest to it (value 31.12.2026, booking 0102: 02.01.2027).
std::optional<double> bookingDateNear(double valueDate, int month, int day) {
    const int valueYear = CivilFromDayCount(valueDate)->year;
    std::optional<double> best;
    for (const int year : {valueYear - 1, valueYear, valueYear + 1}) {
        const CivilDate candidate{year, month, day};
        if (!IsValidCivilDate(candidate))
            continue;
        const double date = DayCountFromCivil(candidate);
        if (!best || std::abs(date - valueDate) < std::abs(*best - valueDate))
            best = date;
    }
    return best;
}

struct Page {
    Statement statement;
    bool continues = false; // ended with an intermediate balance
    bool hasClosingDate = false;
    bool found = false; // holds anything of a statement beyond its :20:
};

// A balance "C260131EUR1234,56" in another currency than the account's: its amount would be
// booked as euros.
Result<void> checkCurrency(const Field &field, const std::string &balance) {
    const std::string_view text = field.content;
    if (text.size() < 10 || text.substr(7, 3) == AccountCurrency)
        return {};
    return lineError(field.line, balance + " :" + field.tag + ": ist in der Währung "
                                     + quoted(text.substr(7, 3))
                                     + " angegeben; eine Kontodatei führt Euro. Der Kontoauszug "
                                       "wird nicht importiert.");
}

// "C260131EUR1234,56" of :62F:.
Result<void> readClosingBalance(const Field &field, Page &page) {
    const std::string_view text = field.content;
    const auto fail = [&] {
        return lineError(field.line, "Schlusssaldo :62F: " + quoted(text) + " ist ungültig.");
    };
    if (text.size() < 11 || (text[0] != 'C' && text[0] != 'D'))
        return fail();
    if (auto currency = checkCurrency(field, "Der Schlusssaldo"); !currency)
        return currency;
    const auto date = shortDate(text.substr(1, 6));
    const auto amount = ParseStatementAmount(text.substr(10), ',');
    if (!date || !amount || text.substr(10).find(',') == std::string_view::npos)
        return fail();
    page.statement.date = *date;
    page.statement.closingDate = *date;
    page.statement.closingBalance = text[0] == 'D' ? -*amount : *amount;
    page.hasClosingDate = true;
    page.continues = false;
    return {};
}

// "00013/001": the statement number is the part before the slash.
Result<void> readNumber(const Field &field, Page &page) {
    std::string_view text = field.content;
    text = text.substr(0, text.find('/'));
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    // Leading zeros are dropped before the length counts, so 0000013 is 13.
    const std::size_t significant = std::min(text.find_first_not_of('0'), text.size());
    const auto number = text.size() - significant <= 5 ? digitsValue(text) : std::nullopt;
    if (!number || *number > 65535)
        return lineError(field.line,
                         "Auszugsnummer " + quoted(field.content) + " in :28C: ist ungültig.");
    page.statement.number = static_cast<std::uint16_t>(*number);
    return {};
}

// The bank's reference after "//" on the field's first line; the lines after it hold other
// details.
std::string_view bankReference(const Field &field, std::size_t from) {
    const std::string_view firstLine =
        std::string_view(field.content).substr(0, std::max(from, field.firstLine));
    const std::size_t marker = firstLine.find("//", from);
    if (marker == std::string_view::npos)
        return {};
    constexpr std::size_t longest = 16;
    return firstLine.substr(marker + 2, longest);
}

// "2601310131CR800,NTRF...": value date, optional booking date (MMDD), mark (C, D, RC, RD),
// optional funds code letter, amount, then the transaction type, the customer's reference and
// after "//" the bank's.
Result<StatementEntry> readEntry(const Field &field) {
    const std::string_view text = field.content;
    const auto fail = [&](const std::string &what) {
        return lineError(field.line, what + " in :61: " + quoted(text) + " ist ungültig.");
    };
    const auto valueDate = valueDateOf(text.substr(0, 6));
    if (!valueDate)
        return fail("Das Valutadatum");
    StatementEntry entry;
    entry.valueDate = valueDate->date;
    entry.note = valueDate->note;
    std::size_t pos = 6;
    if (text.size() >= pos + 4 && digitsValue(text.substr(pos, 4))) {
        entry.bookingDate = bookingDateNear(entry.valueDate, *digitsValue(text.substr(pos, 2)),
                                            *digitsValue(text.substr(pos + 2, 2)));
        if (!entry.bookingDate)
            return fail("Das Buchungsdatum");
        pos += 4;
    }
    const std::string_view rest = text.substr(pos);
    // A reversal books against the direction of its letter.
    if (rest.starts_with("RC") || rest.starts_with("RD")) {
        entry.sign = rest[1] == 'C' ? u'-' : u'+';
        pos += 2;
    } else if (rest.starts_with('C') || rest.starts_with('D')) {
        entry.sign = rest[0] == 'C' ? u'+' : u'-';
        pos += 1;
    } else {
        return fail("Die Soll/Haben-Kennung");
    }
    if (pos < text.size() && isUpper(text[pos]))
        ++pos;
    const std::size_t amountEnd = std::min(text.find_first_not_of("0123456789,", pos), text.size());
    const std::string_view amountText = text.substr(pos, amountEnd - pos);
    // Some banks leave out the decimal comma of a whole amount ("C500NTRF").
    const auto amount = ParseStatementAmount(amountText, ',');
    if (!amount || (amountEnd < text.size() && !isUpper(text[amountEnd])))
        return fail("Der Betrag");
    entry.amount = *amount;
    if (auto key = EntryReferenceKey(ReferenceKind::Bank, bankReference(field, amountEnd),
                                     entry.valueDate, entry.sign, entry.amount))
        entry.references.push_back(std::move(*key));
    return entry;
}

Result<void> readField(const Field &field, std::vector<Page> &pages, bool afterEntry) {
    if (field.tag == "20") {
        pages.emplace_back();
        return {};
    }
    if (pages.empty())
        return lineError(field.line, "Feld :" + field.tag + ": steht vor dem ersten Feld :20:.");
    Page &page = pages.back();
    page.found = page.found || field.tag == "25" || field.tag == "61" || field.tag == "62F";
    if (field.tag == "25") {
        std::string_view id = field.content;
        while (!id.empty() && id.back() == ' ')
            id.remove_suffix(1);
        page.statement.accountId = std::string(id);
    } else if (field.tag == "28C" || field.tag == "28") {
        return readNumber(field, page);
    } else if (field.tag == "61") {
        auto entry = readEntry(field);
        if (!entry)
            return entry.error();
        page.statement.entries.push_back(std::move(*entry));
    } else if (field.tag == "86" && afterEntry) {
        const Mt940Details details = ParseMt940Details(field.content);
        StatementEntry &entry = page.statement.entries.back();
        entry.bookingType = details.bookingType;
        entry.party = details.party;
        entry.purpose = details.purpose;
        entry.partyIban = details.partyIban;
        entry.partyBic = details.partyBic;
        if (auto key = EntryReferenceKey(ReferenceKind::EndToEnd, details.endToEnd, entry.valueDate,
                                         entry.sign, entry.amount))
            entry.references.push_back(std::move(*key));
    } else if (field.tag == "62F") {
        return readClosingBalance(field, page);
    } else if (field.tag == "62M") {
        page.continues = true;
        return checkCurrency(field, "Der Zwischensaldo");
    } else if (field.tag == "60F" || field.tag == "60M") {
        return checkCurrency(field, "Der Anfangssaldo");
    } else if (field.tag == "64" || field.tag == "65") {
        return checkCurrency(field, "Der verfügbare Saldo");
    }
    return {};
}

// Pages of one statement become one; a page that ended with an intermediate balance
// continues in the next page of the same account and number.
std::vector<Page> joinPages(std::vector<Page> pages) {
    std::vector<Page> joined;
    for (Page &page : pages) {
        if (!joined.empty() && joined.back().continues
            && joined.back().statement.accountId == page.statement.accountId
            && joined.back().statement.number == page.statement.number) {
            Page &first = joined.back();
            first.statement.entries.insert(first.statement.entries.end(),
                                           page.statement.entries.begin(),
                                           page.statement.entries.end());
            first.statement.closingBalance = page.statement.closingBalance;
            first.statement.closingDate = page.statement.closingDate;
            first.statement.date = page.statement.date;
            first.hasClosingDate = page.hasClosingDate;
            first.continues = page.continues;
        } else {
            joined.push_back(std::move(page));
        }
    }
    return joined;
}

// A statement without a closing balance is dated by its latest value date.
Statement dated(Page &page) {
    if (!page.hasClosingDate) {
        for (const StatementEntry &entry : page.statement.entries)
            page.statement.date = std::max(page.statement.date, entry.valueDate);
    }
    return std::move(page.statement);
}

} // namespace

Result<std::vector<Statement>> ParseMt940(std::string_view bytes) {
    std::string text = DecodeBankText(bytes);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    const std::vector<Field> fields = splitFields(text);
    std::vector<Page> pages;
    std::string previousTag;
    for (const Field &field : fields) {
        if (auto read = readField(field, pages, previousTag == "61"); !read)
            return read.error();
        previousTag = field.tag;
    }
    if (pages.empty())
        return Error{
            ErrorKind::Invalid,
            "Die Datei ist weder ein CAMT.053- noch ein MT940-Kontoauszug (kein Feld :20:)."};
    // Fields run together into one are no statement either, and no empty success.
    if (std::none_of(pages.begin(), pages.end(), [](const Page &page) { return page.found; }))
        return Error{ErrorKind::Invalid,
                     "Die Datei enthält keinen lesbaren MT940-Kontoauszug (nach :20: kein Feld "
                     ":25:, :61: oder :62F:)."};
    std::vector<Statement> statements;
    for (Page &page : joinPages(std::move(pages)))
        statements.push_back(dated(page));
    return statements;
}

} // namespace penvaro::core
