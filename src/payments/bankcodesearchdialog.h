#pragma once

#include <QDialog>

#include <optional>

class QLineEdit;
class QTableView;

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

class BankCodes;
class BankOfficesModel;

// "Bankleitzahlen finden - leicht gemacht ...": lists the bank offices whose name and place hold
// what the user typed; a double-click on a row picks its bank code.
class BankCodeSearchDialog : public QDialog {
    Q_OBJECT

public:
    BankCodeSearchDialog(platform::UiService &ui, BankCodes &bankCodes, QWidget *parent = nullptr);

    // Shows the window modally with empty edits and an empty list. The picked bank code goes to
    // the window that asked, which fills its own bank fields; nothing when closed without a pick.
    std::optional<QString> chooseBankCode();

private:
    void search();
    void pickCurrentRow();

    platform::UiService &m_ui;
    BankCodes &m_bankCodes;
    QLineEdit *m_name;
    QLineEdit *m_place;
    BankOfficesModel *m_offices;
    QTableView *m_table;
    std::optional<QString> m_picked;
};

} // namespace penvaro::payments
