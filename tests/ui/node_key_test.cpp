// The tree's node keys: kind, table and menu packed into one number.

#include "ui/tree/node_key.h"

#include <gtest/gtest.h>

namespace tarvo::ui {
namespace {

TEST(NodeKey, FieldsPackIntoTheirBits)
{
    EXPECT_EQ(packNodeKey(1, 0, 0), 1u << 27);
    EXPECT_EQ(packNodeKey(9, 3, 95), (9u << 27) | (3u << 17) | 95u);
    EXPECT_EQ(packNodeKey(5, 1023, 0), (5u << 27) | (1023u << 17));
    const ui::NodeKey key = ui::unpackNodeKey(packNodeKey(8, 700, 80));
    EXPECT_EQ(key.kind, 8);
    EXPECT_EQ(key.tableIndex, 700);
    EXPECT_EQ(key.menu, 80);
    EXPECT_EQ(ui::kindForMenu(80), ui::kNodeMainMenu);
    EXPECT_EQ(ui::kindForMenu(81), ui::kNodeSubMenu);
    EXPECT_EQ(ui::kindForMenu(95), ui::kNodeSubMenu);
    EXPECT_EQ(ui::kindForMenu(79), std::nullopt);
}

} // namespace
} // namespace tarvo::ui
