#include "tools/PictureTool.h"

#include <cstdio>
#include <cstring>

namespace tenvik {
namespace {

// Before the application exists: Qt takes its platform from the environment at start.
QLocale PrepareLocale(const QLocale& locale)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QLocale::setDefault(locale);
    return locale;
}

} // namespace

PictureTool::PictureTool(int& argc, char** argv, const QLocale& locale) : m_app(argc, argv), m_translations(locale)
{
}

std::unique_ptr<PictureTool> PictureTool::Start(int& argc, char** argv, int files, const char* usage, int& exitCode)
{
    const bool languageGiven = argc == files + 3 && std::strcmp(argv[1], "--language") == 0;
    if (argc != files + 1 && !languageGiven) {
        std::fprintf(stderr, "usage: %s [--language LOCALE] %s\n", argv[0], usage);
        exitCode = 2;
        return nullptr;
    }
    const QLocale locale = PrepareLocale(languageGiven ? QLocale(QString::fromLocal8Bit(argv[2]))
                                                       : QLocale(QLocale::English, QLocale::UnitedStates));
    std::unique_ptr<PictureTool> tool(new PictureTool(argc, argv, locale));
    if (languageGiven && tool->m_translations.language().isEmpty()) {
        std::fprintf(stderr, "no translation for %s\n", argv[2]);
        exitCode = 2;
        return nullptr;
    }
    for (int i = argc - files; i < argc; ++i)
        tool->m_outputs << QString::fromLocal8Bit(argv[i]);

    tool->m_showcase = ShowcaseWindow::Open(locale, tool->m_translations.language());
    if (!tool->m_showcase) {
        exitCode = 1;
        return nullptr;
    }
    tool->window().show();
    QApplication::processEvents();
    return tool;
}

} // namespace tenvik
