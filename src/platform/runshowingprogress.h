#pragma once

#include <QString>

#include <chrono>
#include <functional>

namespace penvaro::platform {

// Runs the work on a thread of its own while this thread's windows go on painting. Once it has
// taken longer than the patience, Qt's busy indication with the label stands over the active
// window until the work is done. Keys and clicks wait until then, so that nothing the user
// does can change what the work reads. Without a widget application the work simply runs.
// The work must not touch widgets or anything else this thread uses meanwhile.
void RunShowingProgress(const QString &label, const std::function<void()> &work,
                        std::chrono::milliseconds patience = std::chrono::seconds(1));

} // namespace penvaro::platform
