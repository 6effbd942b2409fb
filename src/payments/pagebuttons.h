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

// "HILFE", which opens the manual, then the page's buttons in their order.
QHBoxLayout *PageButtonRow(QWidget *parent, platform::UiService &ui,
                           std::initializer_list<QPushButton *> buttons);

} // namespace penvaro::payments
