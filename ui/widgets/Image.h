#pragma once

#include <QPixmap>
#include <QWidget>

// A picture fitted into the widget with its proportions kept, at a given opacity. A
// resource with a "@2x" variant is drawn from that one on a scale-2 screen.
namespace tenvik {

class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    void setPicture(const QString& resourcePath);
    QPixmap picture() const { return m_picture; }
    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    qreal m_opacity = 1.0;
};

} // namespace tenvik
