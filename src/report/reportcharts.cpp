#include "reportcharts.h"

#include "yearreportmodel.h"

#include "core/date.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QPen>
#include <QStackedBarSeries>
#include <QValueAxis>

#include <algorithm>
#include <array>
#include <cmath>

namespace penvaro::report {
namespace {

// Chart coordinates only: every figure the user reads comes from the exact amounts.
qreal euro(std::int64_t amount) {
    return static_cast<qreal>(amount) / 10000.0;
}

// Hatches that tell the sets apart on a grey printout or for a user who does not see colour;
// the colours only help.
struct Look {
    Qt::BrushStyle pattern;
    QColor colour;
};
const std::array<Look, 9> outgoingLooks = {{
    {Qt::BDiagPattern, QColor(0x1f, 0x4e, 0x9c)},
    {Qt::FDiagPattern, QColor(0xb0, 0x3a, 0x2e)},
    {Qt::HorPattern, QColor(0x2e, 0x7d, 0x32)},
    {Qt::VerPattern, QColor(0x8e, 0x44, 0xad)},
    {Qt::CrossPattern, QColor(0xd3, 0x84, 0x00)},
    {Qt::DiagCrossPattern, QColor(0x00, 0x83, 0x8f)},
    {Qt::Dense4Pattern, QColor(0x6d, 0x4c, 0x41)},
    {Qt::Dense6Pattern, QColor(0xc2, 0x18, 0x5b)},
    {Qt::Dense2Pattern, QColor(0x55, 0x55, 0x55)},
}};
const Look incomingLook{Qt::SolidPattern, QColor(0x9e, 0xc9, 0x9f)};

QBarSet *barSet(const QString &name, const std::array<std::int64_t, 12> &months, const Look &look) {
    auto *set = new QBarSet(name);
    for (const std::int64_t amount : months)
        set->append(euro(amount));
    set->setBrush(QBrush(look.colour, look.pattern));
    set->setPen(QPen(Qt::black, 1));
    return set;
}

QDateTime dateTimeOf(double day) {
    const auto date = core::CivilFromDayCount(day);
    return date ? QDateTime(QDate(date->year, date->month, date->day), QTime(12, 0)) : QDateTime();
}

QLineSeries *lineOf(const std::vector<core::BalancePoint> &points, const QString &name,
                    Qt::PenStyle style) {
    auto *series = new QLineSeries;
    series->setName(name);
    QList<QPointF> xy;
    xy.reserve(static_cast<qsizetype>(points.size()));
    for (const core::BalancePoint &p : points)
        xy.append(
            QPointF(static_cast<qreal>(dateTimeOf(p.day).toMSecsSinceEpoch()), euro(p.balance)));
    series->replace(xy);
    QPen pen(Qt::black, 2, style);
    pen.setColor(style == Qt::SolidLine ? QColor(0x1f, 0x4e, 0x9c) : QColor(0xb0, 0x3a, 0x2e));
    series->setPen(pen);
    return series;
}

// The balance at the end of each month among the points, "Januar: 1.234,56 €".
QStringList monthEnds(const std::vector<core::BalancePoint> &points,
                      const ledger::AmountDisplay &amounts) {
    QStringList out;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const auto date = core::CivilFromDayCount(points[i].day);
        const bool last = i + 1 == points.size();
        const auto next = last ? std::nullopt : core::CivilFromDayCount(points[i + 1].day);
        if (date && (last || !next || next->month != date->month))
            out << QStringLiteral("%1 %2: %3")
                       .arg(MonthName(date->month))
                       .arg(date->year)
                       .arg(amounts.sum(points[i].balance));
    }
    return out;
}

} // namespace

QChart *MonthlyFlowsChart(const core::MonthlyFlows &flows) {
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Ausgaben und Einnahmen je Monat"));
    auto *outgoing = new QStackedBarSeries;
    for (std::size_t i = 0; i < flows.outgoing.size(); ++i)
        outgoing->append(barSet(QString::fromStdString(flows.outgoing[i].name),
                                flows.outgoing[i].months,
                                outgoingLooks.at(std::min(i, outgoingLooks.size() - 1))));
    // A series of its own, so that the incoming bar stands beside the outgoing stack.
    auto *incoming = new QStackedBarSeries;
    incoming->append(barSet(QStringLiteral("Einnahmen"), flows.incoming, incomingLook));
    chart->addSeries(outgoing);
    chart->addSeries(incoming);

    auto *months = new QBarCategoryAxis;
    for (int m = 1; m <= 12; ++m)
        months->append(MonthName(m).left(3));
    auto *values = new QValueAxis;
    // The label format is printf's, which knows no "€": the axis title names the unit.
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->setTitleText(QStringLiteral("Euro"));
    chart->addAxis(months, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    for (QStackedBarSeries *series : {outgoing, incoming}) {
        series->attachAxis(months);
        series->attachAxis(values);
    }
    // Each series sets the axis to its own range, and the last one attached would cut the
    // other's bars: the axis spans the higher of the stack and the incoming bar in any month.
    qreal top = 0;
    for (std::size_t m = 0; m < flows.incoming.size(); ++m) {
        qreal stack = 0;
        for (const auto &group : flows.outgoing)
            stack += euro(group.months[m]);
        top = std::max({top, stack, euro(flows.incoming[m])});
    }
    values->setRange(0, top > 0 ? top : 1);
    values->applyNiceNumbers();
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QString DescribeMonthlyFlows(const core::MonthlyFlows &flows,
                             const ledger::AmountDisplay &amounts) {
    QStringList lines;
    for (int m = 0; m < 12; ++m) {
        QStringList parts;
        for (const auto &series : flows.outgoing) {
            if (series.months[static_cast<std::size_t>(m)] != 0)
                parts << QStringLiteral("%1 %2").arg(
                    QString::fromStdString(series.name),
                    amounts.sum(series.months[static_cast<std::size_t>(m)]));
        }
        lines << QStringLiteral("%1: Ausgaben %2; Einnahmen %3")
                     .arg(MonthName(m + 1),
                          parts.isEmpty() ? QStringLiteral("keine")
                                          : parts.join(QStringLiteral(", ")),
                          amounts.sum(flows.incoming[static_cast<std::size_t>(m)]));
    }
    return lines.join(QStringLiteral(".\n")) + QLatin1Char('.');
}

QChart *BalanceCourseChart(const core::BalanceCourse &course) {
    auto *chart = new QChart;
    chart->setTitle(QStringLiteral("Kontostand im Jahresverlauf"));
    auto *booked =
        lineOf(course.booked, QStringLiteral("Kontostand (durchgezogen)"), Qt::SolidLine);
    auto *projected =
        lineOf(course.projected, QStringLiteral("Prognose (gestrichelt)"), Qt::DashLine);
    auto *days = new QDateTimeAxis;
    days->setFormat(QStringLiteral("MM.yy"));
    days->setTickCount(7);
    auto *values = new QValueAxis;
    values->setLabelFormat(QStringLiteral("%.0f"));
    values->setTitleText(QStringLiteral("Euro"));
    chart->addAxis(days, Qt::AlignBottom);
    chart->addAxis(values, Qt::AlignLeft);
    qreal low = 0.0;
    qreal high = 0.0;
    double first = 0.0;
    double last = 0.0;
    bool any = false;
    for (const auto *points : {&course.booked, &course.projected}) {
        for (const core::BalancePoint &p : *points) {
            const qreal v = euro(p.balance);
            low = any ? std::min(low, v) : v;
            high = any ? std::max(high, v) : v;
            first = any ? std::min(first, p.day) : p.day;
            last = any ? std::max(last, p.day) : p.day;
            any = true;
        }
    }
    for (QLineSeries *series : {booked, projected}) {
        chart->addSeries(series);
        series->attachAxis(days);
        series->attachAxis(values);
    }
    if (any) {
        days->setRange(dateTimeOf(first), dateTimeOf(std::max(last, first + 1.0)));
        const qreal margin = std::max<qreal>((high - low) * 0.05, 1.0);
        values->setRange(low - margin, high + margin);
        values->applyNiceNumbers();
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setAnimationOptions(QChart::NoAnimation);
    return chart;
}

QString DescribeBalanceCourse(const core::BalanceCourse &course,
                              const ledger::AmountDisplay &amounts) {
    QString text;
    if (!course.booked.empty())
        text += QStringLiteral("Kontostand am Monatsende: ")
                + monthEnds(course.booked, amounts).join(QStringLiteral(", "))
                + QStringLiteral(". ");
    if (!course.projected.empty())
        text += QStringLiteral("Prognose am Monatsende: ")
                + monthEnds(course.projected, amounts).join(QStringLiteral(", "))
                + QStringLiteral(".");
    return text.isEmpty() ? QStringLiteral("Für dieses Jahr gibt es keinen Kontostand.")
                          : text.trimmed();
}

} // namespace penvaro::report
