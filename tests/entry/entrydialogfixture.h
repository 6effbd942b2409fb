#pragma once

#include "entryfixture.h"

#include "entry/dateedit.h"
#include "entry/tdateneingebenf.h"

#include "core/date.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

namespace penvaro::entry::test {

inline double Day(const char *text) {
    return *core::ParseDate(text);
}

// The entry dialog of one account, shown and active, driven by its controls' names.
class EntryDialogTest : public ::testing::Test {
public:
    explicit EntryDialogTest(QDate today = QDate(2011, 6, 20))
        : account(today) {
        account.state.setLedgerRefresh([this] { ++refreshed; });
    }

    void open(core::BookingKind kind) {
        account.ui.setNextModal([](QDialog &shown) {
            ShowActive(shown);
            return QDialog::Rejected;
        });
        dialog.showForKind(kind);
    }

    template<typename T = QWidget>
    T *control(const char *name) {
        return Child<T>(dialog, name);
    }
    QString text(const char *name) {
        QWidget *widget = control(name);
        if (auto *box = qobject_cast<QComboBox *>(widget))
            return box->currentText();
        return qobject_cast<QLineEdit *>(widget)->text();
    }
    void type(const char *name, const QString &typed) { TypeInto(control(name), typed); }
    void type(const char *name, const char *typed) { type(name, QString::fromUtf8(typed)); }
    void selectDirection(int row) {
        control<QListWidget>("ESollHaben")->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QWidget *focused() { return dialog.focusWidget(); }

    Account account;
    TdatenEingebenF dialog{account.state};
    int refreshed = 0;
};

} // namespace penvaro::entry::test
