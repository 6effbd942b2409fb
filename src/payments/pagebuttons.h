#pragma once

#include <QString>

class QHBoxLayout;
class QPushButton;
class QWidget;

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

// A button of a payment page. Enter in a field moves on and never presses one.
QPushButton *PageButton(QWidget *parent, const char *name, const QString &caption);

// The printing of forms and receipts comes with the printer support: until then its buttons
// keep their place, disabled, and say so.
void AwaitPrinting(QPushButton *button);

// "HILFE", which opens the manual, then the page's buttons in their order.
QHBoxLayout *PageButtonRow(QWidget *parent, platform::UiService &ui,
                           std::initializer_list<QPushButton *> buttons);

} // namespace penvaro::payments
