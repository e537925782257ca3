#pragma once

#include "settings/Color.h"
#include "ui/widgets/ComboBox.h"

#include <optional>

// The colour picker: the 148 named colours in table order, each with a swatch, 12 rows
// visible when dropped down.
namespace tenvik {

class ColorComboBox : public ComboBox {
    Q_OBJECT
public:
    explicit ColorComboBox(QWidget* parent = nullptr);

    // Selects the lowest-index item of that value; a colour no item has keeps the selection.
    void setColor(TAlphaColor color);
    // The selected item's value; no selection reads as Null.
    TAlphaColor color() const;
};

// The selection rules of the list, which holds NamedColors in index order: setting a colour
// selects the lowest index with an equal value and keeps the current selection for a
// colour no item has.
std::optional<int> PickerSelectionFor(TAlphaColor color, std::optional<int> current);
// The value of the selected item; no selection reads as Null.
TAlphaColor PickerColor(std::optional<int> selection);

} // namespace tenvik
