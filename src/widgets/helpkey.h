#pragma once

#include <QObject>

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::widgets {

// F1 opens the manual in every window of the program. The main window's menu item carries F1
// as its shortcut, but a shortcut does not reach through a modal dialog, and nearly every
// dialog is modal; installed on the application, this catches the key wherever no shortcut
// took it.
class HelpKey : public QObject {
    Q_OBJECT

public:
    explicit HelpKey(platform::UiService &ui, QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    platform::UiService &m_ui;
};

} // namespace penvaro::widgets
