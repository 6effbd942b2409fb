#pragma once

#include "core/result.h"

#include <QString>
#include <QStringList>

namespace penvaro::platform {

class RegistryStore;

// Memories keep one subkey per remembered text, named by the text. A backslash would split the
// name into two key levels, so such a text's key has each backslash as "＼" (U+FF3C) in its
// name, and the text itself as its value "Text". Keys written before hold no such value and
// are their own text, as they always were.

// The name of the subkey that stands for the text.
QString KeyNameOfText(const QString &text);

// Creates the subkey of the text below the parent key; returns its path.
core::Result<QString> CreateTextKey(RegistryStore &store, const QString &parent,
                                    const QString &text);

// The texts of the parent key's subkeys, in the order the store lists them.
core::Result<QStringList> SubkeyTexts(const RegistryStore &store, const QString &parent);

} // namespace penvaro::platform
