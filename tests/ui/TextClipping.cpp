#include "TextClipping.h"

#include "ui/Main.h"
#include "ui/PaintTags.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/InkBounds.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/Text.h"
#include "ui/widgets/TextLines.h"

#include <QImage>
#include <QPainter>

#include <cmath>
#include <sstream>

namespace tenvik::test {
namespace {

constexpr qreal InchesPerMeter = 39.3700787;

// What a widget draws its text with, and where.
struct DrawnText {
    QFont font;
    QRectF area; // the rectangle the text is laid out in, in the widget's coordinates
    int flags;
    QString text;
};

// The ink of a text drawn unclipped, in the coordinates of the widget it is drawn on; an
// empty rectangle for a text that inks nothing.
QRect InkOf(const DrawnText& drawn, const QWidget& widget)
{
    const int pad = static_cast<int>(std::ceil(2 * QFontInfo(drawn.font).pixelSize())) + 8;
    QImage canvas(widget.size() + QSize(2 * pad, 2 * pad), QImage::Format_ARGB32_Premultiplied);
    // The canvas measures fonts as the widget's screen does.
    canvas.setDotsPerMeterX(qRound(widget.logicalDpiX() * InchesPerMeter));
    canvas.setDotsPerMeterY(qRound(widget.logicalDpiY() * InchesPerMeter));
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        painter.translate(pad, pad);
        painter.setFont(drawn.font);
        painter.setPen(Qt::black);
        // Unclipped: drawText would cut the text at its area as the widget cuts it at its edges.
        painter.drawText(drawn.area, drawn.flags | Qt::TextDontClip, drawn.text);
    }
    const QRect ink = InkBounds(canvas);
    return ink.isEmpty() ? QRect() : ink.translated(-pad, -pad);
}

DrawnText DrawnOn(const Text& text)
{
    return {text.drawnFont(), text.textArea(), text.textFlags(), DisplayLines(text.text())};
}

DrawnText DrawnOn(const Label& label)
{
    int flags = static_cast<int>(label.alignment());
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect area =
        label.contentsRect().marginsRemoved(QMargins(label.margin(), label.margin(), label.margin(), label.margin()));
    return {label.font(), QRectF(area), flags, label.text()};
}

void Check(const QWidget& widget, const DrawnText& drawn, const QRect& box, std::vector<StrayText>& strays)
{
    // An empty text and a cell the grid hides (no room at all) draw nothing; a page not
    // shown is not laid out for the present size.
    if (drawn.text.isEmpty() || !widget.isVisible())
        return;
    const QRect ink = InkOf(drawn, widget);
    if (ink.isEmpty())
        return;
    QString over;
    for (const QObject* child : widget.children()) {
        const auto* button = qobject_cast<const QWidget*>(child);
        if (button != nullptr && !button->isHidden() && qobject_cast<const Text*>(button) == nullptr
            && button->geometry().intersects(ink))
            over = button->objectName();
    }
    if (!box.contains(ink) || !over.isEmpty())
        strays.push_back({widget.objectName(), drawn.text, ink, box, over});
}

} // namespace

std::vector<StrayText> TextsLeavingTheirBoxes(const TMainForm& w)
{
    std::vector<StrayText> strays;
    std::vector<const Label*> labels = {w.lblToolbar1, w.lblToolbar2,  w.lblToolbar3,
                                        w.lblToolbar4, w.lblMonthName, w.lblStatus};
    labels.insert(labels.end(), w.lblDOW.begin(), w.lblDOW.end());
    for (const Label* label : labels)
        Check(*label, DrawnOn(*label), label->contentsRect(), strays);
    for (const Text* number : w.gT)
        Check(*number, DrawnOn(*number), number->rect(), strays);
    for (int cell = 0; cell <= Main::LastDayCell; ++cell) {
        const Text& label = *w.gX[static_cast<std::size_t>(cell)];
        Check(label, DrawnOn(label), label.rect(), strays);
    }
    return strays;
}

std::vector<StrayText> MarksInTheWay(const TMainForm& w)
{
    std::vector<StrayText> strays;
    if (!w.tabCalendar->isVisible())
        return strays;
    for (int cell = 0; cell <= Main::LastDayCell; ++cell) {
        const auto i = static_cast<std::size_t>(cell);
        const DayCell& day = *w.gR[i];
        if (!day.marks().Any() || !day.isVisible())
            continue;
        const QRect inside = day.rect().adjusted(1, 1, -1, -1); // the border is half a pixel
        const std::optional<QRectF> block = day.marksBlock();
        if (!block) {
            strays.push_back({day.objectName(), QStringLiteral("marks"), {}, inside, QStringLiteral("no room")});
            continue;
        }
        // Every pixel the marks may touch, anti-aliasing included.
        const QRect marks = block->toAlignedRect();
        if (!inside.contains(marks))
            strays.push_back({day.objectName(), QStringLiteral("marks"), marks, inside, {}});
        for (const Text* text : {w.gT[i], w.gX[i]}) {
            const DrawnText drawn = DrawnOn(*text);
            if (drawn.text.isEmpty())
                continue;
            const QRect ink = InkOf(drawn, *text).translated(text->mapTo(&day, QPoint(0, 0)));
            if (!ink.isEmpty() && ink.intersects(marks))
                strays.push_back({day.objectName(), QStringLiteral("marks"), marks, inside, text->objectName()});
        }
    }
    return strays;
}

std::string Describe(const std::vector<StrayText>& strays)
{
    std::ostringstream out;
    const auto rect = [](const QRect& r) {
        return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
    };
    for (const StrayText& stray : strays) {
        out << stray.widget.toStdString() << " \"" << QString(stray.text).replace(u'\n', u'|').toStdString()
            << "\" inks " << rect(stray.ink) << " in " << rect(stray.box);
        if (!stray.over.isEmpty())
            out << " under " << stray.over.toStdString();
        out << '\n';
    }
    return out.str();
}

} // namespace tenvik::test
