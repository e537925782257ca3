// Opens the calendar window offscreen at the scale the environment asks for
// (QT_SCALE_FACTOR) and prints what a comparison across scales needs, one fact a line:
//   scale <device pixel ratio of the window>
//   window <width> <height>   (logical units)
//   widget <name> <x> <y> <width> <height>   (logical units, relative to the window)
//   grab <device pixel ratio> <pixel width> <pixel height>
//   border <ARGB> <ARGB> <ARGB>   (device pixels from the left edge of one day cell inwards)
//   sextant <device pixel ratio> <pixel width> <pixel height>   (the picture drawn)
//   marks <cell> <x> <y> <width> <height>   (where a day's four marks go, logical units
//                                            in hundredths, relative to the cell; "none")
// The scale can only be chosen before the QApplication exists, so each scale is a
// process of its own; HighDensityTest runs this twice and compares.
#include "tools/ShowcaseWindow.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/PaintTags.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Image.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QTest>

#include <cstdio>

namespace {

constexpr int PlainCell = 12; // 11 December: neither selected nor of another month

QString Hex(QRgb pixel)
{
    return QStringLiteral("%1").arg(pixel, 8, 16, QLatin1Char('0')).toUpper();
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);

    const auto showcase = tenvik::ShowcaseWindow::Open();
    if (!showcase)
        return 1;
    tenvik::TMainForm& window = showcase->window();
    // Every kind of entry on every day shown, so that each day cell has all four marks.
    std::vector<tenvik::records::Entry> entries;
    for (const tenvik::DayNumber day : tenvik::Main::CellDates) {
        for (const auto kind : {tenvik::records::EntryKind::Trade, tenvik::records::EntryKind::Leave,
                                tenvik::records::EntryKind::Extra, tenvik::records::EntryKind::Note}) {
            tenvik::records::Entry entry;
            entry.day = static_cast<int>(day);
            entry.kind = kind;
            entry.colleague = "Dana Ruiz";
            entry.text = "Station 4";
            entries.push_back(entry);
        }
    }
    if (!showcase->recordEntries(entries))
        return 1;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        std::fprintf(stderr, "the window was never shown\n");
        return 1;
    }
    QApplication::processEvents();

    QTextStream out(stdout);
    out << "scale " << window.devicePixelRatioF() << '\n';
    out << "window " << window.width() << ' ' << window.height() << '\n';
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) || widget->window() != &window)
            continue;
        const QPoint at = widget->mapTo(&window, QPoint(0, 0));
        out << "widget " << name << ' ' << at.x() << ' ' << at.y() << ' ' << widget->width() << ' ' << widget->height()
            << '\n';
    }

    const QPixmap grab = window.grab();
    out << "grab " << grab.devicePixelRatio() << ' ' << grab.width() << ' ' << grab.height() << '\n';

    const QImage image = grab.toImage();
    const qreal scale = grab.devicePixelRatio();
    const QRect cell(window.gR[PlainCell]->mapTo(&window, QPoint(0, 0)), window.gR[PlainCell]->size());
    const int row = qRound((cell.top() + cell.height() / 2.0) * scale);
    const int left = qRound(cell.left() * scale);
    out << "border";
    for (int x = left; x < left + 3; ++x)
        out << ' ' << Hex(image.pixel(x, row));
    out << '\n';

    for (int index = 0; index <= tenvik::Main::LastDayCell; ++index) {
        const tenvik::DayCell& day = *window.gR[static_cast<std::size_t>(index)];
        out << "marks " << day.objectName();
        if (const std::optional<QRectF> block = day.marksBlock()) {
            for (const qreal value : {block->x(), block->y(), block->width(), block->height()})
                out << ' ' << qRound(value * 100);
        } else {
            out << " none";
        }
        out << '\n';
    }

    const QPixmap sextant = window.imgSextant->picture();
    out << "sextant " << sextant.devicePixelRatio() << ' ' << sextant.width() << ' ' << sextant.height() << '\n';
    return 0;
}
