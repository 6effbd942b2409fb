#include "statementdates.h"

#include "integerinput.h"

#include "core/date.h"
#include "platform/registrystore.h"
#include "platform/settingsstore.h"

namespace penvaro::entry {

namespace {

constexpr int MaxStatementField = 65535;

} // namespace

QString StatementDateValueName(int year, int number) {
    return QString::number(year) + QString::number(number);
}

core::Result<void> RememberStatementDate(platform::RegistryStore &store, const QString &accountFile,
                                         int number, int year, double date) {
    const QString key = platform::FileSettingsKey(store, accountFile);
    if (auto opened = store.createKey(key); !opened)
        return opened;
    return store.setValue(key, StatementDateValueName(year, number),
                          platform::BinaryFromDouble(date));
}

core::Result<std::optional<double>> LookUpStatementDate(platform::RegistryStore &store,
                                                        const QString &accountFile,
                                                        const QString &yearText,
                                                        const QString &numberText) {
    // The name is built from the numbers, not the texts, so that "07" finds statement 7 and a
    // half-typed field looks up nothing.
    const auto year = IntegerInRange(yearText, 0, MaxStatementField);
    const auto number = IntegerInRange(numberText, 0, MaxStatementField);
    if (!year || !number)
        return std::optional<double>{};
    const QString key = platform::FileSettingsKey(store, accountFile);
    if (auto opened = store.createKey(key); !opened)
        return opened.error();
    auto stored = store.value(key, StatementDateValueName(*year, *number));
    if (!stored || !stored->has_value())
        return std::optional<double>{};
    const auto date = platform::DoubleFromBinary(**stored);
    if (!date || !core::CivilFromDayCount(*date))
        return std::optional<double>{};
    return date;
}

} // namespace penvaro::entry
