#pragma once

#include <functional>

class QDialog;
class QHBoxLayout;

namespace penvaro::printing {

// The print dialogs' closing row: "OK" (Button2, the default) runs the printout, "Abbrechen"
// (Button3) rejects the dialog.
QHBoxLayout *OkCancelRow(QDialog *dialog, const std::function<void()> &onOk);

} // namespace penvaro::printing
