#include "displays/freeleafindex.h"

#include "displays/spacetree.h"

#include <algorithm>

namespace {
int topBit(int n)
{
    int bit = 1;
    while (bit * 2 <= n)
        bit *= 2;
    return bit;
}
}

FreeLeafIndex::FreeLeafIndex(int maxWidth, int maxHeight)
    : m_maxWidth(std::max(maxWidth, 0))
    , m_maxHeight(std::max(maxHeight, 0))
    , m_widthSlots(m_maxWidth + 1)
    , m_heightSlots(m_maxHeight + 1)
    , m_heightTopBit(topBit(m_heightSlots))
    , m_widthTopBit(topBit(m_widthSlots))
    , m_grid(size_t(m_heightSlots + 1) * size_t(m_widthSlots + 1), 0)
    , m_rows(m_grid.size(), 0)
{
}

qint64 FreeLeafIndex::bucketKey(int heightSlot, int widthSlot) const
{
    return qint64(heightSlot) * (m_widthSlots + 1) + widthSlot;
}

void FreeLeafIndex::add(int heightSlot, int widthSlot, int delta)
{
    const size_t stride = size_t(m_widthSlots + 1);
    for (int i = heightSlot; i <= m_heightSlots; i += i & -i)
        for (int j = widthSlot; j <= m_widthSlots; j += j & -j)
            m_grid[i * stride + j] += delta;
    int *row = &m_rows[heightSlot * stride];
    for (int j = widthSlot; j <= m_widthSlots; j += j & -j)
        row[j] += delta;
    m_size += delta;
}

int FreeLeafIndex::gridPrefix(int heightNode, int widthSlot) const
{
    const int *row = &m_grid[heightNode * size_t(m_widthSlots + 1)];
    int sum = 0;
    for (int j = widthSlot; j > 0; j -= j & -j)
        sum += row[j];
    return sum;
}

void FreeLeafIndex::insert(SpaceNode *leaf)
{
    const int hs = heightSlot(std::clamp(leaf->h, 0, m_maxHeight));
    const int ws = widthSlot(std::clamp(leaf->w, 0, m_maxWidth));
    std::vector<SpaceNode *> &bucket = m_buckets[bucketKey(hs, ws)];
    leaf->freeSlot = int(bucket.size());
    bucket.push_back(leaf);
    add(hs, ws, 1);
}

void FreeLeafIndex::remove(SpaceNode *leaf)
{
    if (leaf->freeSlot < 0)
        return;
    const int hs = heightSlot(std::clamp(leaf->h, 0, m_maxHeight));
    const int ws = widthSlot(std::clamp(leaf->w, 0, m_maxWidth));
    std::vector<SpaceNode *> &bucket = m_buckets[bucketKey(hs, ws)];
    SpaceNode *last = bucket.back();
    bucket[leaf->freeSlot] = last;
    last->freeSlot = leaf->freeSlot;
    bucket.pop_back();
    leaf->freeSlot = -1;
    add(hs, ws, -1);
}

int FreeLeafIndex::countFitting(int w, int h) const
{
    if (w > m_maxWidth || h > m_maxHeight)
        return 0;
    const int ws = widthSlot(std::max(w, 0));
    int sum = 0;
    for (int i = heightSlot(std::max(h, 0)); i > 0; i -= i & -i)
        sum += gridPrefix(i, ws);
    return sum;
}

SpaceNode *FreeLeafIndex::fitting(int w, int rank) const
{
    const int ws = widthSlot(std::max(w, 0));
    // Descend the height tree to the row in which the rank falls, then the
    // row's width tree to the column.
    int row = 0;
    for (int step = m_heightTopBit; step > 0; step /= 2) {
        const int next = row + step;
        if (next > m_heightSlots)
            continue;
        const int count = gridPrefix(next, ws);
        if (count <= rank) {
            row = next;
            rank -= count;
        }
    }
    ++row;
    const int *rowTree = &m_rows[row * size_t(m_widthSlots + 1)];
    int column = 0;
    for (int step = m_widthTopBit; step > 0; step /= 2) {
        const int next = column + step;
        if (next > m_widthSlots)
            continue;
        if (rowTree[next] <= rank) {
            column = next;
            rank -= rowTree[next];
        }
    }
    ++column;
    const auto found = m_buckets.find(bucketKey(row, column));
    Q_ASSERT(found != m_buckets.end() && rank < int(found->second.size()));
    return found->second[rank];
}
