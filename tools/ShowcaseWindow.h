#pragma once

#include "core/DayNumber.h"
#include "records/Entry.h"
#include "ui/Main.h"

#include <QLocale>
#include <QTemporaryDir>

#include <memory>
#include <vector>

namespace tenvik {

// The window as the documentation's pictures show it: a fixed day, US English unless another
// locale is given (its dates; its texts come from the translation the caller installed),
// group A2 with every display switch on, its settings in a temporary folder that lives as
// long as this object. Failures go to stderr; the programs that use it run from scripts.
class ShowcaseWindow {
public:
    static constexpr CivilDate ShownDay{2026, 12, 10};

    // Nothing when the temporary settings cannot be written. `language` is the installed
    // translation's ("es"), empty for English.
    static std::unique_ptr<ShowcaseWindow> Open(const QLocale& locale = QLocale(QLocale::English,
                                                                                QLocale::UnitedStates),
                                                const QString& language = {});

    TMainForm& window() { return *m_window; }

    // Puts the entries into the window's records, which it then reads and marks as it does
    // once shown. False (said on stderr) when they cannot be written.
    bool recordEntries(const std::vector<records::Entry>& entries);

private:
    ShowcaseWindow() = default;

    QTemporaryDir m_config;
    std::unique_ptr<TMainForm> m_window;
};

} // namespace tenvik
