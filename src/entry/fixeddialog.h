#pragma once

#include <Qt>

namespace penvaro::entry {

// The window frame of a dialog of fixed size: a title and a close box, nothing to minimise or
// maximise.
inline constexpr Qt::WindowFlags FixedDialogFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

} // namespace penvaro::entry
