// Draws the Help page's picture: the Settings page as the program shows it (group A2,
// every display switch on, the default agency), drawn at twice its size, with a coloured
// callout tied to each control. Run it again whenever the Settings page changes.
// Usage: tenvik_helppicture OUTPUT.png
#include "app/ShowcaseWindow.h"
#include "ui/Main.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using tenvik::TMainForm;

// The picture the Help page shows, in pixels; the page is drawn at twice its size below a
// band that holds the Save callout.
const QSize PictureSize(761, 1067);
constexpr qreal PageScale = 2.0;
constexpr int TopBand = 91;

constexpr qreal LineWidth = 3.0;
constexpr qreal ArrowLength = 14.0;
constexpr qreal ArrowHalfWidth = 7.0;
constexpr qreal GapToControl = 5.0; // arrowheads stop short of the control's edge
constexpr qreal GapToLabel = 10.0;
constexpr qreal LargestLabel = 30.0; // pixels
constexpr qreal ColumnGap = 36.0;    // between the controls and the right-hand labels

namespace callout {
const QColor Save(0xC6, 0x28, 0x28);
const QColor ShiftAssignment(0x15, 0x65, 0xC0);
const QColor ShowPaydays(0x2E, 0x7D, 0x32);
const QColor ShowRdo(0x6A, 0x1B, 0x9A);
const QColor ShowPayPeriods(0xE6, 0x51, 0x00);
const QColor CrewColors(0x00, 0x83, 0x8F);
const QColor RdoColor(0xAD, 0x14, 0x57);
const QColor Background(0x5D, 0x40, 0x37);
const QColor LeadingTrailing(0x45, 0x5A, 0x64);
const QColor Title(0x82, 0x77, 0x17);
} // namespace callout

class CalloutPainter {
public:
    CalloutPainter(QImage& picture, const QWidget& page, qreal labelPixels) : m_painter(&picture), m_page(page)
    {
        m_painter.setRenderHint(QPainter::Antialiasing);
        m_painter.setRenderHint(QPainter::TextAntialiasing);
        m_font = QApplication::font();
        m_font.setBold(true);
        m_font.setPixelSize(static_cast<int>(labelPixels));
        m_painter.setFont(m_font);
    }

    // Where a control of the page lies in the picture.
    QRectF on(const QWidget& control) const
    {
        const QRectF local(control.mapTo(&m_page, QPoint(0, 0)), control.size());
        return QRectF(local.topLeft() * PageScale + QPointF(0, TopBand), local.size() * PageScale);
    }

    QSizeF textSize(const QString& text) const
    {
        const QFontMetricsF metrics(m_font);
        return {metrics.horizontalAdvance(text), metrics.height()};
    }

    // A label whose left edge (or centre) and vertical centre are given; returns its box.
    QRectF label(const QString& text, const QColor& colour, QPointF anchor, Qt::Alignment horizontal)
    {
        const QSizeF size = textSize(text);
        QPointF topLeft(anchor.x(), anchor.y() - size.height() / 2);
        if (horizontal & Qt::AlignHCenter)
            topLeft.rx() -= size.width() / 2;
        const QRectF box(topLeft, size);
        m_painter.setPen(colour);
        m_painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, text);
        return box;
    }

    // A line through the points that ends in an arrowhead on the last one.
    void leader(std::vector<QPointF> points, const QColor& colour)
    {
        const QPointF tip = points.back();
        const QPointF from = points[points.size() - 2];
        const QLineF last(from, tip);
        const QPointF unit = (tip - from) / last.length();
        const QPointF normal(-unit.y(), unit.x());
        const QPointF base = tip - unit * ArrowLength;
        points.back() = base + unit * 1.0; // the line ends under the head, not past its tip

        QPen pen(colour, LineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        m_painter.setPen(pen);
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawPolyline(points.data(), static_cast<int>(points.size()));

        const QPointF head[] = {tip, base + normal * ArrowHalfWidth, base - normal * ArrowHalfWidth};
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(colour);
        m_painter.drawPolygon(head, 3);
    }

    void junction(QPointF at, const QColor& colour)
    {
        m_painter.setPen(Qt::NoPen);
        m_painter.setBrush(colour);
        m_painter.drawEllipse(at, LineWidth * 1.6, LineWidth * 1.6);
    }

private:
    QPainter m_painter;
    const QWidget& m_page;
    QFont m_font;
};

// The page as the user sees it, twice its size.
QImage PagePicture(QWidget& page)
{
    QImage image(page.size() * PageScale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(PageScale);
    image.fill(Qt::white);
    page.render(&image);
    image.setDevicePixelRatio(1.0); // one pixel of the picture per pixel drawn
    return image;
}

// The largest label size at which the right-hand column fits beside the controls.
qreal LabelPixelsFor(const QStringList& column, qreal columnWidth)
{
    QFont font = QApplication::font();
    font.setBold(true);
    for (qreal pixels = LargestLabel; pixels > 16; pixels -= 1) {
        font.setPixelSize(static_cast<int>(pixels));
        const QFontMetricsF metrics(font);
        const bool fits = std::all_of(column.begin(), column.end(), [&](const QString& text) {
            return metrics.horizontalAdvance(text) <= columnWidth;
        });
        if (fits)
            return pixels;
    }
    return 16;
}

QImage HelpPicture(TMainForm& w)
{
    QWidget& page = *w.tabSettings;
    QImage picture(PictureSize, QImage::Format_ARGB32);
    picture.fill(Qt::white);
    {
        QPainter painter(&picture);
        painter.drawImage(QPointF(0, TopBand), PagePicture(page));
    }

    // The right-hand column starts beyond the widest control of the rows it labels.
    const auto right = [&](const QWidget& control) {
        const QRectF local(control.mapTo(&page, QPoint(0, 0)), control.size());
        return local.right() * PageScale;
    };
    const qreal columnX = ColumnGap
        + std::max({right(*w.cbPlt), right(*w.swPaydays), right(*w.swDebitDays), right(*w.swPayPeriods),
                    right(*w.bXPlt), right(*w.bBkGr)});
    struct RowCallout {
        const QWidget* control;
        QString text;
        QColor colour;
    };
    const std::vector<RowCallout> rows = {
        {w.cbPlt, QStringLiteral("Shift Assignment"), callout::ShiftAssignment},
        {w.swPaydays, QStringLiteral("Show Paydays"), callout::ShowPaydays},
        {w.swDebitDays, QStringLiteral("Show RDO"), callout::ShowRdo},
        {w.swPayPeriods, QStringLiteral("Show Pay Periods"), callout::ShowPayPeriods},
        {w.bXPlt, QStringLiteral("RDO Color"), callout::RdoColor},
        {w.bBkGr, QStringLiteral("Background"), callout::Background},
    };
    QStringList column{QStringLiteral("Crew Colors")};
    for (const RowCallout& row : rows)
        column << row.text;
    const qreal margin = PictureSize.width() - page.width() * PageScale + 8;
    CalloutPainter draw(picture, page, LabelPixelsFor(column, PictureSize.width() - columnX - margin));

    // Save, above the page.
    const QRectF save = draw.on(*w.bSave);
    const QRectF saveLabel = draw.label(QStringLiteral("Save"), callout::Save,
                                        QPointF(save.center().x(), TopBand / 2.0 - 6), Qt::AlignHCenter);
    draw.leader(
        {QPointF(save.center().x(), saveLabel.bottom() + 4), QPointF(save.center().x(), save.top() - GapToControl)},
        callout::Save);

    // One label beside each control of the right-hand rows.
    for (const RowCallout& row : rows) {
        const QRectF target = draw.on(*row.control);
        const qreal y = target.center().y();
        draw.label(row.text, row.colour, QPointF(columnX, y), Qt::AlignLeft);
        draw.leader({QPointF(columnX - GapToLabel, y), QPointF(target.right() + GapToControl, y)}, row.colour);
    }

    // Crew colours: one label for A and B, its line running between the switches and the
    // colour buttons and dropping onto both.
    const QRectF a = draw.on(*w.bAPlt);
    const QRectF b = draw.on(*w.bBPlt);
    const qreal crewY = (draw.on(*w.swPayPeriods).bottom() + a.top()) / 2;
    draw.label(QStringLiteral("Crew Colors"), callout::CrewColors, QPointF(columnX, crewY), Qt::AlignLeft);
    draw.leader({QPointF(columnX - GapToLabel, crewY), QPointF(a.center().x(), crewY),
                 QPointF(a.center().x(), a.top() - GapToControl)},
                callout::CrewColors);
    draw.leader({QPointF(b.center().x(), crewY), QPointF(b.center().x(), b.top() - GapToControl)}, callout::CrewColors);
    draw.junction(QPointF(b.center().x(), crewY), callout::CrewColors);

    // Title: the agency field names the calendar's title bar; its label sits below it.
    const QRectF agency = draw.on(*w.edAgency);
    const QSizeF titleSize = draw.textSize(QStringLiteral("Title"));
    const QRectF titleLabel =
        draw.label(QStringLiteral("Title"), callout::Title,
                   QPointF(agency.center().x(), agency.bottom() + 56 + titleSize.height() / 2), Qt::AlignHCenter);
    draw.leader({QPointF(agency.center().x(), titleLabel.top() - 4),
                 QPointF(agency.center().x(), agency.bottom() + GapToControl)},
                callout::Title);

    // Leading / trailing colour: its button is boxed in by the others, so the line comes
    // up the free margin on the left and turns onto it.
    const QRectF ldTr = draw.on(*w.bLdTr);
    const qreal laneX = agency.left() / 2;
    const QRectF ldTrLabel = draw.label(QStringLiteral("Leading / Trailing Color"), callout::LeadingTrailing,
                                        QPointF(laneX - LineWidth, titleLabel.bottom() + 48), Qt::AlignLeft);
    draw.leader({QPointF(laneX, ldTrLabel.top() - 4), QPointF(laneX, ldTr.center().y()),
                 QPointF(ldTr.left() - GapToControl, ldTr.center().y())},
                callout::LeadingTrailing);
    return picture;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.png\n", argv[0]);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);

    const auto showcase = tenvik::ShowcaseWindow::Open();
    if (!showcase)
        return 1;
    TMainForm& window = showcase->window();
    window.show();
    window.tabCtrl->setCurrentWidget(window.tabSettings);
    // The page takes the picture's whole width at twice its size; the window is made as
    // much wider as that needs, which only widens the free room right of the controls.
    const QSize page(static_cast<int>(PictureSize.width() / PageScale),
                     static_cast<int>((PictureSize.height() - TopBand) / PageScale));
    window.resize(window.size() + page - window.tabSettings->size());
    QApplication::processEvents();
    if (window.tabSettings->size() != page) {
        std::fprintf(stderr, "the Settings page came out %d x %d, not %d x %d\n", window.tabSettings->width(),
                     window.tabSettings->height(), page.width(), page.height());
        return 1;
    }

    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!HelpPicture(window).save(output, "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
