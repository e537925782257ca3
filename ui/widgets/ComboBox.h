#pragma once

#include <QComboBox>

// A combo box that reports when its list drops down and when it closes, whether or not
// the user chose an item.
namespace tenvik {

class ComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit ComboBox(QWidget* parent = nullptr);

    void showPopup() override;
    void hidePopup() override;

signals:
    void popupOpened();
    void popupClosed();
};

} // namespace tenvik
