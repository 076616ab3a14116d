#include "PendingSet.h"

#include <algorithm>

namespace qs {

PendingSet::PendingSet(std::span<const Key> order)
    : order_(order.begin(), order.end()), pending_(order.size())
{
}

std::ptrdiff_t PendingSet::PositionOf(Key key) const
{
    const auto it = std::find(order_.begin(), order_.end(), key);
    return it == order_.end() ? -1 : it - order_.begin();
}

bool PendingSet::Set(Key key, bool pending)
{
    const std::ptrdiff_t at = PositionOf(key);
    if (at < 0 || pending_[static_cast<std::size_t>(at)] == pending)
        return false;
    pending_[static_cast<std::size_t>(at)] = pending;
    if (pending)
        ++count_;
    else
        --count_;
    return true;
}

bool PendingSet::IsPending(Key key) const
{
    const std::ptrdiff_t at = PositionOf(key);
    return at >= 0 && pending_[static_cast<std::size_t>(at)];
}

bool PendingSet::Empty() const
{
    return count_ == 0;
}

void PendingSet::Clear()
{
    std::fill(pending_.begin(), pending_.end(), false);
    count_ = 0;
}

std::vector<PendingSet::Key> PendingSet::Pending() const
{
    std::vector<Key> keys;
    for (std::size_t i = 0; i < order_.size(); ++i)
        if (pending_[i])
            keys.push_back(order_[i]);
    return keys;
}

}  // namespace qs
