// Draws the Calendar page offscreen on a fixed day, with group A2 and every display switch
// on, and saves the window as a PNG: the pictures in the documentation. In US English unless
// --language names a locale, whose dates and translation the window then shows.
// Usage: tenvik_screenshot [--language es_ES] OUTPUT.png
#include "tools/PictureTool.h"

#include <QPixmap>

#include <cstdio>

int main(int argc, char* argv[])
{
    int exitCode = 0;
    const auto tool = tenvik::PictureTool::Start(argc, argv, 1, "OUTPUT.png", exitCode);
    if (!tool)
        return exitCode;
    if (!tool->window().grab().save(tool->outputs()[0], "PNG")) {
        std::fprintf(stderr, "cannot save %s\n", qPrintable(tool->outputs()[0]));
        return 1;
    }
    return 0;
}
