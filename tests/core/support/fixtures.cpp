#include "fixtures.h"

namespace penvaro::testing {

std::filesystem::path StatementFixture(const std::string &name) {
    return std::filesystem::path(PENVARO_STATEMENT_FIXTURES) / name;
}

} // namespace penvaro::testing
