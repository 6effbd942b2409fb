#include "localeseparators.h"

#include <QLocale>

namespace penvaro::widgets {

core::NumberSeparators LocaleSeparators() {
    const QLocale locale;
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace penvaro::widgets
