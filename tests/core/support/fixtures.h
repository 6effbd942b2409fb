#pragma once

#include <filesystem>
#include <string>

namespace penvaro::testing {

// A hand-written bank statement in tests/fixtures/statements.
std::filesystem::path StatementFixture(const std::string &name);

} // namespace penvaro::testing
