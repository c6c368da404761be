#include "model/bucket_map.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using tarvo::model::BucketMap;

std::vector<std::pair<int, int>> inHashOrder(const BucketMap<int>& map)
{
    std::vector<std::pair<int, int>> order;
    map.forEach([&order](std::int32_t key, const int& value) { order.emplace_back(key, value); });
    return order;
}

TEST(BucketMap, IteratesBucketsInOrderAndNewestKeyFirstWithinABucket)
{
    BucketMap<int> map(tarvo::model::kTableBuckets);
    // 16 and 31 share bucket 1 ((k >> 4) % 1021); 1021 * 16 wraps to bucket 0.
    map.set(16, 1);
    map.set(31, 2);
    map.set(1021 * 16, 3);
    map.set(5, 4);
    const std::vector<std::pair<int, int>> expected = {{5, 4}, {1021 * 16, 3}, {31, 2}, {16, 1}};
    EXPECT_EQ(inHashOrder(map), expected);
}

TEST(BucketMap, NegativeKeysUseTheUnsignedShift)
{
    // -1 is 0xFFFFFFFF: 0x0FFFFFFF % 17 = 15, between buckets 14 and 16.
    BucketMap<int> map(17);
    map.set(16 * 16, 1);
    map.set(-1, 2);
    map.set(16 * 14, 3);
    const std::vector<std::pair<int, int>> expected = {{16 * 14, 3}, {-1, 2}, {16 * 16, 1}};
    EXPECT_EQ(inHashOrder(map), expected);
    ASSERT_NE(map.find(-1), nullptr);
    EXPECT_EQ(*map.find(-1), 2);
}

TEST(BucketMap, SettingAnExistingKeyKeepsItsPlace)
{
    BucketMap<int> map(17);
    map.set(16, 1);
    map.set(17, 2);
    map.set(16, 3);
    const std::vector<std::pair<int, int>> expected = {{17, 2}, {16, 3}};
    EXPECT_EQ(inHashOrder(map), expected);
    EXPECT_EQ(map.size(), 2u);
}

TEST(BucketMap, FindEraseAndReset)
{
    BucketMap<int> map;
    EXPECT_EQ(map.bucketCount(), tarvo::model::kInitialBuckets);
    map.set(7, 70);
    ASSERT_NE(map.find(7), nullptr);
    EXPECT_EQ(*map.find(7), 70);
    EXPECT_EQ(map.find(8), nullptr);
    EXPECT_TRUE(map.erase(7));
    EXPECT_FALSE(map.erase(7));
    EXPECT_TRUE(map.empty());
    map.set(1, 1);
    map.reset(0); // never a map without a bucket
    EXPECT_EQ(map.bucketCount(), 1u);
    EXPECT_TRUE(map.empty());
    map.set(123, 4);
    EXPECT_EQ(*map.find(123), 4);
}

} // namespace
