#include "evaluationprintout.h"

#include "balances.h"
#include "bookingtexts.h"
#include "cp1252.h"
#include "date.h"
#include "wideint.h"

#include <algorithm>

namespace penvaro::core {
namespace {

constexpr int PageTopY = -10;
constexpr int FirstRowY = -350;
constexpr int ContinuedRowY = -500;
constexpr int ContinuedPlannedHeaderY = -200;
constexpr int PlannedHeaderDepth = 340;
constexpr int GrandTotalFontHeight = 60;

bool matchesAny(const BookingTable &table, const BookingMatcher &matcher, BookingKind kind) {
    const auto used = table.used();
    return std::any_of(used.begin(), used.end(), [&](const BookingRecord &r) {
        return r.Satzart == kind && matcher.Matches(r);
    });
}

class EvaluationPrinter {
public:
    EvaluationPrinter(Canvas &canvas, const BookingTable &table, const BookingMatcher &matcher,
                      const EvaluationPrintOptions &options)
        : m_page(canvas, options.list)
        , m_table(table)
        , m_matcher(matcher)
        , m_options(options) {}

    Result<void> print(bool completed, bool planned) {
        m_firstTable = completed || !planned;
        if (auto begun = beginJob(); !begun)
            return begun;
        int y = PageTopY;
        if (completed) {
            if (auto printed = printCompleted(y); !printed)
                return printed;
        }
        if (planned) {
            if (auto printed = printPlanned(y); !printed)
                return printed;
        }
        return m_page.canvas().endDocument();
    }

private:
    Result<void> beginJob() { return m_page.canvas().beginDocument(m_page.jobTitle(m_firstTable)); }

    Result<void> nextJob() {
        if (auto ended = m_page.canvas().endDocument(); !ended)
            return ended;
        return beginJob();
    }

    Result<void> printCompleted(int &y) {
        m_page.PrintListHeader();
        y = FirstRowY;
        for (const BookingRecord &r : m_table.used()) {
            if (r.Satzart != BookingKind::Completed || !m_matcher.Matches(r))
                continue;
            // The break comes before a row rather than after it, so that the section's sum
            // always follows its last row instead of opening a job of its own.
            if (y < LowestRowY) {
                if (auto next = nextJob(); !next)
                    return next;
                m_page.PrintListHeader();
                y = ContinuedRowY;
            }
            printCompletedRow(r, y);
            m_sum1 += SignedAmount(r);
            y -= RowStep;
        }
        m_page.sumRow(m_page.columns().bookingDateLabelX(), m_page.columns().completed.amount, y,
                      static_cast<std::int64_t>(m_sum1));
        y -= 500;
        return {};
    }

    Result<void> printPlanned(int &y) {
        // The heading and at least the first row must fit below the completed section;
        // otherwise the section begins in a new job, as its rows continue when they fill one.
        if (y - PlannedHeaderDepth < LowestRowY) {
            if (auto next = nextJob(); !next)
                return next;
            y = ContinuedPlannedHeaderY;
        }
        m_page.PrintPlannedHeader(y);
        y -= PlannedHeaderDepth;
        for (const BookingRecord &r : m_table.used()) {
            if (r.Satzart != BookingKind::Planned || !m_matcher.Matches(r))
                continue;
            if (y < LowestRowY) {
                if (auto next = nextJob(); !next)
                    return next;
                m_page.PrintPlannedHeader(ContinuedPlannedHeaderY);
                y = ContinuedRowY;
            }
            m_page.rowFont();
            m_page.plannedRow(r, y, std::nullopt);
            m_sum2 += SignedAmount(r);
            y -= RowStep;
        }
        m_page.sumRow(m_page.columns().bookingDateLabelX(), m_page.columns().planned.amount, y,
                      static_cast<std::int64_t>(m_sum2));
        printGrandTotal(y);
        return {};
    }

    void printCompletedRow(const BookingRecord &r, int y) {
        const CompletedPrintColumns &c = m_page.columns().completed;
        m_page.rowFont();
        if (m_options.statementData && c.statementNumber && c.statementDate) {
            m_page.text(*c.statementNumber, y,
                        std::to_string(r.Auszugsnr) + " / " + std::to_string(r.Auszugsjahr),
                        TextAlign::Centre);
            m_page.text(*c.statementDate, y, FormatDate(r.Auszugsdatum), TextAlign::Centre);
        }
        m_page.text(c.valueDate, y, FormatDate(r.Wertdatum), TextAlign::Centre);
        m_page.cell(c.bookingType, c.textEnd(c.bookingType), y, core::CategoryText(r));
        if (c.sender)
            m_page.cell(*c.sender, c.textEnd(*c.sender), y, core::PartyText(r));
        if (c.purpose)
            m_page.cell(*c.purpose, c.textEnd(*c.purpose), y, core::PurposeText(r));
        if (m_options.bookingDates && c.bookingDate)
            m_page.text(*c.bookingDate, y, FormatDate(r.Buchungsdatum), TextAlign::Centre);
        m_page.text(c.mark, y, MarkText(r), TextAlign::Centre);
        m_page.amount(c.amount, y, r.Betrag);
    }

    void printGrandTotal(int y) {
        const bool withTotal = m_sum1 > 0 || m_sum2 > 0;
        int ruleY = y - 250;
        // A grand total that would reach below the printable area goes with its rule to the
        // top of the next page.
        if (withTotal && ruleY - 50 - GrandTotalFontHeight < LowestPrintableY) {
            m_page.canvas().newPage();
            ruleY = -80;
        }
        m_page.rule(ruleY, ThickPen);
        if (!withTotal)
            return;
        m_page.canvas().setFont({"Arial", GrandTotalFontHeight, false});
        m_page.text(m_page.columns().purposeLabelX(), ruleY - 50,
                    "Gesamtsumme:", TextAlign::Centre);
        m_page.amount(m_page.columns().planned.amount, ruleY - 50,
                      static_cast<std::int64_t>(m_sum1 + m_sum2));
    }

    ListPage m_page;
    const BookingTable &m_table;
    const BookingMatcher &m_matcher;
    const EvaluationPrintOptions &m_options;
    Int128 m_sum1 = 0;
    Int128 m_sum2 = 0;
    bool m_firstTable = true;
};

} // namespace

bool HasEvaluationData(const BookingTable &table, const BookingMatcher &matcher) {
    return matchesAny(table, matcher, BookingKind::Completed)
           || matchesAny(table, matcher, BookingKind::Planned);
}

Result<EvaluationPrintOutcome> PrintEvaluation(Canvas &canvas, const BookingTable &table,
                                               const BookingMatcher &matcher,
                                               const EvaluationPrintOptions &options) {
    EvaluationPrinter printer(canvas, table, matcher, options);
    const bool completed = matchesAny(table, matcher, BookingKind::Completed);
    const bool planned = matchesAny(table, matcher, BookingKind::Planned);
    if (!completed && !planned)
        return EvaluationPrintOutcome::NothingToPrint;
    if (auto checked = CheckPrintableAmounts(table); !checked)
        return checked.error();
    if (auto printed = printer.print(completed, planned); !printed)
        return printed.error();
    return EvaluationPrintOutcome::Printed;
}

} // namespace penvaro::core
