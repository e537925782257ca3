#pragma once

// The checks the window tests share come with the fixture.
#include "QStringPrinter.h"
#include "TextClipping.h"

#include "bridge/FilePath.h"
#include "core/Clock.h"
#include "core/DayNumber.h"
#include "records/RecordsFile.h"
#include "settings/FileStore.h"
#include "settings/LocaleDate.h"
#include "ui/Main.h"
#include "ui/MainState.h"
#include "ui/MainUnit.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace tenvik::test {

// A Thursday; its month starts on a Tuesday, so the 10th is cell 11.
inline constexpr CivilDate PinnedToday{2026, 12, 10};

inline DayNumber Day(int year, int month, int day)
{
    return EncodeDate(year, month, day);
}

inline const DayNumber Today = Day(2026, 12, 10);

// The grid cell that shows a day of the present grid; -1 when it is not shown.
inline int CellOf(DayNumber date)
{
    const auto it = std::find(Main::CellDates.begin(), Main::CellDates.end(), date);
    return it == Main::CellDates.end() ? -1 : static_cast<int>(it - Main::CellDates.begin());
}

// Selects a day as the navigation handlers do.
inline void GoTo(DayNumber date)
{
    Main::CurrentDate = date;
    Main::UpdateView();
}

// A fresh window per test: today pinned, US English, a settings folder of its own.
class WindowTest : public ::testing::Test {
protected:
    enum class Show { No, Yes };

    // Puts a settings file where the window will look for it.
    void writeSettings(std::string_view ini)
    {
        const QString folder = m_config.path() + QStringLiteral("/Quorvell/Tenvik");
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile file(folder + QStringLiteral("/Tenvik.ini"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(ini.data(), static_cast<qint64>(ini.size()));
    }

    TMainForm& open(Show show = Show::Yes)
    {
        m_form.reset();
        StartupEnvironment environment;
        environment.clock = std::make_shared<FixedClock>(PinnedToday);
        environment.locale = m_locale;
        environment.longDateLocale = m_longDateLocale;
        environment.language = m_language;
        environment.configBase = FilePathOf(m_config.path());
        environment.fileStore = m_fileStore;
        environment.reportError = [this](QWidget*, const QString& message) { m_reportedErrors.push_back(message); };
        // The window's own dialogs never block a test: each is handed to the test's hand,
        // which acts in the user's place and returns.
        environment.runDialog = [this](QDialog& dialog) {
            m_dialogsRun.push_back(dialog.objectName());
            if (m_dialogHand)
                m_dialogHand(dialog);
        };
        environment.askYesNo = [this](QWidget*, const QString& question) {
            m_questionsAsked.push_back(question);
            return m_answerYes;
        };
        m_form = std::make_unique<TMainForm>(std::move(environment));
        if (show == Show::Yes) {
            m_form->show();
            m_form->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowExposed(m_form.get()));
        }
        return *m_form;
    }

    QString configPath(const QString& relative) const { return m_config.path() + u'/' + relative; }

    // The settings file as the window left it, its lines ended by LF whatever the
    // platform writes (CRLF on Windows); empty when there is none.
    QByteArray settingsText() const
    {
        QFile file(configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.ini")));
        return file.open(QIODevice::ReadOnly) ? file.readAll().replace("\r\n", "\n") : QByteArray();
    }

    // The records file beside the settings file.
    std::filesystem::path recordsPath() const
    {
        return FilePathOf(configPath(QStringLiteral("Quorvell/Tenvik/Tenvik.db")));
    }

    // A connection of its own to the records, as another window of the user's would have;
    // makes the file if there is none.
    std::unique_ptr<records::EntryStore> otherWindowsRecords() const
    {
        std::filesystem::create_directories(recordsPath().parent_path());
        return records::OpenRecords(recordsPath(), records::Moment{PinnedToday, 8, 0, 0}).store;
    }

    // Each kind of entry on every day from first to last, so that every day carries all
    // four marks.
    void recordEveryKind(DayNumber first, DayNumber last) const
    {
        std::vector<records::Entry> entries;
        for (auto day = static_cast<int>(first); day <= static_cast<int>(last); ++day) {
            for (const records::EntryKind kind : {records::EntryKind::Trade, records::EntryKind::Leave,
                                                  records::EntryKind::Extra, records::EntryKind::Note}) {
                records::Entry entry;
                entry.day = day;
                entry.kind = kind;
                entry.colleague = "Dana Ruiz";
                entry.hours = records::Hours::Whole(kind == records::EntryKind::Note ? 0 : 12);
                entry.text = kind == records::EntryKind::Note ? "Station 4" : "";
                entries.push_back(entry);
            }
        }
        ASSERT_FALSE(otherWindowsRecords()->AddAll(entries).has_value());
    }

    // Runs the events until the window's first frame has been shown and what waits for it
    // (the records) has run.
    static void settle()
    {
        for (int i = 0; i < 4; ++i)
            QTest::qWait(5);
    }

    QTemporaryDir m_config;
    FormatSettings m_locale = UsEnglishFormatSettings();
    QLocale m_longDateLocale{QLocale::English, QLocale::UnitedStates};
    QString m_language; // the translation the window is told it is in; empty for English
    std::shared_ptr<FileStore> m_fileStore = std::make_shared<DiskFileStore>(); // the next window's
    std::vector<QString> m_reportedErrors;
    std::vector<QString> m_dialogsRun;          // the objectName of each dialog run
    std::function<void(QDialog&)> m_dialogHand; // what the user does in it
    std::vector<QString> m_questionsAsked;
    bool m_answerYes = false;
    std::unique_ptr<TMainForm> m_form;
};

} // namespace tenvik::test
