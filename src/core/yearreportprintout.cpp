#include "yearreportprintout.h"

#include "date.h"
#include "wideint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace penvaro::core {
namespace {

constexpr const char *Font = "Arial";
constexpr int Left = 100;
constexpr int LowestRowY = -2700;
constexpr int RowHeight = 40;
constexpr int AmountWidth = 115;

int rightEdge(const Canvas &canvas) {
    return canvas.pageWidthMm() * 10 - Left;
}

// The amount without its currency, which the heading names once for the whole page.
std::string number(std::int64_t amount, const YearReportPrintOptions &options) {
    return options.national
               ? FormatNationalNumber(amount, options.national->rate, options.separators)
               : FormatEuroNumber(amount, options.separators);
}

std::string currencyName(const YearReportPrintOptions &options) {
    return options.national ? options.national->name : "€";
}

struct Rect {
    int left, top, right, bottom; // top > bottom: y grows upwards
};

// Liang-Barsky: the part of the segment inside the rectangle, if any.
bool clip(const Rect &r, double &x1, double &y1, double &x2, double &y2) {
    double t0 = 0.0;
    double t1 = 1.0;
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    const std::array<std::pair<double, double>, 4> edges = {
        {{-dx, x1 - r.left}, {dx, r.right - x1}, {-dy, y1 - r.bottom}, {dy, r.top - y1}}};
    for (const auto &[p, q] : edges) {
        if (p == 0.0) {
            if (q < 0.0)
                return false;
            continue;
        }
        const double t = q / p;
        if (p < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1)
        return false;
    const double ox = x1;
    const double oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return true;
}

// One hatch per set of bars: a direction (dx, dy) and a spacing; the incoming bar stays empty.
struct Hatch {
    int dx, dy, spacing;
    bool crossed; // a second hatch at right angles
};
const std::array<Hatch, 9> hatches = {{
    {1, 1, 25, false},
    {1, -1, 25, false},
    {1, 0, 20, false},
    {0, 1, 20, false},
    {1, 0, 30, true},
    {1, 1, 35, true},
    {1, 0, 10, false},
    {0, 1, 10, false},
    {1, 1, 12, false},
}};

void hatchLines(Canvas &canvas, const Rect &r, int dx, int dy, int spacing) {
    // Lines dy*x - dx*y = c through the rectangle, c stepping by the spacing.
    const double span = (r.right - r.left) + (r.top - r.bottom);
    for (double c = -span * 2; c <= span * 2; c += spacing) {
        double x1, y1, x2, y2;
        if (dx == 0) {
            x1 = x2 = r.left + c;
            y1 = r.bottom;
            y2 = r.top;
        } else if (dy == 0) {
            y1 = y2 = r.bottom + c;
            x1 = r.left;
            x2 = r.right;
        } else {
            // Through (r.left + c, r.bottom) in the direction (dx, dy), long enough to cross.
            x1 = r.left + c - span * dx;
            y1 = r.bottom - span * dy;
            x2 = r.left + c + span * dx;
            y2 = r.bottom + span * dy;
        }
        if (clip(r, x1, y1, x2, y2))
            canvas.line(static_cast<int>(std::lround(x1)), static_cast<int>(std::lround(y1)),
                        static_cast<int>(std::lround(x2)), static_cast<int>(std::lround(y2)));
    }
}

void box(Canvas &canvas, const Rect &r) {
    canvas.line(r.left, r.top, r.right, r.top);
    canvas.line(r.right, r.top, r.right, r.bottom);
    canvas.line(r.right, r.bottom, r.left, r.bottom);
    canvas.line(r.left, r.bottom, r.left, r.top);
}

void hatchedBox(Canvas &canvas, const Rect &r, std::size_t set) {
    box(canvas, r);
    if (set >= hatches.size() || r.top - r.bottom < 2)
        return;
    const Hatch &h = hatches[set];
    hatchLines(canvas, r, h.dx, h.dy, h.spacing);
    if (h.crossed)
        hatchLines(canvas, r, h.dy == 0 ? 0 : -h.dy, h.dx == 0 ? 0 : h.dx, h.spacing);
}

void heading(Canvas &canvas, const YearReportPrintOptions &options, const std::string &what) {
    canvas.setFont({Font, 45, true});
    canvas.text(Left, -50, options.title, TextAlign::Left);
    canvas.setFont({Font, 28, false});
    canvas.text(Left, -120, what + " (Beträge in " + currencyName(options) + ")", TextAlign::Left);
}

// The table, continued on further pages under a repeated column heading.
void printTable(Canvas &canvas, const YearReport &report, const YearReportPrintOptions &options) {
    const int right = rightEdge(canvas);
    const int nameWidth = right - Left - 13 * AmountWidth;
    auto columnRight = [&](int column) { return Left + nameWidth + column * AmountWidth; };
    auto columnHeads = [&](int y) {
        canvas.setFont({Font, 24, true});
        canvas.text(Left, y,
                    report.grouping == ReportGrouping::Category ? "Art/Kategorie"
                                                                : "Absender/Empfänger",
                    TextAlign::Left);
        for (int m = 1; m <= 12; ++m)
            canvas.text(columnRight(m) - 10, y, std::string(ShortMonthName(m)), TextAlign::Right);
        canvas.text(columnRight(13) - 10, y, "Jahr", TextAlign::Right);
        canvas.setPenWidth(2);
        canvas.line(Left, y - RowHeight + 5, right, y - RowHeight + 5);
        canvas.setFont({Font, 22, false});
    };
    auto row = [&](const YearReportRow &r, int y) {
        canvas.clippedText(Left, y, nameWidth - 20, r.name);
        for (std::size_t m = 0; m < 12; ++m)
            canvas.text(columnRight(static_cast<int>(m) + 1) - 10, y, number(r.months[m], options),
                        TextAlign::Right);
        canvas.text(columnRight(13) - 10, y, number(r.total, options), TextAlign::Right);
    };

    heading(canvas, options, "Summen je Monat");
    int y = -200;
    columnHeads(y);
    y -= RowHeight + 10;
    for (const YearReportRow &r : report.rows) {
        if (y - RowHeight < LowestRowY) {
            canvas.newPage();
            heading(canvas, options, "Summen je Monat (Fortsetzung)");
            y = -200;
            columnHeads(y);
            y -= RowHeight + 10;
        }
        row(r, y);
        y -= RowHeight;
    }
    canvas.setPenWidth(2);
    canvas.line(Left, y + 2, right, y + 2);
    canvas.setFont({Font, 22, true});
    row(report.sum, y - 8);
}

// A value axis from 0 (or the lowest value) to a round top, with three labels.
std::int64_t roundUp(Int128 value) {
    std::int64_t step = 10000; // one euro
    while (step < std::numeric_limits<std::int64_t>::max() / 10 && step * 10 <= value)
        step *= 10;
    const Int128 top = (value + step - 1) / step * step;
    return static_cast<std::int64_t>(std::max<Int128>(top, 10000));
}

void printFlows(Canvas &canvas, const MonthlyFlows &flows, const YearReportPrintOptions &options,
                int top, int bottom) {
    const int legendWidth = 450;
    const int axisWidth = 220;
    const Rect plot{Left + axisWidth, top - 80, rightEdge(canvas) - legendWidth, bottom + 60};
    canvas.setFont({Font, 30, true});
    canvas.text(Left, top, "Ausgaben und Einnahmen je Monat", TextAlign::Left);

    Int128 highest = 0;
    for (std::size_t m = 0; m < 12; ++m) {
        Int128 out = 0;
        for (const auto &series : flows.outgoing)
            out += series.months[m];
        highest = std::max({highest, out, Int128{flows.incoming[m]}});
    }
    const std::int64_t axisTop = roundUp(highest);
    auto yOf = [&](Int128 amount) {
        return plot.bottom
               + static_cast<int>(static_cast<double>(amount) / static_cast<double>(axisTop)
                                  * (plot.top - plot.bottom));
    };

    canvas.setPenWidth(2);
    canvas.setFont({Font, 20, false});
    for (const std::int64_t tick : {std::int64_t{0}, axisTop / 2, axisTop}) {
        const int y = yOf(tick);
        canvas.line(plot.left - 10, y, plot.right, y);
        canvas.text(plot.left - 15, y + 10, number(tick, options) + " " + currencyName(options),
                    TextAlign::Right);
    }
    const int slot = (plot.right - plot.left) / 12;
    const int bar = slot * 2 / 5;
    for (std::size_t m = 0; m < 12; ++m) {
        const int x = plot.left + static_cast<int>(m) * slot + slot / 10;
        Int128 stacked = 0;
        for (std::size_t s = 0; s < flows.outgoing.size(); ++s) {
            const std::int64_t amount = flows.outgoing[s].months[m];
            if (amount == 0)
                continue;
            hatchedBox(canvas, {x, yOf(stacked + amount), x + bar, yOf(stacked)}, s);
            stacked += amount;
        }
        if (flows.incoming[m] != 0)
            box(canvas, {x + bar, yOf(flows.incoming[m]), x + 2 * bar, yOf(0)});
        canvas.text(x + bar, plot.bottom - 15, std::string(ShortMonthName(static_cast<int>(m) + 1)),
                    TextAlign::Centre);
    }

    // The legend: a swatch of each hatch with the group's name.
    int y = plot.top;
    const int x = plot.right + 40;
    const int nameWidth = legendWidth - 120;
    for (std::size_t s = 0; s < flows.outgoing.size(); ++s) {
        hatchedBox(canvas, {x, y, x + 60, y - 40}, s);
        canvas.clippedText(x + 80, y, nameWidth, flows.outgoing[s].name);
        y -= 60;
    }
    box(canvas, {x, y, x + 60, y - 40});
    canvas.clippedText(x + 80, y, nameWidth, "Einnahmen");
    canvas.text(x, y - 70, "links Ausgaben,", TextAlign::Left);
    canvas.text(x, y - 100, "rechts Einnahmen", TextAlign::Left);
}

void printCourse(Canvas &canvas, const BalanceCourse &course, const YearReportPrintOptions &options,
                 int top, int bottom) {
    const int axisWidth = 220;
    const Rect plot{Left + axisWidth, top - 80, rightEdge(canvas) - 450, bottom + 60};
    canvas.setFont({Font, 30, true});
    canvas.text(Left, top, "Kontostand im Jahresverlauf", TextAlign::Left);
    canvas.setFont({Font, 20, false});
    if (course.booked.empty() && course.projected.empty()) {
        canvas.text(plot.left, plot.top, "Für dieses Jahr gibt es keinen Kontostand.",
                    TextAlign::Left);
        return;
    }

    double first = std::numeric_limits<double>::max();
    double last = std::numeric_limits<double>::lowest();
    std::int64_t low = std::numeric_limits<std::int64_t>::max();
    std::int64_t high = std::numeric_limits<std::int64_t>::min();
    for (const auto *points : {&course.booked, &course.projected}) {
        for (const BalancePoint &p : *points) {
            first = std::min(first, p.day);
            last = std::max(last, p.day);
            low = std::min(low, p.balance);
            high = std::max(high, p.balance);
        }
    }
    low = std::min<std::int64_t>(low, 0);
    high = std::max<std::int64_t>(high, 0);
    const double days = std::max(last - first, 1.0);
    const double range = std::max(static_cast<double>(Int128{high} - Int128{low}), 1.0);
    auto xOf = [&](double day) {
        return plot.left + static_cast<int>((day - first) / days * (plot.right - plot.left));
    };
    auto yOf = [&](std::int64_t balance) {
        return plot.bottom
               + static_cast<int>(static_cast<double>(Int128{balance} - Int128{low}) / range
                                  * (plot.top - plot.bottom));
    };

    canvas.setPenWidth(2);
    for (const std::int64_t tick : {low, std::int64_t{0}, high}) {
        canvas.line(plot.left - 10, yOf(tick), plot.right, yOf(tick));
        canvas.text(plot.left - 15, yOf(tick) + 10,
                    number(tick, options) + " " + currencyName(options), TextAlign::Right);
    }
    // A tick and the month under the first day of every month.
    for (double day = first; day <= last; day += 1.0) {
        const auto date = CivilFromDayCount(day);
        if (!date || date->day != 1)
            continue;
        canvas.line(xOf(day), plot.bottom, xOf(day), plot.bottom - 15);
        canvas.text(xOf(day), plot.bottom - 20,
                    std::string(ShortMonthName(date->month)) + " "
                        + std::to_string(date->year % 100),
                    TextAlign::Left);
    }

    // The booked balance as a solid line; the projection dashed: four days drawn, three left out.
    canvas.setPenWidth(6);
    for (std::size_t i = 1; i < course.booked.size(); ++i)
        canvas.line(xOf(course.booked[i - 1].day), yOf(course.booked[i - 1].balance),
                    xOf(course.booked[i].day), yOf(course.booked[i].balance));
    for (std::size_t i = 1; i < course.projected.size(); ++i) {
        if (i % 7 < 4)
            canvas.line(xOf(course.projected[i - 1].day), yOf(course.projected[i - 1].balance),
                        xOf(course.projected[i].day), yOf(course.projected[i].balance));
    }

    // The legend names each line with its last value, so that the figures need no reading off.
    int y = plot.top;
    const int x = plot.right + 40;
    auto entry = [&](const std::vector<BalancePoint> &points, const char *name, bool dashed) {
        if (points.empty())
            return;
        canvas.setPenWidth(6);
        if (dashed) {
            canvas.line(x, y - 20, x + 25, y - 20);
            canvas.line(x + 40, y - 20, x + 65, y - 20);
        } else {
            canvas.line(x, y - 20, x + 65, y - 20);
        }
        canvas.text(x + 80, y, name, TextAlign::Left);
        canvas.text(x + 80, y - 30,
                    FormatDate(points.back().day) + ": " + number(points.back().balance, options)
                        + " " + currencyName(options),
                    TextAlign::Left);
        y -= 90;
    };
    entry(course.booked, "Kontostand", false);
    entry(course.projected, "Prognose", true);
}

} // namespace

Result<void> PrintYearReport(Canvas &canvas, const YearReport &report, const MonthlyFlows &flows,
                             const BalanceCourse &course, const YearReportPrintOptions &options) {
    if (auto begun = canvas.beginDocument(options.title); !begun)
        return begun;
    printTable(canvas, report, options);
    canvas.newPage();
    heading(canvas, options, "Diagramme");
    printFlows(canvas, flows, options, -220, -1400);
    printCourse(canvas, course, options, -1500, -2700);
    return canvas.endDocument();
}

} // namespace penvaro::core
