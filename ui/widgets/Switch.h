#pragma once

#include <QAbstractButton>

// An on/off switch: a checkable button drawn as a track with a sliding thumb. Space and
// a click toggle it; screen readers see a check box.
namespace tenvik {

class Switch : public QAbstractButton {
    Q_OBJECT
public:
    explicit Switch(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tenvik
