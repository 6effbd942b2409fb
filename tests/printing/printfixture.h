#pragma once

#include "appfixture.h"
#include "support/recordingcanvas.h"

#include "printing/printcommands.h"
#include "printing/printtarget.h"

#include <QDialog>
#include <QString>

#include <functional>

namespace penvaro::testing {

// Takes every printout on a recording canvas instead of a printer.
class RecordingTarget final : public printing::PrintTarget {
public:
    printing::PrintRun print(const Drawing &drawing) override;

    RecordingCanvas canvas;
    int runs = 0;
};

// An open account with the given bookings, the print commands printing on a recording
// target, and helpers to act in the dialogs as the user would.
class PrintFixture : public AppFixture {
protected:
    PrintFixture();

    void open(const std::vector<core::BookingRecord> &records);
    // Acts on the next modal dialog; the dialog is shown while the action runs.
    void onNextDialog(const std::function<void(QDialog &)> &user);
    static void click(QDialog &dialog, const char *name);
    static void setChecked(QDialog &dialog, const char *name, bool checked);
    // The error windows shown, as code and text.
    std::vector<std::pair<std::int32_t, QString>> errors() const;
    QString storedTitle(const char *name) const;

    QWidget parent;
    RecordingTarget target;
    printing::PrintCommands commands{*state, &parent, &target};
};

} // namespace penvaro::testing
