#pragma once

#include <QPixmap>
#include <QWidget>

// A picture fitted into the widget with its proportions kept, centred, at a given
// opacity. A resource with a "@2x" variant is drawn from that one on a screen whose scale
// is above 1.
namespace tenvik {

class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    void setPicture(const QString& resourcePath);
    // The variant drawn at the widget's present screen scale.
    QPixmap picture() const { return pictureForScale(devicePixelRatioF()); }
    // The "@2x" variant for a scale above 1 when there is one, the plain picture otherwise.
    QPixmap pictureForScale(qreal devicePixelRatio) const;
    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;   // the plain file
    QPixmap m_picture2x; // its "@2x" variant, null when there is none
    QPixmap m_scaled;    // the picture smoothed to the last drawn device size
    qreal m_opacity = 1.0;
};

// The path of the "@2x" variant of a picture: ":/img/sextant.png" gives
// ":/img/sextant@2x.png".
QString AtTwoXPath(const QString& path);

} // namespace tenvik
