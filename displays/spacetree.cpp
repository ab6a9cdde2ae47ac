#include "displays/spacetree.h"

#include <algorithm>

SpaceTree::SpaceTree(int width, int height, int tileGap, const RandomSource &random)
    : m_tileGap(tileGap)
    , m_random(random)
    , m_free(width, height)
{
    m_nodes.emplace_back();
    m_root = &m_nodes.back();
    m_root->w = width;
    m_root->h = height;
    m_free.insert(m_root);
}

SpaceNode *SpaceTree::addChild(SpaceNode *parent, int slot, int x, int y, int w, int h)
{
    m_nodes.emplace_back();
    SpaceNode *child = &m_nodes.back();
    child->parent = parent;
    child->x = x;
    child->y = y;
    child->w = w;
    child->h = h;
    parent->children[slot] = child;
    m_free.insert(child);
    return child;
}

void SpaceTree::claim(SpaceNode *node)
{
    node->used = true;
    m_free.remove(node);
}

void SpaceTree::markSplit(SpaceNode *node)
{
    node->split = true;
    m_free.remove(node);
}

// The item's extent plus a random margin of 2 to 6 pixels, but never more
// than the cell has: with a gap of 5 the margin could reach a pixel past a
// cell that has just 5 pixels to spare, and the cut would then give children
// outside their parent and tiles that overlap.
int SpaceTree::paddedExtent(int item, int room)
{
    return std::min(item + 2 + m_random() % 5, room);
}

bool SpaceTree::splitFour(SpaceNode *node, int a, int b)
{
    if (node->split || node->used)
        return false;
    markSplit(node);
    addChild(node, 0, node->x, node->y, a, b);
    addChild(node, 1, node->x + a, node->y, node->w - a, b);
    addChild(node, 2, node->x, node->y + b, a, node->h - b);
    addChild(node, 3, node->x + a, node->y + b, node->w - a, node->h - b);
    return true;
}

const SpaceNode *SpaceTree::placeItem(int w, int h, bool randomCorner, bool allowCentre)
{
    if (m_root->used)
        return nullptr;
    const int candidates = m_free.countFitting(w, h);
    if (candidates == 0)
        return nullptr;
    SpaceNode *cell = m_free.fitting(w, m_random() % candidates);

    const bool tightWidth = cell->w < m_tileGap + w;
    const bool tightHeight = cell->h < m_tileGap + h;
    if (tightWidth && tightHeight) {
        // The cell is reshaped in place; it stays a leaf, so it leaves the
        // index before its size changes.
        claim(cell);
        cell->x += (cell->w - w) / 2;
        cell->y += (cell->h - h) / 2;
        cell->w = w;
        cell->h = h;
        return cell;
    }

    if (tightWidth) {
        int hh = paddedExtent(h, cell->h);
        const bool flip = randomCorner && m_random() % 2 != 0;
        if (flip)
            hh = cell->h - hh;
        hh = std::max(hh, 1);
        markSplit(cell);
        SpaceNode *top = addChild(cell, 0, cell->x + (cell->w - w) / 2, cell->y, w, hh);
        SpaceNode *bottom = addChild(cell, 1, top->x, cell->y + hh, w, cell->h - hh);
        SpaceNode *item = flip ? bottom : top;
        claim(item);
        return item;
    }

    if (tightHeight) {
        int ww = paddedExtent(w, cell->w);
        const bool flip = randomCorner && m_random() % 2 != 0;
        if (flip)
            ww = cell->w - ww;
        ww = std::max(ww, 1);
        markSplit(cell);
        SpaceNode *left = addChild(cell, 0, cell->x, cell->y + (cell->h - h) / 2, ww, h);
        SpaceNode *right = addChild(cell, 1, cell->x + ww, left->y, cell->w - ww, h);
        SpaceNode *item = flip ? right : left;
        claim(item);
        return item;
    }

    int ww = paddedExtent(w, cell->w);
    int hh = paddedExtent(h, cell->h);
    if (allowCentre && cell->w > 3 * ww && cell->h > 3 * hh) {
        // Cutting the middle out leaves the six cells around the item free.
        splitFour(cell, (cell->w - ww) / 2, (cell->h - hh) / 2);
        SpaceNode *middle = cell->children[3];
        splitFour(middle, ww, hh);
        SpaceNode *item = middle->children[0];
        claim(item);
        return item;
    }
    const int quadrant = randomCorner ? m_random() % 4 : 0;
    if (quadrant == 1 || quadrant == 3)
        ww = cell->w - ww;
    if (quadrant == 2 || quadrant == 3)
        hh = cell->h - hh;
    splitFour(cell, std::max(ww, 1), std::max(hh, 1));
    SpaceNode *item = cell->children[quadrant];
    claim(item);
    return item;
}
