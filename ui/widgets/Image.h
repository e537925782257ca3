#pragma once

#include <QPixmap>
#include <QWidget>

#include <optional>

// A picture fitted into the widget with its proportions kept, centred, at a given
// opacity. A resource with a "@2x" variant is drawn from that one on a screen whose scale
// is above 1. The picture is read from its file only when it is first drawn or asked for,
// so a page that is never shown costs nothing; while the widget is hidden only the copy
// scaled for the screen is kept.
namespace tenvik {

class Image : public QWidget {
    Q_OBJECT
public:
    explicit Image(QWidget* parent = nullptr);

    void setPicture(const QString& resourcePath);
    QString picturePath() const { return m_path; }
    // The variant drawn at the widget's present screen scale.
    QPixmap picture() const { return pictureForScale(devicePixelRatioF()); }
    // The "@2x" variant for a scale above 1 when there is one, the plain picture otherwise.
    QPixmap pictureForScale(qreal devicePixelRatio) const;
    // Whether a variant has been read from its file and is held now.
    bool holdsDecodedPicture() const { return m_picture.has_value() || m_picture2x.has_value(); }
    void setOpacity(qreal opacity);
    qreal opacity() const { return m_opacity; }

    // The plain picture's size, read from the file's header without decoding the picture.
    QSize naturalSize() const;
    // In a column of pictures each is as high as its width asks, never wider than it is.
    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    const QPixmap& plainPicture() const;
    const QPixmap& twiceScalePicture() const;

    QString m_path;
    mutable std::optional<QPixmap> m_picture;   // the plain file, once read
    mutable std::optional<QPixmap> m_picture2x; // its "@2x" variant once read; null when there is none
    mutable std::optional<QSize> m_naturalSize;
    QPixmap m_scaled;    // the picture smoothed to the last drawn device size
    QSizeF m_scaledFrom; // the natural size of the variant it was made from
    qreal m_opacity = 1.0;
};

// The path of the "@2x" variant of a picture: ":/img/sextant.png" gives
// ":/img/sextant@2x.png".
QString AtTwoXPath(const QString& path);

} // namespace tenvik
