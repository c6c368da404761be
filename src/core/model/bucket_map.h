#pragma once
// The side maps of a language table. They are hash maps of 1021 buckets (17
// before Init) whose iteration order is part of the document file: bucket 0 to
// the last, within a bucket the most recently inserted key first. An integer
// key k lies in bucket (unsigned(k) >> 4) % bucketCount.

#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tarvo::model {

inline constexpr std::uint32_t kInitialBuckets = 17;
inline constexpr std::uint32_t kTableBuckets = 1021;

template <typename V> class BucketMap {
public:
    explicit BucketMap(std::uint32_t buckets = kInitialBuckets) : m_buckets(atLeastOne(buckets)) {}

    // Empties the map and gives it the bucket count (at least one bucket, so
    // that a key always has a bucket).
    void reset(std::uint32_t buckets)
    {
        m_buckets.assign(atLeastOne(buckets), {});
        m_size = 0;
    }
    std::uint32_t bucketCount() const { return static_cast<std::uint32_t>(m_buckets.size()); }
    std::size_t size() const { return m_size; }
    bool empty() const { return m_size == 0; }

    // Replaces the value of an existing key in place; a new key goes to the
    // head of its bucket.
    void set(std::int32_t key, V value)
    {
        auto& chain = m_buckets[bucketOf(key)];
        for (auto& kv : chain)
            if (kv.first == key) {
                kv.second = std::move(value);
                return;
            }
        chain.insert(chain.begin(), {key, std::move(value)});
        ++m_size;
    }
    const V* find(std::int32_t key) const
    {
        for (const auto& kv : m_buckets[bucketOf(key)])
            if (kv.first == key)
                return &kv.second;
        return nullptr;
    }
    V* find(std::int32_t key)
    {
        for (auto& kv : m_buckets[bucketOf(key)])
            if (kv.first == key)
                return &kv.second;
        return nullptr;
    }
    bool erase(std::int32_t key)
    {
        auto& chain = m_buckets[bucketOf(key)];
        for (auto it = chain.begin(); it != chain.end(); ++it)
            if (it->first == key) {
                chain.erase(it);
                --m_size;
                return true;
            }
        return false;
    }
    // Visits entries in hash order (the order in which they are written).
    void forEach(const std::function<void(std::int32_t, const V&)>& fn) const
    {
        for (const auto& chain : m_buckets)
            for (const auto& kv : chain)
                fn(kv.first, kv.second);
    }

private:
    static std::uint32_t atLeastOne(std::uint32_t buckets) { return buckets == 0 ? 1 : buckets; }
    std::uint32_t bucketOf(std::int32_t key) const
    {
        return (static_cast<std::uint32_t>(key) >> 4) % static_cast<std::uint32_t>(m_buckets.size());
    }

    std::vector<std::vector<std::pair<std::int32_t, V>>> m_buckets;
    std::size_t m_size = 0;
};

} // namespace tarvo::model
