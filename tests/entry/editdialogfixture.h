#pragma once

#include "accountfixture.h"
#include "widgetlookup.h"

#include "entry/tdatenbearbeitenf.h"

#include <QPushButton>
#include <QTest>

namespace penvaro::entry::testing {

class EditDialogTest : public AccountFixture {
protected:
    FakeSuggestions suggestions;
    FakeStatementDates statementDates;
    TDatenBearbeitenF dialog{*app, suggestions, statementDates};
};

inline void ClickApply(TDatenBearbeitenF &dialog) {
    QTest::mouseClick(Child<QPushButton>(dialog, "BDatenHinzufuegen"), Qt::LeftButton);
}

} // namespace penvaro::entry::testing
