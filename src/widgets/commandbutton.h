#pragma once

#include <QString>

class QPushButton;
class QToolButton;
class QWidget;

namespace penvaro::widgets {

// A flat text-only tool button as the main window's tool bar and ledger groups show their
// commands, with its object name and an optional tool tip.
QToolButton *CommandButton(QWidget *parent, const char *name, const QString &caption,
                           const QString &hint = {});

// A dialog's push button with its object name and an optional tool tip.
QPushButton *DialogButton(QWidget *parent, const char *name, const QString &caption,
                          const QString &hint = {});

} // namespace penvaro::widgets
