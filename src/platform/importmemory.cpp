#include "importmemory.h"

#include "registrystore.h"
#include "settingsstore.h"
#include "textkeys.h"

#include <vector>

namespace penvaro::platform {
namespace {

void rememberSuggestion(RegistryStore &store, const QString &list, const std::string &text) {
    if (text.empty())
        return;
    // Opened with creating, so a text remembered before changes nothing.
    static_cast<void>(CreateTextKey(store, ProductKey() + QStringLiteral("\\VAEB\\") + list,
                                    QString::fromStdString(text)));
}

} // namespace

core::Result<void> RememberImport(RegistryStore &store, const QString &accountFile,
                                  const core::ImportPlan &plan) {
    for (const core::ImportStep &step : plan.steps) {
        if (step.action != core::ImportAction::Added && step.action != core::ImportAction::Matched)
            continue;
        rememberSuggestion(store, QStringLiteral("Verw"), step.booking.Verwendungszweck.toUtf8());
        rememberSuggestion(store, QStringLiteral("AE"), step.booking.Absender.toUtf8());
        rememberSuggestion(store, QStringLiteral("Art"), step.booking.Buchungsart.toUtf8());
    }
    if (plan.statementDates.empty())
        return {};
    std::vector<NamedValue> dates;
    for (const core::StatementDate &date : plan.statementDates)
        dates.push_back({QString::number(date.year) + QString::number(date.number),
                         BinaryFromDouble(date.date)});
    const QString key = FileSettingsKey(store, accountFile);
    if (auto opened = store.createKey(key); !opened)
        return opened;
    return store.setValues(key, dates);
}

} // namespace penvaro::platform
