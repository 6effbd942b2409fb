#pragma once

#include "core/canvas.h"
#include "core/result.h"

#include <functional>

namespace penvaro::printing {

enum class PrintRun { Printed, Cancelled, Failed };

// Where the print dialogs send a printout: the chosen printer or PDF file, or in tests a
// canvas that records it.
class PrintTarget {
public:
    using Drawing = std::function<core::Result<void>(core::Canvas &)>;

    virtual ~PrintTarget() = default;
    // Draws the printout; a failure has been shown to the user when this returns.
    virtual PrintRun print(const Drawing &drawing) = 0;
};

} // namespace penvaro::printing
