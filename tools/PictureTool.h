#pragma once

#include "tools/ShowcaseWindow.h"
#include "translations/Translations.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>

#include <memory>
#include <optional>

namespace tenvik {

// What both picture tools start with: `[--language LOCALE] FILE…` on the command line, Qt
// offscreen, the locale's translation installed and the showcase window shown. US English
// unless a locale is named.
class PictureTool {
public:
    // Nothing, with the reason on stderr, when the command line is wrong (exit code 2) or the
    // window cannot be opened (exit code 1): `exitCode` says which.
    static std::unique_ptr<PictureTool> Start(int& argc, char** argv, int files, const char* usage, int& exitCode);

    TMainForm& window() { return m_showcase->window(); }
    ShowcaseWindow& showcase() { return *m_showcase; }
    // The output files, in the order the command line names them.
    const QStringList& outputs() const { return m_outputs; }

private:
    PictureTool(int& argc, char** argv, const QLocale& locale);

    QApplication m_app;
    Translations m_translations;
    QStringList m_outputs;
    std::unique_ptr<ShowcaseWindow> m_showcase;
};

} // namespace tenvik
