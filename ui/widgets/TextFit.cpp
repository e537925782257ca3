#include "ui/widgets/TextFit.h"

#include "ui/widgets/Label.h"

#include <QFontMetricsF>
#include <QHash>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tenvik {

namespace {

// Sizes come out of a proportion of box to text; glyph hinting is not quite proportional,
// so a size found that way is checked and, if need be, taken down a little at a time.
constexpr int FitAttempts = 8;
constexpr float StepDown = 0.98f;
// A box with no room left gets the smallest text the widgets draw, never none at all.
constexpr float SmallestPixels = 1.0f;

QFont AtPixels(QFont font, float pixels, const QWidget& widget)
{
    SetFontPixelSizeF(font, pixels, widget);
    return font;
}

qreal InkedWidth(const QFontMetricsF& metrics, const QString& line)
{
    const QRectF ink = metrics.boundingRect(line);
    return std::max(metrics.horizontalAdvance(line), ink.right()) - std::min<qreal>(0, ink.left());
}

} // namespace

QList<qreal> TextWidths(QFont font, float pixels, const QWidget& widget, const QStringList& texts)
{
    const QFontMetricsF metrics(AtPixels(std::move(font), pixels, widget), &widget);
    QList<qreal> widths;
    widths.reserve(texts.size());
    for (const QString& text : texts)
        widths << InkedWidth(metrics, text);
    return widths;
}

qreal WidestTextWidth(QFont font, float pixels, const QWidget& widget, const QStringList& texts)
{
    const QList<qreal> widths = TextWidths(std::move(font), pixels, widget, texts);
    return widths.isEmpty() ? 0 : *std::max_element(widths.cbegin(), widths.cend());
}

QStringList LikelyWidest(QFont font, float pixels, const QWidget& widget, const QStringList& texts)
{
    constexpr qreal Margin = 0.05;
    constexpr qsizetype Measured = 8;
    constexpr qsizetype Most = 3;
    const QFontMetricsF metrics(AtPixels(std::move(font), pixels, widget), &widget);
    // Ranked first by the sum of their characters' advances, which needs no shaping and
    // few lookups (the texts share most of their characters): near enough to leave out the
    // texts far from the widest, kerning and ink aside. The few left are measured in full.
    QHash<QChar, qreal> advances;
    const auto roughWidth = [&](const QString& text) {
        qreal width = 0;
        for (const QChar c : text) {
            auto advance = advances.find(c);
            if (advance == advances.end())
                advance = advances.insert(c, metrics.horizontalAdvance(c));
            width += *advance;
        }
        return width;
    };
    QList<std::pair<qreal, qsizetype>> rough;
    rough.reserve(texts.size());
    for (qsizetype i = 0; i < texts.size(); ++i)
        rough.append({roughWidth(texts[i]), i});
    std::stable_sort(rough.begin(), rough.end(), [](const auto& a, const auto& b) { return a.first > b.first; });

    QList<std::pair<qreal, qsizetype>> measured;
    for (const auto& [width, i] : rough) {
        if (measured.size() == Measured || width < rough.front().first * (1 - 2 * Margin))
            break;
        measured.append({InkedWidth(metrics, texts[i]), i});
    }
    std::stable_sort(measured.begin(), measured.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    QStringList likely;
    for (const auto& [width, i] : measured) {
        if (likely.size() == Most || width < measured.front().first * (1 - Margin))
            break;
        likely << texts[i];
    }
    return likely;
}

float FittingPixelSize(float wanted, QFont font, const QWidget& widget, const QStringList& lines, int lineCount,
                       const QSizeF& box)
{
    if (!(wanted > 0) || lines.isEmpty())
        return wanted;
    float pixels = wanted;
    for (int attempt = 0; attempt < FitAttempts; ++attempt) {
        const QFontMetricsF metrics(AtPixels(font, pixels, widget), &widget);
        qreal width = 0;
        for (const QString& line : lines)
            width = std::max(width, InkedWidth(metrics, line));
        const qreal height = lineCount * metrics.lineSpacing();
        if (width <= box.width() && height <= box.height())
            return pixels;
        const qreal share = std::min(box.width() / width, box.height() / height);
        const float smaller = static_cast<float>(pixels * std::max<qreal>(share, 0));
        pixels = attempt == 0 ? smaller : std::min(smaller, pixels * StepDown);
        if (!(pixels > SmallestPixels)) {
            pixels = SmallestPixels;
            break;
        }
    }
    return pixels;
}

QMarginsF CentredTextMargins(qreal width, qreal freeLeft, qreal freeRight, qreal textWidth)
{
    const qreal half = textWidth / 2;
    qreal centre = width / 2;
    if (freeRight - freeLeft <= textWidth)
        centre = (freeLeft + freeRight) / 2;
    else
        centre = std::clamp(centre, freeLeft + half, freeRight - half);
    const qreal room = std::max<qreal>(0, std::min(centre - freeLeft, freeRight - centre));
    return {centre - room, 0, width - (centre + room), 0};
}

} // namespace tenvik
