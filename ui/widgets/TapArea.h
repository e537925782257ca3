#pragma once

#include <QWidget>

// An invisible container widget (not a QLayout) that reports a double-click and a touch
// long tap on itself (a double tap on a touch screen reaches Qt as a double-click).
namespace tenvik {

class TapArea : public QWidget {
    Q_OBJECT
public:
    explicit TapArea(QWidget* parent = nullptr);

    // Subscribes to the long-tap gesture (off by default, as for a plain container).
    void setLongTapEnabled(bool on);

signals:
    void doubleClicked();
    void longTapped();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
};

} // namespace tenvik
