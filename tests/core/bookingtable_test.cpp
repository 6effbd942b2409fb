#include "support/records.h"

#include "core/bookingtable.h"

#include <gtest/gtest.h>

namespace penvaro::core {
namespace {

TEST(BookingTable, EachListShowsItsKindsInTableOrder) {
    BookingTable table;
    testing::Fill(table, {testing::Planned("01.02.2011"), testing::StartValue(0),
                          testing::Completed(2011, 1, "03.01.2011"),
                          testing::Recurring(5, "05.01.2011"), testing::Planned("01.03.2011")});
    EXPECT_EQ((std::vector<int>{2, 3}), ListedSlots(table, Listing::Completed));
    EXPECT_EQ((std::vector<int>{1, 5}), ListedSlots(table, Listing::Planned));
    EXPECT_EQ((std::vector<int>{4}), ListedSlots(table, Listing::Recurring));
    table.resize(0);
    EXPECT_TRUE(ListedSlots(table, Listing::Planned).empty());
}

} // namespace
} // namespace penvaro::core
