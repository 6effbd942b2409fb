#include "bankcsv.h"

#include "asciidigits.h"
#include "csvrecords.h"
#include "date.h"
#include "textencoding.h"

#include <algorithm>
#include <array>
#include <optional>

namespace penvaro::core {
namespace {

// How a bank writes its export. Column names list their spellings separated by "|"; an empty
// name is a column the layout lacks.
struct Layout {
    std::string_view name;
    std::array<std::string_view, 4> signature; // all of them name the header's columns
    char decimal = ',';
    bool monthFirst = false; // "mm/dd/yyyy" as the English export writes dates
    std::string_view bookingDate = {};
    std::string_view valueDate = {};
    std::string_view party = {};
    std::string_view payer = {}; // the party of a credit where the file names both sides
    std::string_view iban = {};
    std::string_view bic = {};
    std::string_view purpose = {};
    std::string_view type = {};
    std::string_view amount = {};
    std::string_view debit = {};
    std::string_view credit = {};
    std::string_view currency = {};
    std::string_view status = {}; // "Gebucht" or "Vorgemerkt"
    std::string_view info = {};   // holds "Umsatz vorgemerkt" for a pending row
    std::string_view endToEnd = {};
    std::string_view ownAccount = {};
    bool partyInPurpose = false; // "Auftraggeber: … Buchungstext: …"
};

// More specific layouts come first: several share "Buchungstag" and "Wertstellung".
const std::array<Layout, 11> &layouts() {
    static const std::array<Layout, 11> all = {{
        {.name = "sparkasse-camt",
         .signature = {"Auftragskonto", "Valutadatum", "Kundenreferenz (End-to-End)",
                       "Kontonummer/IBAN"},
         .bookingDate = "Buchungstag",
         .valueDate = "Valutadatum",
         .party = "Beguenstigter/Zahlungspflichtiger",
         .iban = "Kontonummer/IBAN",
         .bic = "BIC (SWIFT-Code)",
         .purpose = "Verwendungszweck",
         .type = "Buchungstext",
         .amount = "Betrag",
         .currency = "Waehrung",
         .info = "Info",
         .endToEnd = "Kundenreferenz (End-to-End)",
         .ownAccount = "Auftragskonto"},
        {.name = "sparkasse-mt940",
         .signature = {"Auftragskonto", "Valutadatum", "Kontonummer", "BLZ"},
         .bookingDate = "Buchungstag",
         .valueDate = "Valutadatum",
         .party = "Beguenstigter/Zahlungspflichtiger",
         .iban = "Kontonummer",
         .bic = "BLZ",
         .purpose = "Verwendungszweck",
         .type = "Buchungstext",
         .amount = "Betrag",
         .currency = "Waehrung",
         .info = "Info",
         .ownAccount = "Auftragskonto"},
        {.name = "volksbank",
         .signature = {"IBAN Auftragskonto", "Name Zahlungsbeteiligter", "Valutadatum", "Betrag"},
         .bookingDate = "Buchungstag",
         .valueDate = "Valutadatum",
         .party = "Name Zahlungsbeteiligter",
         .iban = "IBAN Zahlungsbeteiligter",
         .bic = "BIC (SWIFT-Code) Zahlungsbeteiligter",
         .purpose = "Verwendungszweck",
         .type = "Buchungstext",
         .amount = "Betrag",
         .currency = "Waehrung",
         .info = "Bemerkung",
         .ownAccount = "IBAN Auftragskonto"},
        {.name = "dkb",
         .signature = {"Buchungsdatum", "Status", "Zahlungspflichtige*r", "Zahlungsempfänger*in"},
         .bookingDate = "Buchungsdatum",
         .valueDate = "Wertstellung",
         .party = "Zahlungsempfänger*in",
         .payer = "Zahlungspflichtige*r",
         .iban = "IBAN",
         .purpose = "Verwendungszweck",
         .type = "Umsatztyp",
         .amount = "Betrag (€)|Betrag (EUR)",
         .status = "Status",
         .endToEnd = "Kundenreferenz"},
        {.name = "dkb-alt",
         .signature = {"Buchungstag", "Wertstellung", "Auftraggeber / Begünstigter",
                       "Betrag (EUR)"},
         .bookingDate = "Buchungstag",
         .valueDate = "Wertstellung",
         .party = "Auftraggeber / Begünstigter",
         .iban = "Kontonummer",
         .bic = "BLZ",
         .purpose = "Verwendungszweck",
         .type = "Buchungstext",
         .amount = "Betrag (EUR)",
         .endToEnd = "Kundenreferenz"},
        {.name = "ing",
         .signature = {"Buchung", "Auftraggeber/Empfänger", "Verwendungszweck", "Betrag"},
         .bookingDate = "Buchung",
         .valueDate = "Wertstellungsdatum|Valuta",
         .party = "Auftraggeber/Empfänger",
         .purpose = "Verwendungszweck",
         .type = "Buchungstext",
         .amount = "Betrag",
         .currency = "Währung"},
        {.name = "comdirect",
         .signature = {"Buchungstag", "Wertstellung (Valuta)", "Vorgang", "Umsatz in EUR"},
         .bookingDate = "Buchungstag",
         .valueDate = "Wertstellung (Valuta)",
         .purpose = "Buchungstext",
         .type = "Vorgang",
         .amount = "Umsatz in EUR",
         .partyInPurpose = true},
        {.name = "deutsche-bank",
         .signature = {"Buchungstag", "Begünstigter / Auftraggeber", "Soll", "Haben"},
         .bookingDate = "Buchungstag",
         .valueDate = "Wert",
         .party = "Begünstigter / Auftraggeber",
         .iban = "IBAN|IBAN / Kontonummer",
         .bic = "BIC",
         .purpose = "Verwendungszweck",
         .type = "Umsatzart",
         .amount = "Betrag",
         .debit = "Soll",
         .credit = "Haben",
         .currency = "Währung",
         .endToEnd = "Kundenreferenz"},
        {.name = "deutsche-bank-en",
         .signature = {"Booking date", "Beneficiary / Originator", "Debit", "Credit"},
         .decimal = '.',
         .monthFirst = true,
         .bookingDate = "Booking date",
         .valueDate = "Value date",
         .party = "Beneficiary / Originator",
         .iban = "IBAN",
         .bic = "BIC",
         .purpose = "Payment Details",
         .type = "Transaction Type",
         .debit = "Debit",
         .credit = "Credit",
         .currency = "Currency",
         .endToEnd = "Customer Reference"},
        {.name = "commerzbank",
         .signature = {"Buchungstag", "Wertstellung", "Umsatzart", "IBAN Auftraggeberkonto"},
         .bookingDate = "Buchungstag",
         .valueDate = "Wertstellung",
         .purpose = "Buchungstext",
         .type = "Umsatzart",
         .amount = "Betrag",
         .currency = "Währung",
         .ownAccount = "IBAN Auftraggeberkonto"},
        {.name = "n26",
         .signature = {"Booking Date", "Partner Name", "Amount (EUR)", "Value Date"},
         .decimal = '.',
         .bookingDate = "Booking Date",
         .valueDate = "Value Date",
         .party = "Partner Name",
         .iban = "Partner Iban",
         .purpose = "Payment Reference",
         .type = "Type",
         .amount = "Amount (EUR)"},
    }};
    return all;
}

std::string_view trimmed(std::string_view text) {
    constexpr std::string_view blanks = " \t\r\n\xC2\xA0";
    while (!text.empty() && blanks.find(text.front()) != std::string_view::npos)
        text.remove_prefix(1);
    while (!text.empty() && blanks.find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    return text;
}

std::string lowerAscii(std::string_view text) {
    std::string result(text);
    for (char &c : result) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return result;
}

// The column of the first spelling the header holds; -1 when it holds none. A name several
// columns share (ING's two "Währung") is taken at or after the column "after" first.
int columnOf(const std::vector<std::string> &header, std::string_view spellings, int after = 0) {
    while (!spellings.empty()) {
        const std::size_t bar = spellings.find('|');
        const std::string_view name = spellings.substr(0, bar);
        int found = -1;
        for (std::size_t i = 0; i < header.size(); ++i) {
            if (trimmed(header[i]) == name && (found < 0 || found < after))
                found = static_cast<int>(i);
        }
        if (found >= 0)
            return found;
        spellings = bar == std::string_view::npos ? std::string_view() : spellings.substr(bar + 1);
    }
    return -1;
}

bool matches(const Layout &layout, const std::vector<std::string> &header) {
    return std::all_of(layout.signature.begin(), layout.signature.end(),
                       [&](std::string_view name) { return columnOf(header, name) >= 0; });
}

struct Columns {
    int bookingDate, valueDate, party, payer, iban, bic, purpose, type, amount, debit, credit,
        currency, status, info, endToEnd, ownAccount;
};

Columns columnsOf(const Layout &l, const std::vector<std::string> &header) {
    const auto at = [&](std::string_view name) {
        return name.empty() ? -1 : columnOf(header, name);
    };
    Columns c{at(l.bookingDate), at(l.valueDate), at(l.party),    at(l.payer),
              at(l.iban),        at(l.bic),       at(l.purpose),  at(l.type),
              at(l.amount),      at(l.debit),     at(l.credit),   -1,
              at(l.status),      at(l.info),      at(l.endToEnd), at(l.ownAccount)};
    if (!l.currency.empty())
        c.currency = columnOf(header, l.currency, std::max({c.amount, c.debit, c.credit, 0}));
    return c;
}

constexpr std::array<char, 3> separators = {';', ',', '\t'};
constexpr int headerSearchLines = 40;

struct Header {
    const Layout *layout = nullptr;
    char separator = ';';
    std::size_t index = 0; // of the header among the text's records
};

// The beginning of the text that holds the lines the header is looked for in, so that a large
// file is split into records once, not once per separator tried.
std::string_view headerSearchText(std::string_view text) {
    std::size_t end = 0;
    for (int line = 0; line < headerSearchLines && end < text.size(); ++line) {
        const std::size_t next = text.find('\n', end);
        end = next == std::string_view::npos ? text.size() : next + 1;
    }
    return text.substr(0, end);
}

std::optional<Header> findHeader(std::string_view text, std::string_view layoutName) {
    const std::string_view start = headerSearchText(text);
    for (const char separator : separators) {
        const std::vector<CsvRecord> records = SplitCsvRecords(start, separator);
        for (std::size_t i = 0; i < records.size(); ++i) {
            for (const Layout &layout : layouts()) {
                if ((layoutName.empty() || layout.name == layoutName)
                    && matches(layout, records[i].fields))
                    return Header{&layout, separator, i};
            }
        }
    }
    return std::nullopt;
}

std::string decoded(std::string_view bytes) {
    std::string text = DecodeBankText(bytes);
    if (text.starts_with("\xEF\xBB\xBF"))
        text.erase(0, 3);
    return text;
}

std::optional<int> number(std::string_view digits) {
    if (digits.empty() || digits.size() > 4 || !AllAsciiDigits(digits))
        return std::nullopt;
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// "31.01.26", "31.01.2026", "2026-01-31", or "01/31/2026" where the layout puts the month first.
std::optional<double> dateOf(std::string_view text, bool monthFirst) {
    text = trimmed(text);
    const auto part = [&](std::size_t at, std::size_t length) {
        return number(text.substr(at, length)).value_or(-1);
    };
    int day = -1, month = -1, year = -1;
    if (text.size() == 10 && text[4] == '-' && text[7] == '-') {
        year = part(0, 4);
        month = part(5, 2);
        day = part(8, 2);
    } else if ((text.size() == 8 || text.size() == 10) && (text[2] == '.' || text[2] == '/')
               && text[5] == text[2]) {
        const bool swapped = text[2] == '/' && monthFirst;
        day = part(swapped ? 3 : 0, 2);
        month = part(swapped ? 0 : 3, 2);
        year = part(6, text.size() - 6);
        if (year >= 0 && text.size() == 8)
            year += year >= 80 ? 1900 : 2000;
    }
    const CivilDate date{year, month, day};
    if (day < 0 || month < 0 || year < 0 || !IsValidCivilDate(date))
        return std::nullopt;
    return DayCountFromCivil(date);
}

struct SignedAmount {
    char16_t sign = u'+';
    std::int64_t amount = 0;
};

// "-1.234,56", "200", "-62,3", "1.500 €" or, with a decimal point, "-12.5": never through a
// floating-point number.
std::optional<SignedAmount> amountOf(std::string_view text, char decimal) {
    text = trimmed(text);
    for (const std::string_view unit : {std::string_view("€"), std::string_view("EUR")}) {
        if (text.ends_with(unit))
            text = trimmed(text.substr(0, text.size() - unit.size()));
    }
    SignedAmount result;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        result.sign = text.front() == '-' ? u'-' : u'+';
        text = trimmed(text.substr(1));
    }
    const char grouping = decimal == ',' ? '.' : ',';
    std::string digits;
    for (const char c : text) {
        if (c != grouping)
            digits += c;
    }
    const auto amount = ParseStatementAmount(digits, decimal);
    if (!amount)
        return std::nullopt;
    result.amount = *amount;
    return result;
}

std::string cell(const CsvRecord &record, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= record.fields.size())
        return {};
    return std::string(trimmed(record.fields[static_cast<std::size_t>(column)]));
}

bool isPending(const CsvRecord &record, const Columns &c) {
    return lowerAscii(cell(record, c.status)) == "vorgemerkt"
           || lowerAscii(cell(record, c.info)).find("vorgemerkt") != std::string::npos
           || lowerAscii(cell(record, c.bookingDate)) == "offen";
}

// comdirect writes the party into the text: "Auftraggeber: Name Buchungstext: Purpose".
void splitPartyFromPurpose(StatementEntry &entry) {
    for (const std::string_view marker : {"Auftraggeber: ", "Empfänger: "}) {
        if (!entry.purpose.starts_with(marker))
            continue;
        const std::string rest = entry.purpose.substr(marker.size());
        const std::size_t text = rest.find(" Buchungstext: ");
        entry.party = std::string(trimmed(rest.substr(0, text)));
        entry.purpose = text == std::string::npos ? std::string()
                                                  : std::string(trimmed(rest.substr(text + 15)));
        return;
    }
    if (entry.purpose.starts_with("Buchungstext: "))
        entry.purpose = std::string(trimmed(entry.purpose.substr(14)));
}

Error lineError(int line, const std::string &message) {
    return {ErrorKind::Invalid, "Zeile " + std::to_string(line) + ": " + message};
}

Result<StatementEntry> readRow(const CsvRecord &record, const Layout &layout, const Columns &c) {
    StatementEntry entry;
    entry.pending = isPending(record, c);
    const auto booking = dateOf(cell(record, c.bookingDate), layout.monthFirst);
    const auto value = dateOf(cell(record, c.valueDate), layout.monthFirst);
    // The booking date tells an entry from the balance lines banks put after the table, which
    // may carry a date where the entry has its value date.
    if (!booking && !entry.pending)
        return lineError(record.line,
                         "Das Datum „" + cell(record, c.bookingDate) + "“ ist ungültig.");
    entry.valueDate = value ? *value : booking.value_or(0.0);
    entry.bookingDate = booking;
    std::optional<SignedAmount> amount;
    const std::string debit = cell(record, c.debit);
    const std::string credit = cell(record, c.credit);
    if (!debit.empty() || !credit.empty()) {
        amount = amountOf(debit.empty() ? credit : debit, layout.decimal);
        if (amount)
            amount->sign = debit.empty() ? u'+' : u'-';
    } else {
        amount = amountOf(cell(record, c.amount), layout.decimal);
    }
    if (!amount)
        return lineError(record.line, "Der Betrag „"
                                          + cell(record, c.amount >= 0 ? c.amount : c.debit)
                                          + "“ ist ungültig.");
    entry.sign = amount->sign;
    entry.amount = amount->amount;
    const std::string currency = cell(record, c.currency);
    if (!currency.empty() && currency != AccountCurrency)
        return lineError(record.line, "Der Betrag ist in der Währung „" + currency
                                          + "“ angegeben; eine Kontodatei führt Euro.");
    entry.party = cell(record, entry.sign == u'+' && c.payer >= 0 ? c.payer : c.party);
    entry.purpose = cell(record, c.purpose);
    entry.bookingType = cell(record, c.type);
    if (layout.partyInPurpose)
        splitPartyFromPurpose(entry);
    entry.partyIban = PartyIban(cell(record, c.iban));
    entry.partyBic = PartyBic(cell(record, c.bic));
    if (entry.pending)
        return entry;
    if (auto key = EntryReferenceKey(ReferenceKind::EndToEnd, cell(record, c.endToEnd),
                                     entry.valueDate, entry.sign, entry.amount))
        entry.references.push_back(std::move(*key));
    return entry;
}

bool isBlank(const CsvRecord &record) {
    return std::all_of(record.fields.begin(), record.fields.end(),
                       [](const std::string &field) { return trimmed(field).empty(); });
}

// The account the lines before the table name: "IBAN;DE…", "\"Girokonto\";\"DE…\"",
// "Kontonummer:;DE… / Girokonto".
std::string accountBeforeTable(const std::vector<CsvRecord> &records, std::size_t header) {
    for (std::size_t i = 0; i < header; ++i) {
        for (const std::string &field : records[i].fields) {
            const std::string_view text = trimmed(field);
            const std::string iban = PartyIban(text.substr(0, text.find(" /")));
            if (!iban.empty())
                return iban;
        }
    }
    return {};
}

std::string firstLine(const std::string &text) {
    std::string_view line = text;
    line = line.substr(0, line.find_first_of("\r\n"));
    constexpr std::size_t shown = 120;
    return std::string(line.substr(0, shown));
}

} // namespace

std::vector<std::string> BankCsvLayoutNames() {
    std::vector<std::string> names;
    for (const Layout &layout : layouts())
        names.emplace_back(layout.name);
    return names;
}

bool IsBankCsv(std::string_view bytes) {
    return findHeader(decoded(bytes), {}).has_value();
}

Result<std::vector<Statement>> ParseBankCsv(std::string_view bytes, std::string_view layoutName) {
    const std::string text = decoded(bytes);
    const auto names = BankCsvLayoutNames();
    if (!layoutName.empty() && std::find(names.begin(), names.end(), layoutName) == names.end()) {
        std::string list;
        for (const std::string &name : names)
            list += (list.empty() ? "" : ", ") + name;
        return Error{ErrorKind::Invalid, "Das CSV-Format „" + std::string(layoutName)
                                             + "“ ist unbekannt; bekannt sind: " + list + "."};
    }
    const auto header = findHeader(text, layoutName);
    if (!header)
        return Error{ErrorKind::Invalid,
                     "Die CSV-Datei hat keinen bekannten Aufbau einer Bank (erste Zeile: „"
                         + firstLine(text)
                         + "“). Bitte die Umsätze als CAMT.053 oder MT940 exportieren."};
    const Layout &layout = *header->layout;
    const std::vector<CsvRecord> records = SplitCsvRecords(text, header->separator);
    const Columns columns = columnsOf(layout, records[header->index].fields);
    Statement statement;
    std::optional<Error> unreadable;
    for (std::size_t i = header->index + 1; i < records.size(); ++i) {
        const CsvRecord &record = records[i];
        if (isBlank(record))
            continue;
        // comdirect puts the card's or the depot's turnovers in a section of their own after
        // the account's: they belong to another account.
        if (!record.fields.empty() && trimmed(record.fields.front()).starts_with("Umsätze "))
            break;
        auto entry = readRow(record, layout, columns);
        // Banks end the table with lines of balances and totals, which have no booking date;
        // any other line that cannot be read refuses the file.
        if (!entry) {
            if (dateOf(cell(record, columns.bookingDate), layout.monthFirst))
                return entry.error();
            if (!unreadable)
                unreadable = entry.error();
            continue;
        }
        if (unreadable)
            return *unreadable;
        if (statement.accountId.empty()) {
            const std::string own = cell(record, columns.ownAccount);
            const std::string iban = PartyIban(own);
            statement.accountId = iban.empty() ? own : iban;
        }
        statement.entries.push_back(std::move(*entry));
    }
    if (statement.accountId.empty())
        statement.accountId = accountBeforeTable(records, header->index);
    for (const StatementEntry &entry : statement.entries) {
        if (!entry.pending)
            statement.date = std::max(statement.date, entry.valueDate);
    }
    // A pending row without a date is shown on the statement's day.
    for (StatementEntry &entry : statement.entries) {
        if (entry.pending && entry.valueDate == 0.0)
            entry.valueDate = statement.date;
    }
    return std::vector<Statement>{std::move(statement)};
}

} // namespace penvaro::core
