// Draws the Calendar page offscreen on a fixed day, in US English, with group A2 and every
// display switch on, and saves the window as a PNG: the picture in the documentation.
// Usage: tenvik_screenshot OUTPUT.png
#include "app/ShowcaseWindow.h"
#include "ui/Main.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>

#include <cstdio>

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
    tenvik::TMainForm& window = showcase->window();
    window.show();
    QApplication::processEvents();
    const QString output = QString::fromLocal8Bit(argv[1]);
    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", argv[1]);
        return 1;
    }
    return 0;
}
