#pragma once

#include "accountfixture.h"
#include "widgetlookup.h"

#include "entry/bookingeditdialog.h"

#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace penvaro::testing {

// The edit dialog of one open account; the test opens the account with its bookings.
class EditDialogTest : public ::testing::Test, public Account {
protected:
    explicit EditDialogTest(Store kind = Store::Usable)
        : Account(kind) {}

    entry::BookingEditDialog dialog{*state};
};

inline void ClickApply(entry::BookingEditDialog &dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegen"), Qt::LeftButton);
}

} // namespace penvaro::testing
