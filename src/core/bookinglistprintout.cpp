#include "bookinglistprintout.h"

#include "balances.h"
#include "bookingtexts.h"
#include "cp1252.h"
#include "date.h"
#include "wideint.h"

namespace penvaro::core {
namespace {

constexpr int ListSumLabelX = 1500;
constexpr int CompletedSumX = 1900;
constexpr int PlannedSumX = 1950;
constexpr int GrandTotalLabelX = 1400;
constexpr int GrandTotalX = 1900;
constexpr int GrandTotalFontHeight = 50;
constexpr int PageTopY = -10;
constexpr int FirstRowY = -350;

bool inRange(const BookingRecord &r, const BookingListRange &range) {
    const double day = WholeDay(r.Wertdatum);
    return day >= WholeDay(range.firstDay) && day <= WholeDay(range.lastDay);
}

class BookingListPrinter {
public:
    BookingListPrinter(Canvas &canvas, const BookingTable &table, const ListPrintOptions &options,
                       const BookingListRange &range)
        : m_page(canvas, options)
        , m_table(table)
        , m_range(range) {}

    Result<void> print() {
        const bool firstTable = m_range.printCompleted || !m_range.printPlanned;
        if (auto begun = m_page.canvas().beginDocument(m_page.jobTitle(firstTable)); !begun)
            return begun;
        int y = PageTopY;
        if (m_range.printCompleted)
            y = printCompleted();
        if (m_range.printPlanned)
            y = printPlanned(y);
        printGrandTotal(y);
        return m_page.canvas().endDocument();
    }

private:
    // Returns the y the next section starts from.
    int printCompleted() {
        m_page.PrintListHeader();
        const bool withStartValue =
            WholeDay(m_range.firstDay) == WholeDay(m_range.earliestValueDate);
        const bool withBalance = m_page.options().columns.balance;
        Int128 balance = 0;
        int y = FirstRowY;
        for (const BookingRecord &r : m_table.used()) {
            if (withBalance && r.Satzart != BookingKind::Recurring)
                balance += SignedAmount(r);
            const bool startValue = r.Satzart == BookingKind::StartValue && withStartValue;
            const bool completed = r.Satzart == BookingKind::Completed && inRange(r, m_range);
            if (!startValue && !completed)
                continue;
            if (y < LowestRowY) {
                m_page.canvas().newPage();
                m_page.PrintListHeader();
                y = FirstRowY;
            }
            m_sum1 += SignedAmount(r);
            if (startValue)
                printStartValue(r, y);
            else
                printCompletedRow(r, y, static_cast<std::int64_t>(balance));
            y -= RowStep;
        }
        m_page.sumRow(ListSumLabelX, CompletedSumX, y, static_cast<std::int64_t>(m_sum1));
        return y - 450;
    }

    void printCompletedRow(const BookingRecord &r, int y, std::int64_t balance) {
        const CompletedPrintColumns &c = m_page.columns().completed;
        m_page.rowFont();
        if (c.statementNumber)
            m_page.text(*c.statementNumber, y,
                        std::to_string(r.Auszugsnr) + " / " + std::to_string(r.Auszugsjahr),
                        TextAlign::Centre);
        if (c.statementDate)
            m_page.text(*c.statementDate, y, FormatDate(r.Auszugsdatum), TextAlign::Centre);
        m_page.text(c.valueDate, y, FormatDate(r.Wertdatum), TextAlign::Centre);
        m_page.cell(c.bookingType, c.textEnd(c.bookingType), y, core::CategoryText(r));
        if (c.sender)
            m_page.cell(*c.sender, c.textEnd(*c.sender), y, core::PartyText(r));
        if (c.purpose)
            m_page.cell(*c.purpose, c.textEnd(*c.purpose), y, core::PurposeText(r));
        if (c.bookingDate)
            m_page.text(*c.bookingDate, y, FormatDate(r.Buchungsdatum), TextAlign::Centre);
        m_page.text(c.mark, y, MarkText(r), TextAlign::Centre);
        m_page.amount(c.amount, y, r.Betrag);
        if (c.balance)
            m_page.amount(*c.balance, y, balance);
    }

    void printStartValue(const BookingRecord &r, int y) {
        const CompletedPrintColumns &c = m_page.columns().completed;
        m_page.rowFont(true);
        m_page.text(m_page.columns().bookingDateLabelX(), y, "Startwert:", TextAlign::Centre);
        m_page.text(c.mark, y, MarkText(r), TextAlign::Centre);
        m_page.amount(c.balance ? *c.balance : c.amount, y, r.Betrag);
    }

    int printPlanned(int y) {
        y -= RowStep;
        int n = 0;
        if (y < LowestRowY) {
            n = newPlannedPage();
        } else {
            m_page.PrintPlannedHeader(y);
            n = y - 275;
            if (n < LowestRowY)
                n = newPlannedPage();
        }
        const bool withBalance = m_page.options().columns.balance;
        Int128 balance = 0;
        for (const BookingRecord &r : m_table.used()) {
            if (withBalance && r.Satzart != BookingKind::Recurring)
                balance += SignedAmount(r);
            if (r.Satzart != BookingKind::Planned || !inRange(r, m_range))
                continue;
            if (n < LowestRowY)
                n = newPlannedPage();
            m_sum2 += SignedAmount(r);
            m_page.plannedRow(r, n, static_cast<std::int64_t>(balance));
            n -= RowStep;
        }
        m_page.sumRow(ListSumLabelX, PlannedSumX, n, static_cast<std::int64_t>(m_sum2));
        return n - 100;
    }

    int newPlannedPage() {
        m_page.canvas().newPage();
        m_page.PrintPlannedHeader(-50);
        m_page.printFileLine();
        m_page.rowFont();
        return FirstRowY;
    }

    void printGrandTotal(int y) {
        // The grand total would reach below the printable area: it goes to a page of its own,
        // where it stands as on a list without tables.
        if (y - 200 - GrandTotalFontHeight < LowestPrintableY) {
            m_page.canvas().newPage();
            y = PageTopY;
        }
        m_page.rule(y - 70, ThickPen);
        m_page.canvas().setFont({"Arial", GrandTotalFontHeight, false});
        m_page.text(GrandTotalLabelX, y - 200, "Gesamtsumme:", TextAlign::Centre);
        m_page.amount(GrandTotalX, y - 200, static_cast<std::int64_t>(m_sum1 + m_sum2));
    }

    ListPage m_page;
    const BookingTable &m_table;
    const BookingListRange &m_range;
    Int128 m_sum1 = 0;
    Int128 m_sum2 = 0;
};

} // namespace

Result<void> PrintBookingList(Canvas &canvas, const BookingTable &table,
                              const ListPrintOptions &options, const BookingListRange &range) {
    if (auto checked = CheckPrintableAmounts(table); !checked)
        return checked;
    return BookingListPrinter(canvas, table, options, range).print();
}

} // namespace penvaro::core
