#pragma once

#include "core/balances.h"
#include "core/result.h"
#include "core/settings.h"

#include <QBoxLayout>
#include <QWidget>

#include <cstdint>

class QLabel;
class QLineEdit;

namespace penvaro::ledger {

class AmountDisplay;

// Every sum the ledger shows, computed together so that they always agree.
struct LedgerSums {
    std::int64_t book = 0;
    std::int64_t planned = 0;
    core::ProjectedBalance projected;
    std::int64_t today = 0;
};

// A sum that does not fit 64 bits is an error instead of a wrong figure.
core::Result<LedgerSums> ComputeLedgerSums(const core::BookingTable &table, double today);

// The sums above the completed bookings: the book balance and the balance after the planned
// bookings, each shown as the options say.
class SumsPanel : public QWidget {
    Q_OBJECT

public:
    explicit SumsPanel(QWidget *parent = nullptr);

    void applyOptions(const core::Settings &settings);
    void showSums(const LedgerSums &sums, const AmountDisplay &amounts);

    // A read-only sum field, wide enough for a five-figure balance in euro.
    static QLineEdit *sumField(QWidget *parent, const char *name);
    // A small panel of a caption and its sum, the caption being the field's buddy.
    static QWidget *captioned(QWidget *parent, const char *name, QLabel *caption, QLineEdit *field,
                              QBoxLayout::Direction direction);
    // A sum field grows with a long sum, so that no sum is ever cut off; it never shrinks back,
    // so that the window does not jump while the sums change.
    static void showSum(QLineEdit *field, const QString &text);

private:
    QWidget *m_bookPanel;
    QLineEdit *m_book;
    QWidget *m_projectedPanel;
    QLabel *m_projectedCaption;
    QLineEdit *m_projected;
};

} // namespace penvaro::ledger
