#pragma once

#include "core/bankcodecache.h"
#include "core/bankcodelist.h"

#include <QString>

#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

namespace penvaro::platform {
class UiService;
} // namespace penvaro::platform

namespace penvaro::payments {

// The bank code file as every window of the payments reads it: kept in memory between
// lookups and read again when it changed; a file that cannot be read is reported to the user.
class BankCodes {
public:
    using FileLocator = std::function<std::filesystem::path()>;

    // Without a locator the file is the one the program uses (data folder, else shipped).
    explicit BankCodes(platform::UiService &ui, FileLocator locate = {});

    // The bank's short name, "nicht vorhanden" for an unknown or incomplete code, nothing
    // after reporting an unreadable file: the field that would show the name stays as it was.
    std::optional<QString> bankName(const QString &code);
    std::optional<std::vector<core::BankOffice>> search(const QString &name, const QString &place);

private:
    platform::UiService &m_ui;
    FileLocator m_locate;
    core::BankCodeCache m_cache;
};

} // namespace penvaro::payments
