#pragma once

#include "core/statementimport.h"

#include <QAbstractTableModel>

#include <vector>

namespace penvaro::import {

// The entries of a statement file as the import would book them, one row per entry in file
// order: whether it is taken over (a check box), what it does to the account, and the
// booking it becomes. Row r is step r of the plan.
class ImportPreviewModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column {
        Take,
        Action,
        Statement,
        ValueDate,
        BookingType,
        Party,
        Purpose,
        Direction,
        Amount,
        ColumnCount
    };

    explicit ImportPreviewModel(QObject *parent = nullptr);

    void setSteps(std::vector<core::ImportStep> steps);
    const core::ImportStep &step(int row) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Ticking or clearing a row's box asks for it; the owner plans anew and sets the steps.
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

Q_SIGNALS:
    void leaveOutRequested(int row, bool leaveOut);
    // The box of an uncertain match in the action column: the user says it is the one.
    void takeUncertainRequested(int row, bool take);

private:
    std::vector<core::ImportStep> m_steps;
};

// "neu", "ersetzt geplante Buchung vom 01.02.2026", "schon vorhanden", "ausgelassen",
// "vorgemerkt, wird nicht gebucht", an uncertain match marked as such, and what the reader
// made of the bank's text.
QString ImportActionText(const core::ImportStep &step);

} // namespace penvaro::import
