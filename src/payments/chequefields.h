#pragma once

#include <QString>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace penvaro::platform {
class AppState;
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

class PaymentPrinter;

// What the cheque pages share: their typed texts look as they are printed, and the amount in
// words follows the amount as it is typed.
// Each field takes at most what its place on the cheque holds.
QLineEdit *ChequeEdit(QWidget *parent, const char *name, int maxLength);
// Turns whatever is typed into capitals, as cheques are written.
void TypeInCapitals(QLineEdit *edit);
// The label that shows the amount in words: a note until the amount is first changed, then
// the words of the whole euros as they will be printed, or why the amount cannot be printed.
QLabel *AmountInWordsLabel(QWidget *parent, const char *name, QLineEdit *amount);
QLabel *Caption(QWidget *parent, const QString &text, QWidget *buddy);

// The commands of a cheque page, each cheque keeping its own object names.
struct ChequeCommands {
    QPushButton *close = nullptr;
    QPushButton *receipt = nullptr;
    QPushButton *printerSetUp = nullptr; // sets up the printer by itself
    QPushButton *print = nullptr;
};
struct ChequeCommandNames {
    const char *close;
    const char *receipt;
    const char *printerSetUp;
    const char *print;
};
ChequeCommands MakeChequeCommands(QWidget *page, PaymentPrinter &printer,
                                  const ChequeCommandNames &names);

// The first rows of a cheque page's grid: currency and amount side by side, the amount in
// words below them.
void AddChequeAmountRows(QGridLayout *grid, QWidget *page, const QString &currencyCaption,
                         QLineEdit *currency, QLineEdit *amount, const char *wordsName);
// Place of issue and date side by side, captions above, from the given row on.
void AddChequePlaceRows(QGridLayout *grid, QWidget *page, int row, QLineEdit *place,
                        QLineEdit *date);
// The grid above, the commands at the bottom of the page.
void LayOutChequePage(QWidget *page, QGridLayout *grid, platform::UiService &ui,
                      const ChequeCommands &commands);
// Every opening starts a new cheque: today's date, no amount.
void PrepareChequeFields(const platform::AppState &state, QLineEdit *amount, QLineEdit *date);

// What a cheque's place holds: the currency, the framed amount ("999.999.999,99"), a payee
// line (the caption says 27), the place of issue and the date.
inline constexpr int ChequeCurrencyLength = 4;
inline constexpr int ChequeAmountLength = 14;
inline constexpr int ChequePayeeLength = 27;
inline constexpr int ChequePlaceLength = 20;
inline constexpr int ChequeDateLength = 10;

} // namespace penvaro::payments
