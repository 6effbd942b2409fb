#pragma once

#include "core/result.h"

#include <QFont>
#include <QString>

#include <cstdint>
#include <optional>

class QDialog;

namespace penvaro::platform {

enum class Answer { Yes, No };

// Every message box, file chooser and modal dialog of the program goes through this interface,
// so that tests can answer in place of the user and no real dialog ever blocks them.
class UiService {
public:
    virtual ~UiService() = default;

    virtual void information(const QString &text) = 0;
    // A warning with the buttons Yes and No; Escape answers No.
    virtual Answer askYesNo(const QString &text, Answer defaultAnswer) = 0;
    // The numbered error window; returns when the user has closed it.
    virtual void showErrorWindow(std::int32_t code, const QString &text) = 0;
    // The plain box for a failure that a command did not handle itself.
    virtual void showFailure(const QString &description) = 0;
    // The filter is in Qt's form, e.g. "Registry-Datei (*.reg)". Empty when cancelled.
    virtual QString openFileName(const QString &caption, const QString &filter) = 0;
    virtual QString saveFileName(const QString &caption, const QString &filter) = 0;
    // The folder browser, starting in the given folder. Empty when cancelled.
    virtual QString chooseFolder(const QString &caption, const QString &startFolder) = 0;
    // The font chooser, offering scalable fonts only. Nothing when cancelled.
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
    // Shows the dialog modally and returns its result code.
    virtual int runModal(QDialog &dialog) = 0;
    // Asks the desktop to open the file with the application associated with it.
    virtual bool openDocument(const QString &path) = 0;
};

// How every part of the program reports an expected failure: a number the user can quote and a
// short German text. The caller goes on when the window is closed.
inline void ShowError(UiService &ui, std::int32_t code, const QString &text) {
    ui.showErrorWindow(code, text);
}

// How every window reports a failed operation that has no number of its own: the error's text
// in the plain failure box. Returns whether the result was a success, so that callers can stop.
inline bool ReportFailure(UiService &ui, const core::Result<void> &result) {
    if (!result)
        ui.showFailure(QString::fromStdString(result.error().message));
    return result.hasValue();
}

} // namespace penvaro::platform
