#pragma once

#include "settings/Color.h"
#include "ui/widgets/ComboBox.h"

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

} // namespace tenvik
