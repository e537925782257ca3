#pragma once

#include "ui/widgets/TapArea.h"

#include <vector>

// A container widget (not a QLayout) of equal cells: places its items in the order added,
// each of one fixed width and height, left to right, starting a new row when the next item
// would end beyond the width. Item edges are rounded from their exact fractional
// positions, so items tile without gaps.
namespace tenvik {

class CellGrid : public TapArea {
    Q_OBJECT
public:
    explicit CellGrid(QWidget* parent = nullptr);

    // Takes ownership (as a child) and places the item. An item deleted or given another
    // parent leaves the grid.
    void addItem(QWidget* item);
    const std::vector<QWidget*>& items() const { return m_items; }

    float itemWidth() const { return m_itemWidth; }
    float itemHeight() const { return m_itemHeight; }
    // Sizes of zero or less are kept here; the items are then hidden rather than given
    // an empty geometry.
    void setItemSize(float width, float height);

protected:
    void childEvent(QChildEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void placeItems();

    std::vector<QWidget*> m_items;
    std::vector<QWidget*> m_hiddenBySize; // shown again once the item size is placeable
    float m_itemWidth = 54.0f;
    float m_itemHeight = 54.0f;
};

} // namespace tenvik
