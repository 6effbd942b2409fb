#include "importpreviewmodel.h"

#include "core/amounttext.h"
#include "core/bookingtexts.h"
#include "core/date.h"
#include "widgets/localeseparators.h"

#include <QApplication>
#include <QPalette>

namespace penvaro::import {
namespace {

QString dateText(double dayCount) {
    if (!core::CivilFromDayCount(dayCount))
        return {};
    return QString::fromStdString(core::FormatDate(dayCount));
}

bool takesPart(core::ImportAction action) {
    return action == core::ImportAction::Added || action == core::ImportAction::Matched;
}

QString cellText(int column, const core::ImportStep &step) {
    const core::BookingRecord &b = step.booking;
    switch (column) {
    case ImportPreviewModel::Action:
        return ImportActionText(step);
    case ImportPreviewModel::Statement:
        return QStringLiteral("%1 / %2").arg(b.Auszugsnr).arg(b.Auszugsjahr);
    case ImportPreviewModel::ValueDate:
        return dateText(b.Wertdatum);
    case ImportPreviewModel::BookingType:
        return QString::fromStdString(core::CategoryText(b));
    case ImportPreviewModel::Party:
        return QString::fromStdString(core::PartyText(b));
    case ImportPreviewModel::Purpose:
        return QString::fromStdString(core::PurposeText(b));
    case ImportPreviewModel::Direction:
        return QString(QChar(b.SollHaben));
    case ImportPreviewModel::Amount:
        return QString::fromStdString(core::FormatEuroText(b.Betrag, widgets::LocaleSeparators()));
    default:
        break;
    }
    return {};
}

} // namespace

namespace {

QString actionText(const core::ImportStep &step) {
    switch (step.action) {
    case core::ImportAction::Matched:
        return QStringLiteral("ersetzt geplante Buchung vom %1%2")
            .arg(dateText(step.planned.Wertdatum),
                 step.uncertain ? QStringLiteral(" (unsicher)") : QString());
    case core::ImportAction::Skipped:
        return QStringLiteral("schon vorhanden");
    case core::ImportAction::LeftOut:
        return QStringLiteral("ausgelassen");
    case core::ImportAction::Pending:
        return QStringLiteral("vorgemerkt, wird nicht gebucht");
    case core::ImportAction::Added:
        break;
    }
    // The planned booking shares only the amount or only the party: the user decides.
    if (step.uncertain)
        return QStringLiteral("neu; unsicher: geplante Buchung vom %1 (%2)?")
            .arg(dateText(step.planned.Wertdatum),
                 QString::fromStdString(core::PartyText(step.planned)));
    return QStringLiteral("neu");
}

} // namespace

QString ImportActionText(const core::ImportStep &step) {
    const QString action = actionText(step);
    if (step.entry.note.empty())
        return action;
    return action + QStringLiteral(" – ") + QString::fromStdString(step.entry.note);
}

ImportPreviewModel::ImportPreviewModel(QObject *parent)
    : QAbstractTableModel(parent) {}

void ImportPreviewModel::setSteps(std::vector<core::ImportStep> steps) {
    if (steps.size() != m_steps.size()) {
        beginResetModel();
        m_steps = std::move(steps);
        endResetModel();
        return;
    }
    // Leaving an entry out may change what the others do, so every row is shown anew; the
    // rows stay, and with them the current row of a user working by keyboard.
    m_steps = std::move(steps);
    if (!m_steps.empty())
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

const core::ImportStep &ImportPreviewModel::step(int row) const {
    return m_steps.at(static_cast<std::size_t>(row));
}

int ImportPreviewModel::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_steps.size());
}

int ImportPreviewModel::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant ImportPreviewModel::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const core::ImportStep &s = step(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.column(), s);
    case Qt::CheckStateRole:
        if (index.column() == Take)
            return takesPart(s.action) || s.action == core::ImportAction::Skipped ? Qt::Checked
                                                                                  : Qt::Unchecked;
        if (index.column() == Action && s.uncertain)
            return s.action == core::ImportAction::Matched ? Qt::Checked : Qt::Unchecked;
        break;
    case Qt::AccessibleTextRole:
        if (index.column() == Take)
            return s.action == core::ImportAction::LeftOut
                           || s.action == core::ImportAction::Pending
                       ? QStringLiteral("nicht übernehmen")
                       : QStringLiteral("übernehmen");
        return cellText(index.column(), s);
    case Qt::TextAlignmentRole:
        if (index.column() == Amount)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == Statement || index.column() == ValueDate
            || index.column() == Direction)
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        break;
    case Qt::ForegroundRole:
        // What brings nothing into the account steps back.
        if (!takesPart(s.action))
            return QApplication::palette().brush(QPalette::Disabled, QPalette::Text);
        break;
    default:
        break;
    }
    return {};
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const QStringList titles = {QStringLiteral("Übernehmen"),
                                       QStringLiteral("Aktion"),
                                       QStringLiteral("Auszugsnr."),
                                       QStringLiteral("Wertdatum"),
                                       QStringLiteral("Art"),
                                       QStringLiteral("Absender/Empfänger"),
                                       QStringLiteral("Verwendungszweck"),
                                       QStringLiteral("+/-"),
                                       QStringLiteral("Betrag")};
    return titles.value(section);
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex &index) const {
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (!index.isValid())
        return result;
    const core::ImportStep &s = step(index.row());
    if ((index.column() == Take && s.action != core::ImportAction::Pending)
        || (index.column() == Action && s.uncertain))
        result |= Qt::ItemIsUserCheckable;
    return result;
}

bool ImportPreviewModel::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (!index.isValid() || role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsUserCheckable))
        return false;
    const bool ticked = static_cast<Qt::CheckState>(value.toInt()) == Qt::Checked;
    if (index.column() == Take)
        Q_EMIT leaveOutRequested(index.row(), !ticked);
    else
        Q_EMIT takeUncertainRequested(index.row(), ticked);
    return true;
}

} // namespace penvaro::import
