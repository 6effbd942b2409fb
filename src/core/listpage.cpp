#include "listpage.h"

#include "bookingtexts.h"
#include "cp1252.h"
#include "date.h"
#include "wideint.h"

#include <cmath>
#include <limits>

namespace penvaro::core {
namespace {

constexpr const char *Font = "Arial";
constexpr int HeaderLineFontHeight = 30;
constexpr int TitleFontHeight = 60;
constexpr int HeadingFontHeight = 40;
constexpr int RowFontHeight = 33;

constexpr int TitleX = 1050;
constexpr int FileNameX = 10;
constexpr int PageNumberX = 1800;
constexpr int HeaderLineY = -10;

} // namespace

std::string PrintAmountText(std::int64_t amount, const ListPrintOptions &options) {
    if (options.national)
        return FormatNationalText(amount, options.currency, options.separators);
    return FormatEuroText(amount, options.separators);
}

ListPage::ListPage(Canvas &canvas, const ListPrintOptions &options)
    : m_canvas(canvas)
    , m_options(options)
    , m_columns(ComputePrintColumns(options.columns)) {}

std::string ListPage::jobTitle(bool firstTable) const {
    const std::string &title = firstTable ? m_options.title1 : m_options.title2;
    return title.empty() ? std::string(UntitledListJobTitle) : title;
}

void ListPage::rule(int y, int penWidth) {
    m_canvas.setPenWidth(penWidth);
    m_canvas.line(0, y, m_canvas.pageWidthMm() * 10, y);
}

void ListPage::rowFont(bool bold) {
    m_canvas.setFont({Font, RowFontHeight, bold});
}

void ListPage::text(int x, int y, const std::string &text, TextAlign align) {
    m_canvas.text(x, y, text, align);
}

void ListPage::cell(int x, int end, int y, const std::string &text) {
    m_canvas.clippedText(x, y, end - x, text);
}

void ListPage::amount(int x, int y, std::int64_t value) {
    m_canvas.text(x, y, PrintAmountText(value, m_options), TextAlign::Right);
}

void ListPage::plannedRow(const BookingRecord &r, int y, std::optional<std::int64_t> balance) {
    const PlannedPrintColumns &c = m_columns.planned;
    text(c.valueDate, y, FormatDate(r.Wertdatum), TextAlign::Centre);
    cell(c.bookingType, c.textEnd(c.bookingType), y, core::CategoryText(r));
    if (c.sender)
        cell(*c.sender, c.textEnd(*c.sender), y, core::PartyText(r));
    if (c.purpose)
        cell(*c.purpose, c.textEnd(*c.purpose), y, core::PurposeText(r));
    text(c.mark, y, MarkText(r), TextAlign::Centre);
    amount(c.amount, y, r.Betrag);
    if (c.balance && balance)
        amount(*c.balance, y, *balance);
}

void ListPage::sumRow(int labelX, int sumX, int y, std::int64_t sum) {
    rowFont(true);
    text(labelX, y - 100, "Summe:", TextAlign::Centre);
    amount(sumX, y - 100, sum);
    rule(y - 50, ThinPen);
}

void ListPage::printFileLine() {
    m_canvas.setFont({Font, HeaderLineFontHeight, false});
    if (m_options.printFileName)
        text(FileNameX, HeaderLineY, m_options.fileName, TextAlign::Left);
    if (m_options.printPageNumbers)
        text(PageNumberX, HeaderLineY, "Seite " + std::to_string(m_canvas.pageNumber()),
             TextAlign::Left);
}

void ListPage::PrintListHeader() {
    printFileLine();
    m_canvas.setFont({Font, TitleFontHeight, false});
    text(TitleX, -50, m_options.title1, TextAlign::Centre);
    rule(-50, ThickPen);
    rule(-120, ThickPen);

    m_canvas.setFont({Font, HeadingFontHeight, true});
    constexpr int line1 = -200;
    constexpr int line2 = -240;
    const CompletedPrintColumns &c = m_columns.completed;
    if (c.statementNumber && c.statementDate) {
        // One "Auszugs-" over both columns: two side by side would read as one doubled word.
        text((*c.statementNumber + *c.statementDate + 12) / 2, line1, "Auszugs-",
             TextAlign::Centre);
        text(*c.statementNumber, line2, "nummer", TextAlign::Centre);
        text(*c.statementDate + 12, line2, "datum", TextAlign::Centre);
    }
    text(c.valueDate, line1, "Wert-", TextAlign::Centre);
    text(c.valueDate, line2, "datum", TextAlign::Centre);
    text(c.bookingType - 65, line1, "Buchungs-", TextAlign::Left);
    text(c.bookingType + 10, line2, "art", TextAlign::Left);
    if (c.sender) {
        text(*c.sender, line1, "Empfänger/", TextAlign::Left);
        text(*c.sender, line2, "Absender", TextAlign::Left);
    }
    if (c.purpose)
        text(*c.purpose, line2, "Verwendungszweck", TextAlign::Left);
    if (c.bookingDate) {
        text(*c.bookingDate, line1, "Buchungs-", TextAlign::Centre);
        text(*c.bookingDate, line2, "datum", TextAlign::Centre);
    }
    text(c.mark, line1, "Soll/", TextAlign::Centre);
    text(c.mark, line2, "Haben", TextAlign::Centre);
    text(c.amount, line2, "Betrag", TextAlign::Right);
    if (c.balance) {
        text(*c.balance, line1, "Konto-", TextAlign::Right);
        text(*c.balance, line2, "stand", TextAlign::Right);
    }
    rule(-300, ThinPen);
    rowFont();
}

void ListPage::PrintPlannedHeader(int y) {
    m_canvas.setFont({Font, TitleFontHeight, false});
    text(TitleX, y, m_options.title2, TextAlign::Centre);
    rule(y, ThickPen);
    rule(y - 70, ThickPen);

    m_canvas.setFont({Font, HeadingFontHeight, true});
    const int line1 = y - 150;
    const int line2 = y - 200;
    const PlannedPrintColumns &c = m_columns.planned;
    text(c.valueDate, line1, "Wert-", TextAlign::Centre);
    text(c.valueDate, line2, "datum", TextAlign::Centre);
    text(c.bookingType - 35, line1, "Buchungs-", TextAlign::Left);
    text(c.bookingType, line2, "art", TextAlign::Left);
    if (c.sender) {
        text(*c.sender, line1, "Empfänger/", TextAlign::Left);
        text(*c.sender, line2, "Absender", TextAlign::Left);
    }
    if (c.purpose)
        text(*c.purpose, line2, "Verwendungszweck", TextAlign::Left);
    text(c.mark, line1, "Soll/", TextAlign::Centre);
    text(c.mark, line2, "Haben", TextAlign::Centre);
    text(c.amount, line2, "Betrag", TextAlign::Right);
    if (c.balance) {
        text(*c.balance, line1, "Konto-", TextAlign::Right);
        text(*c.balance, line2, "stand", TextAlign::Right);
    }
    rule(y - 250, ThinPen);
    rowFont();
}

Result<void> CheckPrintableAmounts(const BookingTable &table) {
    Int128 magnitude = 0;
    for (const BookingRecord &r : table.used())
        magnitude += r.Betrag < 0 ? -Int128{r.Betrag} : Int128{r.Betrag};
    if (magnitude > std::numeric_limits<std::int64_t>::max())
        return Error{ErrorKind::Overflow,
                     "Die Beträge der Buchungen sind zusammen zu groß, um ihre Summen zu "
                     "drucken."};
    return {};
}

double WholeDay(double dayCount) {
    return std::floor(dayCount);
}

std::string MarkText(const BookingRecord &r) {
    std::string mark;
    AppendUtf8(mark, r.SollHaben);
    return mark;
}

} // namespace penvaro::core
