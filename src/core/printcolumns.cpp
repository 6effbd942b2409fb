#include "printcolumns.h"

#include <algorithm>

namespace penvaro::core {
namespace {

constexpr int FirstX = 100;
constexpr int BaseWidth = 1950;

// Shares of the nominal width in thousandths.
constexpr int StatementNumberShare = 71;
constexpr int StatementDateShare = 80;
constexpr int DateShare = 60;
constexpr int BookingTypeShare = 60;
constexpr int SenderShare = 155;
constexpr int CompletedPurposeShare = 238;
constexpr int PlannedPurposeShare = 230;
constexpr int MarkShare = 100;
constexpr int AmountShare = 115;

// A share of the width to the nearest unit, an exact half to the even neighbour.
int shareOf(int width, int thousandths) {
    const int product = width * thousandths;
    int whole = product / 1000;
    const int rest = product % 1000;
    if (rest > 500 || (rest == 500 && whole % 2 != 0))
        ++whole;
    return whole;
}

// Lays the printed columns out from the left, each taking its share after it.
class ColumnWalk {
public:
    explicit ColumnWalk(int width)
        : m_width(width) {}

    int place(int share) {
        const int x = m_x;
        m_x += shareOf(m_width, share);
        return x;
    }
    std::optional<int> placeIf(bool printed, int share) {
        if (!printed)
            return std::nullopt;
        return place(share);
    }

private:
    int m_width;
    int m_x = FirstX;
};

// How far a row's text reaches to the left of its column's x, with air: a text beginning
// there, a date in the row font centred there, or the one-character mark centred there.
constexpr int ColumnAir = 20;
constexpr int CentredDateReach = 90;
constexpr int CentredMarkReach = 20;

struct ColumnStart {
    std::optional<int> x;
    int reach = ColumnAir;
};

int textEndBefore(int x, std::initializer_list<ColumnStart> following) {
    int end = x;
    bool found = false;
    for (const ColumnStart &next : following) {
        if (!next.x || *next.x <= x)
            continue;
        const int edge = *next.x - next.reach;
        end = found ? std::min(end, edge) : edge;
        found = true;
    }
    return std::max(end, x);
}

} // namespace

int CompletedPrintColumns::textEnd(int x) const {
    return textEndBefore(
        x,
        {{sender}, {purpose}, {bookingDate, CentredDateReach}, {mark, CentredMarkReach}, {amount}});
}

int PlannedPrintColumns::textEnd(int x) const {
    return textEndBefore(x, {{sender}, {purpose}, {mark, CentredMarkReach}, {amount}});
}

PrintColumns ComputePrintColumns(const PrintColumnChoices &choices) {
    PrintColumns columns;

    CompletedPrintColumns &first = columns.completed;
    first.width = BaseWidth + (choices.statementData ? 0 : 500) + (choices.sender ? 0 : 320)
                  + (choices.purpose ? 0 : 650) + (choices.bookingDate ? 0 : 140)
                  + (choices.balance ? 0 : 300);
    ColumnWalk walk1(first.width);
    first.statementNumber = walk1.placeIf(choices.statementData, StatementNumberShare);
    first.statementDate = walk1.placeIf(choices.statementData, StatementDateShare);
    first.valueDate = walk1.place(DateShare);
    first.bookingType = walk1.place(BookingTypeShare);
    first.sender = walk1.placeIf(choices.sender, SenderShare);
    first.purpose = walk1.placeIf(choices.purpose, CompletedPurposeShare);
    first.bookingDate = walk1.placeIf(choices.bookingDate, DateShare);
    first.mark = walk1.place(MarkShare);
    first.amount = walk1.place(AmountShare);
    first.balance = walk1.placeIf(choices.balance, 0);

    PlannedPrintColumns &second = columns.planned;
    second.width = BaseWidth + 500 + 140 + (choices.sender ? 0 : 320) + (choices.purpose ? 0 : 650)
                   + (choices.balance ? 0 : 300);
    ColumnWalk walk2(second.width);
    second.valueDate = walk2.place(DateShare);
    second.bookingType = walk2.place(BookingTypeShare);
    second.sender = walk2.placeIf(choices.sender, SenderShare);
    second.purpose = walk2.placeIf(choices.purpose, PlannedPurposeShare);
    second.mark = walk2.place(MarkShare);
    second.amount = walk2.place(AmountShare);
    second.balance = walk2.placeIf(choices.balance, 0);
    return columns;
}

int PrintColumns::bookingDateLabelX() const {
    return completed.mark - shareOf(completed.width, DateShare);
}

int PrintColumns::purposeLabelX() const {
    if (completed.purpose)
        return *completed.purpose;
    const int next = completed.bookingDate ? *completed.bookingDate : completed.mark;
    return next - shareOf(completed.width, CompletedPurposeShare);
}

} // namespace penvaro::core
