// Draws the Calendar page offscreen on a fixed day, with group A2 and every display switch
// on, and saves the window as a PNG: the pictures in the documentation. In US English unless
// --language names a locale, whose dates and translation the window then shows.
// Usage: tenvik_screenshot [--language es_ES] OUTPUT.png
#include "tools/ShowcaseWindow.h"
#include "translations/Translations.h"
#include "ui/Main.h"

#include <QApplication>
#include <QLocale>
#include <QPixmap>

#include <cstdio>
#include <cstring>

int main(int argc, char* argv[])
{
    const bool languageGiven = argc == 4 && std::strcmp(argv[1], "--language") == 0;
    if (argc != 2 && !languageGiven) {
        std::fprintf(stderr, "usage: %s [--language LOCALE] OUTPUT.png\n", argv[0]);
        return 2;
    }
    const QLocale locale =
        languageGiven ? QLocale(QString::fromLocal8Bit(argv[2])) : QLocale(QLocale::English, QLocale::UnitedStates);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(locale);
    QApplication app(argc, argv);
    const tenvik::Translations translations(locale);
    if (languageGiven && translations.language().isEmpty()) {
        std::fprintf(stderr, "no translation for %s\n", argv[2]);
        return 2;
    }

    const auto showcase = tenvik::ShowcaseWindow::Open(locale, translations.language());
    if (!showcase)
        return 1;
    tenvik::TMainForm& window = showcase->window();
    window.show();
    QApplication::processEvents();
    const QString output = QString::fromLocal8Bit(argv[argc - 1]);
    if (!window.grab().save(output, "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", argv[argc - 1]);
        return 1;
    }
    return 0;
}
