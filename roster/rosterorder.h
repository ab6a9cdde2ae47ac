#ifndef ROSTERORDER_H
#define ROSTERORDER_H

#include <algorithm>
#include <numeric>
#include <vector>

// The positions of keys in stable ascending order of the keys; when they are
// in that order already, the reverse, so that sorting the same column again
// turns the order round.
template<typename Key>
std::vector<int> toggledSortOrder(const std::vector<Key> &keys)
{
    std::vector<int> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
    if (std::is_sorted(order.cbegin(), order.cend()))
        std::reverse(order.begin(), order.end());
    return order;
}

#endif // ROSTERORDER_H
