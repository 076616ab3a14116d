#pragma once
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace qs {

// The requests waiting to be sent, as keys of a program's request table. There is no queue:
// a key is pending or not, and the pending keys are always visited in the table's fixed
// order of priority, whatever order they were set in.
class PendingSet {
public:
    using Key = std::uint16_t;

    // order: every key of the program, highest priority first (each once).
    explicit PendingSet(std::span<const Key> order);

    // Answers whether the state changed. Keys outside the order are ignored.
    bool Set(Key key, bool pending);
    bool IsPending(Key key) const;
    bool Empty() const;
    void Clear();

    // The pending keys in priority order.
    std::vector<Key> Pending() const;

private:
    std::vector<Key> order_;
    std::vector<bool> pending_;  // by position in order_
    std::size_t count_ = 0;

    std::ptrdiff_t PositionOf(Key key) const;
};

}  // namespace qs
