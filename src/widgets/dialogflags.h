#pragma once

#include <Qt>

namespace penvaro::widgets {

// A dialog of fixed purpose: a title and a close button, no minimise or maximise box.
inline constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace penvaro::widgets
