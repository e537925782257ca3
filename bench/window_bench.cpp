// What the calendar window costs: the start-up to its first painted frame, the refresh
// pass alone, and a month step with the repaint of the whole window, next to a bare window
// of the same size and the same number of child widgets doing the same kind of work, so
// the ratio shows our share.
#include "core/Clock.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"
#include "ui/Main.h"
#include "ui/MainGeometry.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"
#include "ui/widgets/Switch.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using namespace tenvik;

// Today pinned, US English, the settings folder a temporary one.
StartupEnvironment PinnedEnvironment(const QTemporaryDir& config)
{
    StartupEnvironment environment;
    environment.clock = std::make_shared<FixedClock>(CivilDate{2026, 12, 10});
    environment.locale = UsEnglishFormatSettings();
    environment.configBase = config.path().toStdString();
    environment.fileStore = std::make_shared<DiskFileStore>();
    environment.reportError = [](QWidget*, const QString&) {};
    return environment;
}

// The calendar on a fixed day with every label switch on: the busiest grid.
struct CalendarWindow {
    QTemporaryDir config;
    std::unique_ptr<TMainForm> form;

    CalendarWindow()
    {
        form = std::make_unique<TMainForm>(PinnedEnvironment(config));
        form->swPaydays->setChecked(true);
        form->swDebitDays->setChecked(true);
        form->swPayPeriods->setChecked(true);
        form->show();
        Main::RefreshAll();
        QApplication::processEvents();
    }
};

// A child painted as a cell is: a filled, bordered rectangle, or a line of text over it.
class PlainCell : public QWidget {
public:
    PlainCell(QWidget* parent, bool filled) : QWidget(parent), m_filled(filled) {}
    QString text;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        if (m_filled) {
            painter.fillRect(rect(), Qt::white);
            painter.setPen(Qt::gray);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        painter.setPen(Qt::black);
        painter.drawText(rect(), Qt::AlignCenter, text);
    }

private:
    bool m_filled;
};

void BM_RefreshAll(benchmark::State& state)
{
    CalendarWindow window;
    for (auto _ : state)
        Main::RefreshAll();
}
BENCHMARK(BM_RefreshAll)->Unit(benchmark::kMicrosecond);

void BM_MonthStepWithRepaint(benchmark::State& state)
{
    CalendarWindow window;
    const auto children = window.form->findChildren<QWidget*>();
    state.counters["children"] = static_cast<double>(
        std::count_if(children.begin(), children.end(), [](const QWidget* w) { return w->isVisible(); }));
    bool forward = true;
    for (auto _ : state) {
        // Back and forth, so every step changes what the grid shows.
        if (forward)
            window.form->bNextClick();
        else
            window.form->bPrevClick();
        forward = !forward;
        window.form->repaint();
    }
}
BENCHMARK(BM_MonthStepWithRepaint)->Unit(benchmark::kMicrosecond);

// The same size and as many painted children as the calendar window shows, nested three
// deep as its cells are (a filled rectangle, a text in it, a text in that), each changing
// its text and repainting, as every cell may on a month step.
void BM_BareWindowRepaint(benchmark::State& state)
{
    CalendarWindow calendar;
    const auto children = calendar.form->findChildren<QWidget*>();
    const auto shown = std::count_if(children.begin(), children.end(), [](const QWidget* w) { return w->isVisible(); });
    const QSize size = calendar.form->size();
    calendar.form.reset();

    QWidget bare;
    bare.resize(size);
    std::vector<PlainCell*> cells;
    constexpr int Columns = 7;
    const int groups = static_cast<int>((shown + 2) / 3);
    const int rows = (groups + Columns - 1) / Columns;
    const QSize tile(size.width() / Columns, size.height() / rows);
    for (int group = 0; group < groups; ++group) {
        auto* rect = new PlainCell(&bare, true);
        rect->setGeometry(QRect(QPoint(group % Columns * tile.width(), group / Columns * tile.height()), tile));
        auto* number = new PlainCell(rect, false);
        number->setGeometry(rect->rect());
        auto* label = new PlainCell(number, false);
        label->setGeometry(number->rect().marginsRemoved(Main::CellLabelMargins.toMargins()));
        cells.insert(cells.end(), {rect, number, label});
    }
    bare.show();
    QApplication::processEvents();
    int round = 0;
    for (auto _ : state) {
        ++round;
        for (PlainCell* cell : cells)
            cell->text = QString::number(round % 31 + 1);
        bare.repaint();
    }
    state.counters["children"] = static_cast<double>(cells.size());
}
BENCHMARK(BM_BareWindowRepaint)->Unit(benchmark::kMicrosecond);

// Notices the first paint of any widget in one window: the window's whole first frame is
// drawn in the same pass, so once the event loop returns after it the frame is done.
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(QWidget* window) : m_window(window) { qApp->installEventFilter(this); }
    ~FirstPaintWatch() override { qApp->removeEventFilter(this); }

    // Lets events through until the window has painted.
    void wait() const
    {
        while (!m_painted)
            QApplication::processEvents();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->window() == m_window)
            m_painted = true;
        return false;
    }

private:
    QWidget* m_window;
    bool m_painted = false;
};

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the calendar window holds: all its widgets, and those shown on the first page.
struct WidgetCount {
    qsizetype all = 0;
    qsizetype shown = 0;
};

WidgetCount CountCalendarWidgets()
{
    const CalendarWindow calendar;
    const auto children = calendar.form->findChildren<QWidget*>();
    return {children.size(),
            std::count_if(children.begin(), children.end(), [](const QWidget* w) { return w->isVisible(); })};
}

// From nothing to the first painted frame: reading the (absent) settings, building all
// four pages, the first refresh pass, showing and painting. Tearing the window down is
// left out of the time.
void BM_StartupToFirstPaint(benchmark::State& state)
{
    const QTemporaryDir config;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        auto form = std::make_unique<TMainForm>(PinnedEnvironment(config));
        const FirstPaintWatch watch(form.get());
        form->show();
        watch.wait();
        state.SetIterationTime(SecondsSince(start));
        form.reset();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_StartupToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime();

// A bare window of the same size with as many child widgets as the calendar window, as
// many of them shown (in the cells' nesting of three) and the rest made but hidden, as the
// other pages are; built, shown and painted the same way.
void BM_BareWindowStartupToFirstPaint(benchmark::State& state)
{
    const WidgetCount count = CountCalendarWidgets();
    QSize size;
    {
        const CalendarWindow calendar;
        size = calendar.form->size();
    }
    constexpr int Columns = 7;
    const int groups = static_cast<int>((count.shown + 2) / 3);
    const int rows = (groups + Columns - 1) / Columns;
    const QSize tile(size.width() / Columns, size.height() / rows);
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        auto bare = std::make_unique<QWidget>();
        bare->resize(size);
        for (int group = 0; group < groups; ++group) {
            auto* rect = new PlainCell(bare.get(), true);
            rect->setGeometry(QRect(QPoint(group % Columns * tile.width(), group / Columns * tile.height()), tile));
            auto* number = new PlainCell(rect, false);
            number->setGeometry(rect->rect());
            number->text = QString::number(group % 31 + 1);
            auto* label = new PlainCell(number, false);
            label->setGeometry(number->rect().marginsRemoved(Main::CellLabelMargins.toMargins()));
        }
        for (qsizetype hidden = count.all - qsizetype{groups} * 3; hidden > 0; --hidden)
            (new PlainCell(bare.get(), false))->hide();
        const FirstPaintWatch watch(bare.get());
        bare->show();
        watch.wait();
        state.SetIterationTime(SecondsSince(start));
        bare.reset();
        QApplication::processEvents();
    }
    state.counters["children"] = static_cast<double>(count.all);
    state.counters["shown"] = static_cast<double>(count.shown);
}
BENCHMARK(BM_BareWindowStartupToFirstPaint)->Unit(benchmark::kMillisecond)->UseManualTime();

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
