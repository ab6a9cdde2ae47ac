#ifndef FREELEAFINDEX_H
#define FREELEAFINDEX_H

#include <QtGlobal>
#include <unordered_map>
#include <vector>

struct SpaceNode;

// The free cells of a tile board, indexed by size so that the cells an item
// fits into can be counted and one of them picked by rank without walking
// the whole free-space tree. Two Fenwick trees over (height, width), both
// counted from the largest size down: a two-dimensional one answers "how
// many cells are at least w wide and h high", one per height finds the
// width within a row.
class FreeLeafIndex
{
public:
    FreeLeafIndex(int maxWidth, int maxHeight);

    void insert(SpaceNode *leaf);
    void remove(SpaceNode *leaf);

    int size() const { return m_size; }
    // Number of free cells with width >= w and height >= h.
    int countFitting(int w, int h) const;
    // The free cell of the given rank among those at least w wide, ranked
    // from the tallest down: the ranks 0 ... countFitting(w, h) - 1 are
    // exactly the cells at least h high, each rank a different cell.
    SpaceNode *fitting(int w, int rank) const;

private:
    int widthSlot(int w) const { return m_maxWidth - w + 1; }
    int heightSlot(int h) const { return m_maxHeight - h + 1; }
    qint64 bucketKey(int heightSlot, int widthSlot) const;
    void add(int heightSlot, int widthSlot, int delta);
    int gridPrefix(int heightNode, int widthSlot) const;

    int m_maxWidth;
    int m_maxHeight;
    int m_widthSlots;
    int m_heightSlots;
    int m_heightTopBit;
    int m_widthTopBit;
    int m_size = 0;
    std::vector<int> m_grid; // two-dimensional tree, (heightSlots + 1) x (widthSlots + 1)
    std::vector<int> m_rows; // one tree over widths per height slot, same shape
    std::unordered_map<qint64, std::vector<SpaceNode *>> m_buckets;
};

#endif // FREELEAFINDEX_H
