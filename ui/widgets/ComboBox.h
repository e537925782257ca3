#pragma once

#include <QComboBox>

// A combo box that reports when its list drops down and when it closes, whether or not
// the user chose an item, and whose list shows as many rows as maxVisibleItems says in
// every style. popupClosed comes from the event loop right after the event
// that closed the list, so a choice is already the current item then.
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_popupWindow = nullptr; // the list's top-level popup, owned by the combo box, once made
    bool m_shownOnce = false;
};

} // namespace tenvik
