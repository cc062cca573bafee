#pragma once
#include "mapping/ShapeLayer.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

// What is worked out once for a pair of layers (a grid and its country or
// province polygons) while both stay in memory: one entry per pair, entries
// of released layers dropped at the next look-up.
template <typename Value>
class LayerPairCache {
public:
    std::shared_ptr<const Value> get(const std::shared_ptr<const ShapeLayer> &first, const std::shared_ptr<const ShapeLayer> &second,
                                     const std::function<Value()> &make)
    {
        const std::lock_guard guard(m_lock);
        std::erase_if(m_entries, [](const Entry &e) { return e.first.expired() || e.second.expired(); });
        for (const Entry &e : m_entries)
            if (e.first.lock() == first && e.second.lock() == second)
                return e.value;
        auto value = std::make_shared<const Value>(make());
        m_entries.push_back({first, second, value});
        return value;
    }

private:
    struct Entry {
        std::weak_ptr<const ShapeLayer> first, second;
        std::shared_ptr<const Value> value;
    };
    std::mutex m_lock;
    std::vector<Entry> m_entries;
};
