// One main for the window tests: a QApplication drawn offscreen, so no display is needed,
// and a pinned locale, so texts do not depend on the machine.
#include <QApplication>
#include <QFont>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QApplication app(argc, argv);
#ifdef _WIN32
    // On Windows the offscreen platform draws with FreeType at full hinting, which moves
    // small glyphs by a pixel; the texts' fit is checked against the slight hinting that
    // Debian's fontconfig asks for, so both draw the same glyphs.
    if (QGuiApplication::platformName() == QLatin1String("offscreen")) {
        QFont font = QApplication::font();
        font.setHintingPreference(QFont::PreferVerticalHinting);
        QApplication::setFont(font);
    }
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
