#pragma once

#include <QLayout>

namespace penvaro::widgets {

// A widget holding wrapping rows that answers a layout's heightForWidth with the least height
// it needs at that width, not the preferred one: a box layout would otherwise keep its tables
// at their preferred heights, and a scroll area would scroll rather than shrink them.
template<typename Base>
class LeastHeightForWidth : public Base {
public:
    using Base::Base;

    int heightForWidth(int width) const override {
        const QLayout *rows = this->layout();
        if (!rows || !rows->hasHeightForWidth())
            return Base::heightForWidth(width);
        return rows->totalMinimumHeightForWidth(width);
    }
};

} // namespace penvaro::widgets
