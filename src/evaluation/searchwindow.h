#pragma once

#include "core/search.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace penvaro::core {
struct EvaluationLayout;
} // namespace penvaro::core

namespace penvaro::platform {
class AppState;
} // namespace penvaro::platform

namespace penvaro::widgets {
class DatePicker;
} // namespace penvaro::widgets

namespace penvaro::evaluation {

class SearchResultsModel;

// "Auswertungen der Buchungen ...": lists the bookings of the open account that contain or
// equal a search word in chosen fields, or only lie in a range of value dates, with the
// signed sum of their amounts, booked and planned apart. The result table looks like the
// ledger's table of completed bookings without its balance column.
class SearchWindow : public QDialog {
    Q_OBJECT

public:
    explicit SearchWindow(platform::AppState &state, QWidget *parent = nullptr);

    // Resets criteria and table and shows the window modally.
    int showModal();
    // The criteria as the controls stand, for the search and its printout.
    core::SearchCriteria criteria() const;

Q_SIGNALS:
    // "Drucken": the main window prints the evaluation of these criteria.
    void printRequested(const core::SearchCriteria &criteria);

private:
    void buildCriteria();
    void buildTable();
    void buildSums();
    // Every opening starts afresh: the whole range of booking dates, no field ticked.
    void reset();
    void takeLedgerColumns();
    // The ledger's column widths, widened where a heading or a found date, number or amount
    // would be cut. Gives the columns' total width.
    int fitColumns();
    void criterionChanged();
    void startSearch();
    void showResults();
    void clearSums();
    void showSums(const core::SearchResult &result, const core::EvaluationLayout &layout);

    platform::AppState &m_state;
    QLineEdit *m_word = nullptr;
    QRadioButton *m_byWord = nullptr;
    QRadioButton *m_byRange = nullptr;
    QRadioButton *m_containing = nullptr;
    QRadioButton *m_exact = nullptr;
    QCheckBox *m_type = nullptr;
    QCheckBox *m_party = nullptr;
    QCheckBox *m_purpose = nullptr;
    QLabel *m_sentenceAs = nullptr;
    QLabel *m_sentenceEnd = nullptr;
    widgets::DatePicker *m_from = nullptr;
    widgets::DatePicker *m_to = nullptr;
    QPushButton *m_start = nullptr;
    SearchResultsModel *m_results = nullptr;
    QTableView *m_table = nullptr;
    QLabel *m_outcome = nullptr;
    QLineEdit *m_bookedSum = nullptr;
    QLineEdit *m_plannedSum = nullptr;
    QLineEdit *m_sum = nullptr;
    // Whether the table shows the result of a search, which a change of bookings renews.
    bool m_searched = false;
};

} // namespace penvaro::evaluation
