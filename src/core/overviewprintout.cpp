#include "overviewprintout.h"

#include "date.h"
#include "wideint.h"

#include <algorithm>
#include <limits>

namespace penvaro::core {
namespace {

constexpr const char *Font = "Arial";
constexpr int NameX = 100;
constexpr int NumberX = 450;
constexpr int BalanceX = 900;
constexpr int FileX = 950;
constexpr int LowestOverviewRowY = -2600;

std::string overviewAmount(std::int64_t amount, const NumberSeparators &separators) {
    return FormatEuroText(amount, separators, SignificantDigits::Overview);
}

void rule(Canvas &canvas, int y) {
    canvas.line(0, y, canvas.pageWidthMm() * 10, y);
}

void printHeader(Canvas &canvas) {
    canvas.setFont({Font, 60, false});
    canvas.setPenWidth(5);
    rule(canvas, -50);
    canvas.text(1000, -60, "Kontoübersicht", TextAlign::Centre);
    rule(canvas, -120);
    canvas.setFont({Font, 40, false});
    canvas.text(NameX, -200, "Kontobezeichnung", TextAlign::Left);
    canvas.text(NumberX, -200, "Kontonummer", TextAlign::Left);
    canvas.text(BalanceX, -200, "Kontostand", TextAlign::Right);
    canvas.text(FileX, -200, "Dateiname", TextAlign::Left);
    canvas.setPenWidth(2);
    rule(canvas, -250);
    canvas.setFont({Font, 33, false});
}

} // namespace

std::int64_t AccountsTotal(const AccountRegister &accounts) {
    Int128 total = 0;
    for (const RegisterEntry &entry : accounts.entries)
        total += entry.Kontostand;
    constexpr Int128 lowest = std::numeric_limits<std::int64_t>::min();
    constexpr Int128 highest = std::numeric_limits<std::int64_t>::max();
    return static_cast<std::int64_t>(std::clamp(total, lowest, highest));
}

Result<void> PrintAccountsOverview(Canvas &canvas, const AccountRegister &accounts, double today,
                                   const NumberSeparators &separators) {
    if (auto begun = canvas.beginDocument({}); !begun)
        return begun;
    printHeader(canvas);
    constexpr int firstRowY = -350;
    int y = firstRowY;
    for (const RegisterEntry &entry : accounts.entries) {
        if (y < LowestOverviewRowY) {
            canvas.newPage();
            printHeader(canvas);
            y = firstRowY;
        }
        canvas.setFont({Font, 35, false});
        canvas.text(NameX, y, entry.Kontobezeichnung.toUtf8(), TextAlign::Left);
        canvas.text(NumberX, y, entry.Kontonummer.toUtf8(), TextAlign::Left);
        canvas.text(BalanceX, y, overviewAmount(entry.Kontostand, separators), TextAlign::Right);
        canvas.text(FileX, y, entry.Dateiname.toUtf8(), TextAlign::Left);
        y -= 50;
    }
    y -= 100;
    canvas.setFont({Font, 40, false});
    canvas.text(BalanceX, y,
                "Saldo vom " + FormatDate(today) + ":       "
                    + overviewAmount(AccountsTotal(accounts), separators),
                TextAlign::Right);
    return canvas.endDocument();
}

} // namespace penvaro::core
