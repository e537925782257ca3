#include "ui/widgets/CellGrid.h"

#include <QChildEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

namespace tenvik {

namespace {

// Both edges of an item are rounded from their exact positions, so each item starts
// where its neighbour ends and the cells tile without gaps or overlaps.
int RoundedEdge(int index, double itemSize)
{
    return static_cast<int>(std::lround(index * itemSize));
}

} // namespace

CellGrid::CellGrid(QWidget* parent) : TapArea(parent)
{
}

void CellGrid::addItem(QWidget* item)
{
    if (item == nullptr || std::find(m_items.begin(), m_items.end(), item) != m_items.end())
        return;
    if (item->parentWidget() != this) {
        item->setParent(this);
        item->setVisible(true); // setParent hides a widget; an added item is meant to show
    }
    m_items.push_back(item);
    placeItems();
}

void CellGrid::setItemSize(float width, float height)
{
    if (width == m_itemWidth && height == m_itemHeight)
        return;
    m_itemWidth = width;
    m_itemHeight = height;
    placeItems();
}

void CellGrid::childEvent(QChildEvent* event)
{
    TapArea::childEvent(event);
    // Sent when an item is deleted or moved elsewhere, but not while the grid itself is
    // being destroyed; the child may be half destroyed, so only its address is used.
    if (event->removed()) {
        QObject* gone = event->child();
        const auto erased = std::erase(m_items, gone);
        std::erase(m_hiddenBySize, gone);
        if (erased > 0)
            placeItems();
    }
}

void CellGrid::resizeEvent(QResizeEvent* event)
{
    TapArea::resizeEvent(event);
    placeItems();
}

void CellGrid::placeItems()
{
    // NaN fails the comparison too, so it hides the items as zero does.
    const bool placeable = m_itemWidth > 0.0f && m_itemHeight > 0.0f;
    if (!placeable) {
        for (QWidget* item : m_items) {
            if (!item->isHidden()) {
                item->hide();
                m_hiddenBySize.push_back(item);
            }
        }
        return;
    }
    for (QWidget* item : m_hiddenBySize)
        item->show();
    m_hiddenBySize.clear();

    const double itemWidth = m_itemWidth;
    const double itemHeight = m_itemHeight;
    const double rowWidth = width();
    int column = 0;
    int row = 0;
    for (QWidget* item : m_items) {
        // An item wider than the layout still gets a row of its own instead of an
        // endless run of empty rows.
        if (column > 0 && (column + 1) * itemWidth > rowWidth) {
            column = 0;
            ++row;
        }
        const int left = RoundedEdge(column, itemWidth);
        const int top = RoundedEdge(row, itemHeight);
        const int right = RoundedEdge(column + 1, itemWidth);
        const int bottom = RoundedEdge(row + 1, itemHeight);
        item->setGeometry(left, top, right - left, bottom - top);
        ++column;
    }
}

} // namespace tenvik
