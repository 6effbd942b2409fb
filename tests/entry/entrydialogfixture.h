#pragma once

#include "accountfixture.h"
#include "widgetlookup.h"

#include "entry/bookingentrydialog.h"
#include "entry/dateedit.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace penvaro::testing {

// The entry dialog of one account, shown and active, driven by its controls' names.
class EntryDialogTest : public ::testing::Test {
public:
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
    QString text(const char *name) { return TextOf(dialog, name); }
    void type(const char *name, const QString &typed) { Retype(control(name), typed); }
    void type(const char *name, const char *typed) { type(name, QString::fromUtf8(typed)); }
    void selectDirection(int row) {
        control<QListWidget>("ESollHaben")->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    }
    void click(const char *name) { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    QWidget *focused() { return dialog.focusWidget(); }

    Account account;
    entry::BookingEntryDialog dialog{*account.state};
};

} // namespace penvaro::testing
