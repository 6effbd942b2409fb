#pragma once

#include "core/amounttext.h"

namespace penvaro::widgets {

// The user's locale's decimal and grouping characters, for amount texts.
core::NumberSeparators LocaleSeparators();

} // namespace penvaro::widgets
