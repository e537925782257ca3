#include "print/YearSheet.h"

#include "bridge/QtText.h"
#include "core/DayMarks.h"
#include "core/DayNumber.h"
#include "core/MonthGrid.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <vector>

namespace tenvik {
namespace {

// Lengths in millimetres, font sizes in points.
constexpr qreal PageMargin = 9;
constexpr qreal TitleBand = 9;
constexpr qreal SubtitleBand = 6;
constexpr qreal LegendBand = 8;
constexpr qreal LegendGap = 4;
constexpr qreal MonthColumnGap = 4;
constexpr qreal MonthRowGap = 4;
constexpr qreal MonthTitleBand = 6;
constexpr qreal WeekdayBand = 4;
constexpr qreal CellPadding = 0.6;
constexpr qreal GridLine = 0.15;
constexpr qreal LegendSampleWidth = 8;
constexpr qreal LegendItemGap = 6;
constexpr int MonthColumns = 4;
constexpr int MonthRows = 3;

constexpr qreal TitlePoints = 18;
constexpr qreal SubtitlePoints = 8.5;
constexpr qreal MonthPoints = 10;
constexpr qreal WeekdayPoints = 6.5;
constexpr qreal DayPoints = 8;
constexpr qreal PaydayPoints = 7;
constexpr qreal MarkPoints = 6;
constexpr qreal PayPeriodPoints = 5.5;
constexpr qreal LegendPoints = 7.5;

// A light grey survives any printer and keeps black text readable.
const QColor DutyShade(0xD4, 0xD4, 0xD4);
const QColor GridColor(0x80, 0x80, 0x80);

constexpr const char* PaydayMark = "$";
constexpr const char* OwnRdoMark = "RDO";

// What one cell shows; the legend draws samples with the same routine as the days.
struct CellLook {
    QString number;
    QString mark; // the platoon letter, or the own RDO mark
    bool payday = false;
    QString payPeriod;
    enum class Fill { None, Duty, OwnRdo } fill = Fill::None;
};

CellLook LookOf(DayNumber day, const UserProfile& profile)
{
    const DayMarks marks = MarksFor(day, profile);
    CellLook look;
    look.number = QString::number(CalendarDay(day));
    if (marks.ownRdo)
        look.mark = QString::fromLatin1(OwnRdoMark);
    else if (marks.platoon == ShiftCode::A || marks.platoon == ShiftCode::B)
        look.mark = QChar(static_cast<char16_t>(marks.platoon));
    look.payday = marks.payday;
    if (marks.payPeriodStart)
        look.payPeriod = FromStd(marks.payPeriodLabel);
    if (marks.ownRdo)
        look.fill = CellLook::Fill::OwnRdo;
    else if (marks.onDuty)
        look.fill = CellLook::Fill::Duty;
    return look;
}

class SheetPainter {
    Q_DECLARE_TR_FUNCTIONS(YearSheet)

public:
    SheetPainter(QPainter& painter, const QRectF& page, int year, const UserProfile& profile,
                 const FormatSettings& locale)
        : m_painter(painter), m_page(page), m_year(year), m_profile(profile), m_locale(locale),
          m_unitsPerMm(painter.device()->logicalDpiX() / 25.4)
    {
    }

    // Text is drawn in reading order: heading, legend, then each month day by day, so a
    // text extraction of the page reads like the page.
    void paint()
    {
        const QRectF inner = m_page.adjusted(mm(PageMargin), mm(PageMargin), -mm(PageMargin), -mm(PageMargin));
        paintHeading(QRectF(inner.topLeft(), QSizeF(inner.width(), mm(TitleBand + SubtitleBand))));
        paintLegend(QRectF(inner.left(), inner.bottom() - mm(LegendBand), inner.width(), mm(LegendBand)));
        const QRectF months(inner.left(), inner.top() + mm(TitleBand + SubtitleBand + LegendGap), inner.width(),
                            inner.height() - mm(TitleBand + SubtitleBand + LegendBand + 2 * LegendGap));
        paintMonths(months);
    }

private:
    qreal mm(qreal length) const { return length * m_unitsPerMm; }

    QFont font(qreal points, bool bold) const
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setStyleHint(QFont::SansSerif);
        // No ligatures: "official" stays six letters when the page is searched or read aloud.
        f.setStyleStrategy(QFont::PreferNoShaping);
        f.setPointSizeF(points);
        f.setBold(bold);
        return f;
    }

    void text(const QRectF& box, int flags, const QString& content, qreal points, bool bold,
              const QColor& ink = Qt::black)
    {
        m_painter.setFont(font(points, bold));
        m_painter.setPen(ink);
        m_painter.drawText(box, flags, content);
    }

    qreal textWidth(const QString& content, qreal points, bool bold) const
    {
        return QFontMetricsF(font(points, bold), m_painter.device()).horizontalAdvance(content);
    }

    void paintHeading(const QRectF& band)
    {
        const QRectF title(band.left(), band.top(), band.width(), mm(TitleBand));
        text(title, Qt::AlignLeft | Qt::AlignVCenter, FromStd(ProfileTitle(m_profile)), TitlePoints, true);
        text(title, Qt::AlignRight | Qt::AlignVCenter, QString::number(m_year), TitlePoints, true);

        QString group = tr("No RDO group chosen");
        if (const auto platoon = m_profile.Platoon()) {
            //: %1: the assignment group ("A2"), %2: its platoon letter ("A")
            group = tr("Group %1, %2 platoon").arg(FromStd(m_profile.group), QChar::fromLatin1(*platoon));
        }
        //: %1: the first day of the first pay period, as a short date
        const QString subtitle = group + QStringLiteral("  \u00B7  ")
            + tr("Pay periods counted from %1").arg(FromStd(FormatShortDate(m_profile.payPeriodStart, m_locale)));
        const QRectF below(band.left(), title.bottom(), band.width(), mm(SubtitleBand));
        text(below, Qt::AlignLeft | Qt::AlignVCenter, subtitle, SubtitlePoints, false);
        text(below, Qt::AlignRight | Qt::AlignVCenter,
             tr("For information only: the department's official roster prevails."), SubtitlePoints, false);
    }

    void paintLegend(const QRectF& band)
    {
        struct Item {
            CellLook sample;
            QString caption;
        };
        std::vector<Item> items;
        items.push_back({CellLook{{}, QStringLiteral("A"), false, {}, CellLook::Fill::None}, tr("A platoon on duty")});
        items.push_back({CellLook{{}, QStringLiteral("B"), false, {}, CellLook::Fill::None}, tr("B platoon on duty")});
        if (const auto platoon = m_profile.Platoon()) {
            items.push_back({CellLook{{}, QString(QChar::fromLatin1(*platoon)), false, {}, CellLook::Fill::Duty},
                             tr("Shaded: you are on duty")});
            items.push_back({CellLook{{}, QString::fromLatin1(OwnRdoMark), false, {}, CellLook::Fill::OwnRdo},
                             //: %1: the user's assignment group, "A2"
                             tr("Your RDO (%1)").arg(FromStd(m_profile.group))});
        }
        items.push_back({CellLook{{}, {}, true, {}, CellLook::Fill::None}, tr("Payday")});
        items.push_back({CellLook{{}, {}, false, FromStd(PayPeriodLabelOf(1)), CellLook::Fill::None},
                         tr("First day of a pay period")});

        const qreal sampleHeight = std::min(band.height(), mm(6));
        qreal x = band.left();
        for (const Item& item : items) {
            const QRectF sample(x, band.top() + (band.height() - sampleHeight) / 2, mm(LegendSampleWidth),
                                sampleHeight);
            paintCell(sample, item.sample);
            x = sample.right() + mm(1.5);
            const qreal width = textWidth(item.caption, LegendPoints, false);
            text(QRectF(x, band.top(), width + mm(1), band.height()), Qt::AlignLeft | Qt::AlignVCenter, item.caption,
                 LegendPoints, false);
            x += width + mm(LegendItemGap);
        }
    }

    void paintMonths(const QRectF& area)
    {
        const qreal width = (area.width() - (MonthColumns - 1) * mm(MonthColumnGap)) / MonthColumns;
        const qreal height = (area.height() - (MonthRows - 1) * mm(MonthRowGap)) / MonthRows;
        for (int month = 1; month <= 12; ++month) {
            const int column = (month - 1) % MonthColumns;
            const int row = (month - 1) / MonthColumns;
            paintMonth(QRectF(area.left() + column * (width + mm(MonthColumnGap)),
                              area.top() + row * (height + mm(MonthRowGap)), width, height),
                       month);
        }
    }

    void paintMonth(const QRectF& box, int month)
    {
        const auto index = static_cast<std::size_t>(month - 1);
        text(QRectF(box.left(), box.top(), box.width(), mm(MonthTitleBand)), Qt::AlignLeft | Qt::AlignVCenter,
             FromStd(m_locale.LongMonthNames[index]), MonthPoints, true);

        const qreal cellWidth = box.width() / GridColumns;
        const qreal weekdayTop = box.top() + mm(MonthTitleBand);
        for (int column = 0; column < GridColumns; ++column) {
            text(QRectF(box.left() + column * cellWidth, weekdayTop, cellWidth, mm(WeekdayBand)), Qt::AlignCenter,
                 FromStd(m_locale.ShortDayNames[static_cast<std::size_t>(column)]), WeekdayPoints, false);
        }

        const qreal gridTop = weekdayTop + mm(WeekdayBand);
        const qreal cellHeight = (box.bottom() - gridTop) / GridRows;
        const DayNumber first = EncodeDate(m_year, month, 1);
        const int leadingDays = WeekdayIndex(first) - 1;
        for (int day = 1; day <= DaysInMonth(m_year, month); ++day) {
            const int cell = leadingDays + day - 1;
            const QRectF rect(box.left() + (cell % GridColumns) * cellWidth,
                              gridTop + (cell / GridColumns) * cellHeight, cellWidth, cellHeight);
            paintCell(rect, LookOf(first + day - 1, m_profile));
        }
    }

    void paintCell(const QRectF& rect, const CellLook& look)
    {
        QColor ink = Qt::black;
        if (look.fill == CellLook::Fill::OwnRdo) {
            m_painter.fillRect(rect, Qt::black);
            ink = Qt::white;
        } else if (look.fill == CellLook::Fill::Duty) {
            m_painter.fillRect(rect, DutyShade);
        }
        m_painter.setPen(QPen(GridColor, mm(GridLine)));
        m_painter.setBrush(Qt::NoBrush);
        m_painter.drawRect(rect);

        const QRectF inside =
            rect.adjusted(mm(CellPadding), mm(CellPadding / 2), -mm(CellPadding), -mm(CellPadding / 2));
        const QString payday = look.payday ? QString::fromLatin1(PaydayMark) : QString();
        const bool markBold = look.fill != CellLook::Fill::None;
        const qreal gap = mm(CellPadding);

        // The pay-period label shares the bottom row with the mark. Where "RDO" leaves it
        // no room it goes up beside the day number and the payday mark comes down; on
        // narrow paper it is made as small as it must be to stay inside its cell.
        bool periodOnTop = false;
        qreal periodPoints = PayPeriodPoints;
        if (!look.payPeriod.isEmpty()) {
            const qreal width = textWidth(look.payPeriod, PayPeriodPoints, false);
            const qreal bottomRoom =
                inside.width() - (look.mark.isEmpty() ? 0 : textWidth(look.mark, MarkPoints, markBold) + gap);
            if (width > bottomRoom) {
                periodOnTop = true;
                const qreal topRoom = inside.width() - textWidth(look.number, DayPoints, true) - gap;
                periodPoints = std::clamp<qreal>(PayPeriodPoints * topRoom / width, 1, PayPeriodPoints);
            }
        }
        const Qt::Alignment periodRow = periodOnTop ? Qt::AlignTop : Qt::AlignBottom;
        const Qt::Alignment paydayRow = periodOnTop ? Qt::AlignBottom : Qt::AlignTop;
        if (!look.number.isEmpty())
            text(inside, Qt::AlignLeft | Qt::AlignTop, look.number, DayPoints, true, ink);
        if (!payday.isEmpty())
            text(inside, Qt::AlignRight | paydayRow, payday, PaydayPoints, true, ink);
        if (!look.mark.isEmpty())
            text(inside, Qt::AlignLeft | Qt::AlignBottom, look.mark, MarkPoints, markBold, ink);
        if (!look.payPeriod.isEmpty())
            text(inside, Qt::AlignRight | periodRow, look.payPeriod, periodPoints, false, ink);
    }

    QPainter& m_painter;
    QRectF m_page;
    int m_year;
    const UserProfile& m_profile;
    const FormatSettings& m_locale;
    qreal m_unitsPerMm;
};

} // namespace

Paper PaperForLocale(const QLocale& locale)
{
    if (locale.measurementSystem() == QLocale::ImperialUSSystem)
        return Paper::Letter;
    const QString name = locale.name(); // "en_US", "fr_CA"
    return PaperForLocaleName(name.toStdString()).value_or(Paper::A4);
}

Paper UserPaper()
{
    return PaperFromEnvironment().value_or(PaperForLocale(QLocale::system()));
}

QPageSize PageSizeOf(Paper paper)
{
    return QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4);
}

void PaintYearSheet(QPainter& painter, const QRectF& page, int year, const UserProfile& profile,
                    const FormatSettings& locale)
{
    SheetPainter(painter, page, year, profile, locale).paint();
}

QByteArray YearSheetPdf(int year, const UserProfile& profile, const FormatSettings& locale, const QPageSize& pageSize)
{
    QByteArray document;
    QBuffer buffer(&document);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageSize(pageSize);
        writer.setPageOrientation(QPageLayout::Landscape);
        writer.setPageMargins(QMarginsF(0, 0, 0, 0));
        writer.setTitle(FromStd(ProfileTitle(profile)) + u' ' + QString::number(year));
        writer.setCreator(QStringLiteral("Tenvik"));
        QPainter painter(&writer);
        PaintYearSheet(painter, QRectF(0, 0, writer.width(), writer.height()), year, profile, locale);
    }
    return document;
}

} // namespace tenvik
