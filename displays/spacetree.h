#ifndef SPACETREE_H
#define SPACETREE_H

#include "displays/freeleafindex.h"
#include "displays/randomsource.h"

#include <deque>

// One cell of the tile board's free space. A two-way split uses children 0
// and 1; a four-way split uses 0 = top-left, 1 = top-right, 2 = bottom-left,
// 3 = bottom-right.
struct SpaceNode
{
    SpaceNode *children[4] = {nullptr, nullptr, nullptr, nullptr};
    SpaceNode *parent = nullptr;
    bool split = false;
    bool used = false;
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int freeSlot = -1; // place in the free-cell index while the cell is a free leaf
};

// The free space of one arrangement of the tile board: a tree of cells cut
// from the board, each item claiming a free leaf. The tree owns its cells
// and frees them all with itself; it draws from its copy of `random` (a
// source that wraps a generator by reference keeps drawing from that one).
class SpaceTree
{
public:
    SpaceTree(int width, int height, int tileGap, const RandomSource &random);
    SpaceTree(const SpaceTree &) = delete;
    SpaceTree &operator=(const SpaceTree &) = delete;

    SpaceNode *root() { return m_root; }
    const SpaceNode *root() const { return m_root; }
    int tileGap() const { return m_tileGap; }
    int freeLeafCount() const { return m_free.size(); }

    // Claims a free cell for an item of w x h, chosen at random among the
    // free leaves that are large enough; null when none is.
    const SpaceNode *placeItem(int w, int h, bool randomCorner, bool allowCentre);

    // Divides a free leaf into four cells at (a, b) from its top-left corner.
    bool splitFour(SpaceNode *node, int a, int b);

private:
    SpaceNode *addChild(SpaceNode *parent, int slot, int x, int y, int w, int h);
    void claim(SpaceNode *node);
    void markSplit(SpaceNode *node);
    int paddedExtent(int item, int room);

    int m_tileGap;
    RandomSource m_random;
    std::deque<SpaceNode> m_nodes;
    SpaceNode *m_root = nullptr;
    FreeLeafIndex m_free;
};

#endif // SPACETREE_H
