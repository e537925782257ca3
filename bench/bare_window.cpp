// The baseline of bench/startup: what any Qt program of the calendar's shape costs to
// start, a bare window holding a tab widget with four empty pages, opened at the size the
// calendar opens at and reporting its first frame the same way.
#include "app/FirstFrameReport.h"

#include <QApplication>
#include <QTabWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QTabWidget window;
    window.setWindowTitle(QStringLiteral("Tenvik\u00AE"));
    for (const QString& caption :
         {QStringLiteral("Calendar"), QStringLiteral("Settings"), QStringLiteral("Help"), QStringLiteral("About")})
        window.addTab(new QWidget, caption);
    window.resize(350, 640);
    tenvik::ReportFirstFrameWhenAsked(window);
    window.show();
    return QApplication::exec();
}
