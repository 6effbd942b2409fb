#pragma once

#include "accountfixture.h"
#include "widgetlookup.h"

#include "entry/tdatenbearbeitenf.h"

#include <QPushButton>
#include <QTest>

namespace penvaro::entry::fixture {

class EditDialogTest : public AccountFixture {
protected:
    explicit EditDialogTest(bool usableStore = true)
        : AccountFixture(usableStore) {}

    TDatenBearbeitenF dialog{*app};
};

inline void ClickApply(TDatenBearbeitenF &dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegen"), Qt::LeftButton);
}

} // namespace penvaro::entry::fixture
