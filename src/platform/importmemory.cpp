#include "importmemory.h"

#include "recipientmemory.h"
#include "registrystore.h"
#include "settingsstore.h"
#include "textkeys.h"

#include "core/bookingtexts.h"
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

// The other party's account, for transfers to it. A collective entry names no one party.
void rememberAccount(RecipientMemory &recipients, const core::StatementEntry &entry) {
    constexpr qsizetype longestName = 70;
    const QString name = QString::fromStdString(entry.party).simplified().left(longestName);
    if (entry.partyIban.empty() || name.isEmpty() || entry.moreParties > 0)
        return;
    static_cast<void>(recipients.rememberAccount(
        name, {QString::fromStdString(entry.partyIban), QString::fromStdString(entry.partyBic)}));
}

core::Result<void> rememberAll(RegistryStore &store, const QString &accountFile,
                               const core::ImportPlan &plan) {
    RecipientMemory recipients(store);
    for (const core::ImportStep &step : plan.steps) {
        if (step.action != core::ImportAction::Added && step.action != core::ImportAction::Matched)
            continue;
        rememberSuggestion(store, QStringLiteral("Verw"), core::PurposeText(step.booking));
        rememberSuggestion(store, QStringLiteral("AE"), core::PartyText(step.booking));
        rememberSuggestion(store, QStringLiteral("Art"), core::CategoryText(step.booking));
        rememberAccount(recipients, step.entry);
    }
    if (!plan.statementDates.empty()) {
        std::vector<NamedValue> dates;
        for (const core::StatementDate &date : plan.statementDates)
            dates.push_back({QString::number(date.year) + QString::number(date.number),
                             BinaryFromDouble(date.date)});
        const QString key = FileSettingsKey(store, accountFile);
        if (auto opened = store.createKey(key); !opened)
            return opened;
        if (auto written = store.setValues(key, dates); !written)
            return written;
    }
    return {};
}

} // namespace

core::Result<void> RememberImport(RegistryStore &store, const QString &accountFile,
                                  const core::ImportPlan &plan) {
    // Thousands of new texts made as many transactions, each synced to disk on its own. What
    // failed is undone alone, so the texts stay even when the dates cannot be written.
    core::Result<void> remembered;
    if (auto written = store.batch([&]() -> core::Result<void> {
            remembered = rememberAll(store, accountFile, plan);
            return {};
        });
        !written)
        return written;
    return remembered;
}

} // namespace penvaro::platform
