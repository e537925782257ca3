// Draws the Help page's two pictures from the real window (group A2, every display switch
// on, the default agency, 10 December 2026, one entry of each kind on four days), each page
// drawn at twice its size:
// - the Settings page with a coloured callout tied to each control;
// - the key to the Calendar page: numbered marks on the days, the status line, the
//   buttons and the right-click menu, and below the page what each number means.
// Run it again whenever either page changes.
// With --language, in that locale's dates and translation (the callouts too).
// Usage: tenvik_helppicture [--language es_ES] SETTINGS.png CALENDAR.png
#include "core/DayMarks.h"
#include "records/Entry.h"
#include "tools/PictureTool.h"
#include "ui/Main.h"
#include "ui/MainAccessibility.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/PaintTags.h"
#include "ui/widgets/ComboBox.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/Switch.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/Text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QSpinBox>
#include <QTextOption>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <optional>
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
const QColor EntryMarks(0x00, 0x69, 0x5C);
const QColor ShiftHours(0x28, 0x35, 0x93);
} // namespace callout

QString Translated(const char* text)
{
    return QCoreApplication::translate("HelpPicture", text);
}

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
                    right(*w.bXPlt), right(*w.bBkGr), right(*w.swEntryMarks), right(*w.spnShiftHours)});
    struct RowCallout {
        const QWidget* control;
        QString text;
        QColor colour;
    };
    const std::vector<RowCallout> rows = {
        {w.cbPlt, Translated(QT_TRANSLATE_NOOP("HelpPicture", "Shift Assignment")), callout::ShiftAssignment},
        {w.swPaydays, Translated(QT_TRANSLATE_NOOP("HelpPicture", "Show Paydays")), callout::ShowPaydays},
        {w.swDebitDays, Translated(QT_TRANSLATE_NOOP("HelpPicture", "Show RDO")), callout::ShowRdo},
        {w.swPayPeriods, Translated(QT_TRANSLATE_NOOP("HelpPicture", "Show Pay Periods")), callout::ShowPayPeriods},
        {w.bXPlt, Translated(QT_TRANSLATE_NOOP("HelpPicture", "RDO Color")), callout::RdoColor},
        {w.bBkGr, Translated(QT_TRANSLATE_NOOP("HelpPicture", "Background")), callout::Background},
        {w.swEntryMarks, Translated(QT_TRANSLATE_NOOP("HelpPicture", "Show Entry Marks")), callout::EntryMarks},
        {w.spnShiftHours, Translated(QT_TRANSLATE_NOOP("HelpPicture", "Shift Length")), callout::ShiftHours},
    };
    const QString crewColors = Translated(QT_TRANSLATE_NOOP("HelpPicture", "Crew Colors"));
    const QString saveText = Translated(QT_TRANSLATE_NOOP("HelpPicture", "Save"));
    const QString titleText = Translated(QT_TRANSLATE_NOOP("HelpPicture", "Title"));
    const QString ldTrText = Translated(QT_TRANSLATE_NOOP("HelpPicture", "Leading / Trailing Color"));
    QStringList column{crewColors};
    for (const RowCallout& row : rows)
        column << row.text;
    const qreal margin = PictureSize.width() - page.width() * PageScale + 8;
    // The leading / trailing label lies between the rows of the buttons and of the agency
    // field, so it may start right of those, left of the column; in a longer language it,
    // too, may set the size.
    const qreal ldTrX = ColumnGap + std::max(right(*w.bBkGr), right(*w.edAgency));
    const qreal labelPixels = std::min(LabelPixelsFor(column, PictureSize.width() - columnX - margin),
                                       LabelPixelsFor({ldTrText}, PictureSize.width() - ldTrX - margin));
    CalloutPainter draw(picture, page, labelPixels);

    // Save, above the page.
    const QRectF save = draw.on(*w.bSave);
    const QRectF saveLabel =
        draw.label(saveText, callout::Save, QPointF(save.center().x(), TopBand / 2.0 - 6), Qt::AlignHCenter);
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
    draw.label(crewColors, callout::CrewColors, QPointF(columnX, crewY), Qt::AlignLeft);
    draw.leader({QPointF(columnX - GapToLabel, crewY), QPointF(a.center().x(), crewY),
                 QPointF(a.center().x(), a.top() - GapToControl)},
                callout::CrewColors);
    draw.leader({QPointF(b.center().x(), crewY), QPointF(b.center().x(), b.top() - GapToControl)}, callout::CrewColors);
    draw.junction(QPointF(b.center().x(), crewY), callout::CrewColors);

    // Title: the agency field names the calendar's title bar; its label sits beside it, as
    // the rows' do, since the pay-period link takes the room below it.
    const QRectF agency = draw.on(*w.edAgency);
    draw.label(titleText, callout::Title, QPointF(columnX, agency.center().y()), Qt::AlignLeft);
    draw.leader({QPointF(columnX - GapToLabel, agency.center().y()),
                 QPointF(agency.right() + GapToControl, agency.center().y())},
                callout::Title);

    // Leading / trailing colour: its button is boxed in by the others, so its label sits
    // between the background's and the title's, and its line runs below the buttons and
    // rises onto it.
    const QRectF ldTr = draw.on(*w.bLdTr);
    const qreal ldTrY = (ldTr.bottom() + agency.top()) / 2;
    draw.label(ldTrText, callout::LeadingTrailing, QPointF(ldTrX, ldTrY), Qt::AlignLeft);
    draw.leader({QPointF(ldTrX - GapToLabel, ldTrY), QPointF(ldTr.center().x(), ldTrY),
                 QPointF(ldTr.center().x(), ldTr.bottom() + GapToControl)},
                callout::LeadingTrailing);
    return picture;
}

// The key to the Calendar page: the page at twice its size with a numbered mark beside
// each thing worth knowing, and the meaning of every number below it.
const QColor MarkColour(0x26, 0x32, 0x38);
constexpr int KeyWidth = 761;
constexpr qreal MarkRadius = 17.0;
constexpr qreal KeyTextPixels = 27.0;
constexpr qreal KeyMargin = 24.0;
constexpr qreal KeyLineGap = 10.0;

// The days of the shown month that carry an entry in the key, one kind each, clear of the
// days the other numbers point at and of the menu.
struct MarkedDay {
    int day; // of December 2026
    tenvik::records::EntryKind kind;
    const char* text;
};
const MarkedDay MarkedDays[] = {
    {15, tenvik::records::EntryKind::Trade,
     QT_TRANSLATE_NOOP("HelpPicture",
                       "\u25C6 A trade: you worked for a colleague, or one for you. "
                       "Double-click a day for its entries")},
    {17, tenvik::records::EntryKind::Leave,
     QT_TRANSLATE_NOOP("HelpPicture", "\u25CF Leave: vacation, sick, compensatory, holiday or other")},
    {22, tenvik::records::EntryKind::Extra,
     QT_TRANSLATE_NOOP("HelpPicture", "\u25B2 Extra hours: overtime or a callback")},
    {24, tenvik::records::EntryKind::Note, QT_TRANSLATE_NOOP("HelpPicture", "\u25A0 A note")},
};

std::vector<tenvik::records::Entry> MarkedDayEntries()
{
    std::vector<tenvik::records::Entry> entries;
    for (const MarkedDay& marked : MarkedDays) {
        tenvik::records::Entry entry;
        entry.day = static_cast<int>(tenvik::WholeDay(tenvik::EncodeDate(2026, 12, marked.day)));
        entry.kind = marked.kind;
        entry.colleague = "Dana Ruiz";
        entry.hours = tenvik::records::Hours::Whole(marked.kind == tenvik::records::EntryKind::Note ? 0 : 12);
        entry.text = marked.kind == tenvik::records::EntryKind::Note ? "Station 4" : "";
        entries.push_back(entry);
    }
    return entries;
}

struct KeyEntry {
    QPointF mark; // where its number sits, in the picture
    QString text;
};

class CalendarKey {
public:
    explicit CalendarKey(TMainForm& w) : m_w(w), m_page(*w.tabCalendar) {}

    QImage draw()
    {
        const QImage page = PagePicture(m_page);
        m_pageOrigin = QPointF((KeyWidth - page.width()) / 2.0, KeyMargin);
        collectEntries();

        QFont text = QApplication::font();
        text.setPixelSize(static_cast<int>(KeyTextPixels));
        const qreal textLeft = KeyMargin + 2 * MarkRadius + 14;
        const qreal textWidth = KeyWidth - textLeft - KeyMargin;
        const QFontMetricsF metrics(text);
        qreal keyHeight = 0;
        for (const KeyEntry& entry : m_entries)
            keyHeight += TextHeight(metrics, entry.text, textWidth) + KeyLineGap;

        const qreal keyTop = m_pageOrigin.y() + page.height() + KeyMargin;
        QImage picture(KeyWidth, static_cast<int>(std::ceil(keyTop + keyHeight + KeyMargin)), QImage::Format_ARGB32);
        picture.fill(Qt::white);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.drawImage(m_pageOrigin, page);
        painter.setPen(QPen(QColor(0xB0, 0xBE, 0xC5), 2));
        painter.drawRect(QRectF(m_pageOrigin, QSizeF(page.size())).adjusted(-1, -1, 1, 1));
        drawMenu(painter);

        int number = 1;
        qreal y = keyTop;
        for (const KeyEntry& entry : m_entries) {
            Mark(painter, entry.mark, number);
            const qreal height = TextHeight(metrics, entry.text, textWidth);
            Mark(painter, QPointF(KeyMargin + MarkRadius, y + metrics.height() / 2), number);
            painter.setFont(text);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(textLeft, y, textWidth, height), Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop,
                             entry.text);
            y += height + KeyLineGap;
            ++number;
        }
        return picture;
    }

private:
    static qreal TextHeight(const QFontMetricsF& metrics, const QString& text, qreal width)
    {
        return metrics.boundingRect(QRectF(0, 0, width, 10000), Qt::TextWordWrap, text).height();
    }

    static void Mark(QPainter& painter, QPointF at, int number)
    {
        painter.setPen(QPen(Qt::white, 3));
        painter.setBrush(MarkColour);
        painter.drawEllipse(at, MarkRadius, MarkRadius);
        QFont font = QApplication::font();
        font.setBold(true);
        font.setPixelSize(static_cast<int>(MarkRadius * 1.15));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(at - QPointF(MarkRadius, MarkRadius), QSizeF(2 * MarkRadius, 2 * MarkRadius)),
                         Qt::AlignCenter, QString::number(number));
    }

    // Where a widget of the page lies in the picture.
    QRectF on(const QWidget& widget) const
    {
        const QRectF local(widget.mapTo(&m_page, QPoint(0, 0)), widget.size());
        return QRectF(m_pageOrigin + local.topLeft() * PageScale, local.size() * PageScale);
    }

    // A cell's mark sits on its right edge halfway down, between the number at the top
    // left and the label at the bottom right, so that it hides neither.
    QPointF besideCell(int cell) const
    {
        const QRectF r = on(*m_w.gR[static_cast<std::size_t>(cell)]);
        return {r.right(), r.center().y()};
    }

    // The first day of the month shown that matches, away from where the menu is drawn.
    std::optional<int> firstCell(const std::function<bool(const tenvik::DayMarks&, int cell)>& matches) const
    {
        using namespace tenvik::Main;
        for (int cell = 0; cell <= LastDayCell; ++cell) {
            const tenvik::DayNumber day = CellDates[static_cast<std::size_t>(cell)];
            if (!tenvik::SameMonthNumber(day, CurrentDate) || tenvik::SameDay(day, CurrentDate)
                || on(*m_w.gR[static_cast<std::size_t>(cell)]).intersects(menuRect()))
                continue;
            if (matches(MarksOf(day), cell))
                return cell;
        }
        return std::nullopt;
    }

    static int cellOf(int dayOfDecember)
    {
        const tenvik::DayNumber day = tenvik::EncodeDate(2026, 12, dayOfDecember);
        const auto& dates = tenvik::Main::CellDates;
        return static_cast<int>(std::find(dates.begin(), dates.end(), day) - dates.begin());
    }

    void addCell(std::optional<int> cell, const char* text)
    {
        if (cell)
            m_entries.push_back({besideCell(*cell), Translated(text)});
    }

    void addControl(const QWidget& control, const char* text)
    {
        const QRectF r = on(control);
        m_entries.push_back({QPointF(r.right() - MarkRadius, r.top()), Translated(text)});
    }

    void collectEntries()
    {
        using tenvik::DayMarks;
        using tenvik::ShiftCode;
        const auto plain = [](const DayMarks& m) { return !m.payday && !m.payPeriodStart; };
        std::vector<int> used;
        for (const MarkedDay& marked : MarkedDays)
            used.push_back(cellOf(marked.day));
        const auto unused = [&used](int cell) { return std::find(used.begin(), used.end(), cell) == used.end(); };
        const auto pick = [&](const std::function<bool(const DayMarks&)>& matches) {
            const std::optional<int> cell =
                firstCell([&](const DayMarks& m, int c) { return unused(c) && matches(m); });
            if (cell)
                used.push_back(*cell);
            return cell;
        };
        addCell(pick([&](const DayMarks& m) { return m.shift == ShiftCode::A && plain(m); }),
                QT_TRANSLATE_NOOP("HelpPicture", "A platoon on duty: the day number in the A colour"));
        addCell(pick([&](const DayMarks& m) { return m.shift == ShiftCode::B && plain(m); }),
                QT_TRANSLATE_NOOP("HelpPicture", "B platoon on duty: the day number in the B colour"));
        addCell(pick([](const DayMarks& m) { return m.ownRdo; }),
                QT_TRANSLATE_NOOP("HelpPicture", "Your RDO: the day number in the RDO colour"));
        addCell(pick([](const DayMarks& m) { return m.payday; }),
                QT_TRANSLATE_NOOP("HelpPicture", "Payday: the day number underlined"));

        // The labels in the corners: the mark goes left of the label's line.
        const auto beforeLabelLine = [&](int cell, int linesFromBottom) {
            const QRectF r = on(*m_w.gR[static_cast<std::size_t>(cell)]);
            const qreal line = m_w.gX[static_cast<std::size_t>(cell)]->fontSize() * PageScale * 1.2;
            return QPointF(r.left() + MarkRadius + 4, r.bottom() - 4 - line * (linesFromBottom + 0.5));
        };
        if (const std::optional<int> cell = pick([&](const DayMarks& m) { return plain(m); })) {
            m_entries.push_back(
                {beforeLabelLine(*cell, 0),
                 Translated(QT_TRANSLATE_NOOP("HelpPicture", "RDO group that has its RDO that day (Show RDOs)"))});
        }
        if (const std::optional<int> cell = pick([](const DayMarks& m) { return m.payPeriodStart; })) {
            m_entries.push_back(
                {beforeLabelLine(*cell, 1),
                 Translated(QT_TRANSLATE_NOOP("HelpPicture", "A pay period begins: PP1 to PP26 (Pay Periods)"))});
        }

        for (const MarkedDay& marked : MarkedDays)
            addCell(cellOf(marked.day), marked.text);
        addCell(tenvik::Main::SelectedCell(),
                QT_TRANSLATE_NOOP("HelpPicture", "The selected day, filled with its colour"));
        // A day of the month before with no pay-period label in the way.
        for (int cell = 0; cell < tenvik::GridColumns; ++cell) {
            const tenvik::DayNumber day = tenvik::Main::CellDates[static_cast<std::size_t>(cell)];
            if (!tenvik::SameMonthNumber(day, tenvik::Main::CurrentDate)
                && !tenvik::Main::MarksOf(day).payPeriodStart) {
                addCell(cell, QT_TRANSLATE_NOOP("HelpPicture", "Days of the months before and after"));
                break;
            }
        }
        m_entries.push_back({besideCell(tenvik::Main::LegendA),
                             Translated(QT_TRANSLATE_NOOP("HelpPicture", "The legend: the A and B colours"))});
        addControl(*m_w.lblStatus,
                   QT_TRANSLATE_NOOP("HelpPicture",
                                     "Status line: the selected day's date, the pay period that begins "
                                     "on it, its RDO group, and * on your RDO"));
        // Right of the line's date, between it and the date field.
        const QRectF status = on(*m_w.lblStatus);
        const QString firstLine = m_w.lblStatus->text().section(u'\n', 0, 0);
        const qreal dateWidth = QFontMetricsF(m_w.lblStatus->font()).horizontalAdvance(firstLine) * PageScale;
        m_entries.back().mark = QPointF(status.center().x() + dateWidth / 2 + MarkRadius + 6, status.center().y());
        addControl(*m_w.bToday, QT_TRANSLATE_NOOP("HelpPicture", "Today: back to today"));
        addControl(*m_w.deDate, QT_TRANSLATE_NOOP("HelpPicture", "Go to any date from 1901 to 2060"));
        m_entries.push_back({menuRect().topRight() + QPointF(-MarkRadius, 0),
                             Translated(QT_TRANSLATE_NOOP("HelpPicture",
                                                          "Right-click a day: Export to Calendar\u2026 "
                                                          "saves your days for a calendar program, "
                                                          "Print Year\u2026 prints the year on one page"))});
    }

    // The right-click menu, as it opens over the grid from the middle of a day.
    QImage menuPicture() const
    {
        QMenu& menu = *m_w.pmCalendar;
        menu.ensurePolished();
        menu.adjustSize();
        QImage image(menu.size() * PageScale, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(PageScale);
        image.fill(Qt::white);
        menu.render(&image);
        image.setDevicePixelRatio(1.0);
        return image;
    }

    QRectF menuRect() const
    {
        const QRectF from = on(*m_w.gR[MenuCell]);
        return QRectF(from.center(), QSizeF(menuPicture().size()));
    }

    void drawMenu(QPainter& painter) const
    {
        const QImage menu = menuPicture();
        const QRectF at = menuRect();
        painter.save();
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(0, 0, 0, 60)); // a shadow lifts it off the page
        painter.drawRect(at.translated(6, 6));
        painter.drawImage(at.topLeft(), menu);
        painter.setPen(QPen(QColor(0x90, 0x90, 0x90), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(at);
        // The pointer that opened it.
        QPainterPath pointer;
        const QPointF tip = at.topLeft();
        pointer.moveTo(tip);
        pointer.lineTo(tip + QPointF(0, 34));
        pointer.lineTo(tip + QPointF(9, 26));
        pointer.lineTo(tip + QPointF(16, 40));
        pointer.lineTo(tip + QPointF(22, 37));
        pointer.lineTo(tip + QPointF(15, 24));
        pointer.lineTo(tip + QPointF(26, 24));
        pointer.closeSubpath();
        painter.setPen(QPen(Qt::white, 2));
        painter.setBrush(Qt::black);
        painter.drawPath(pointer);
        painter.restore();
    }

    static constexpr int MenuCell = 29; // row 4: the menu opens from the middle of this day

    TMainForm& m_w;
    QWidget& m_page;
    QPointF m_pageOrigin;
    std::vector<KeyEntry> m_entries;
};

} // namespace

int main(int argc, char* argv[])
{
    int exitCode = 0;
    const auto tool = tenvik::PictureTool::Start(argc, argv, 2, "SETTINGS.png CALENDAR.png", exitCode);
    if (!tool)
        return exitCode;
    TMainForm& window = tool->window();
    const QString& output = tool->outputs()[0];
    const QString& calendarOutput = tool->outputs()[1];
    if (!tool->showcase().recordEntries(MarkedDayEntries()))
        return 1;

    // The Calendar page at the size the window opens at.
    if (!CalendarKey(window).draw().save(calendarOutput, "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(calendarOutput));
        return 1;
    }

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

    if (!HelpPicture(window).save(output, "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(output));
        return 1;
    }
    return 0;
}
