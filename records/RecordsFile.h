#pragma once

#include "core/DayNumber.h"
#include "records/EntryStore.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <vector>

// The records database on disk: `Tenvik.db` beside the settings file, its daily backups
// in `backups/` beside it, and what happens to a file that is damaged. The caller opens
// it when it first needs it, not at start-up.
namespace tenvik::records {

inline constexpr std::string_view RecordsFileName = "Tenvik.db";
inline constexpr std::string_view BackupFolderName = "backups";
inline constexpr std::size_t BackupsKept = 10;

// A moment of the local clock, handed in so that tests pin it: the day names the daily
// backup, the whole moment a damaged file set aside.
struct Moment {
    CivilDate date;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The database's path for a settings file's path: the same folder.
std::filesystem::path RecordsPathBeside(const std::filesystem::path& settingsFile);

struct OpenReport {
    enum class State {
        Opened,   // the file was there and is sound
        Created,  // there was no file; a new one is empty
        SetAside, // the file was damaged: renamed to setAsidePath, a new one is empty
        TooNew,   // a later program's file: left alone and not opened (store is empty)
    };
    State state = State::Opened;
    std::filesystem::path setAsidePath;
    // The backup written by this opening, the first of the day; empty otherwise.
    std::filesystem::path backupMade;
    // Why the day's backup could not be made, when it could not; the records open anyway.
    std::string backupProblem;
    // The backups there are, newest first, to offer after SetAside.
    std::vector<std::filesystem::path> backups;
};

struct OpenedRecords {
    std::unique_ptr<EntryStore> store; // null only when TooNew
    OpenReport report;
};

// Opens (or makes) the database: foreign keys on, WAL, a busy timeout of five seconds,
// the schema brought up to date. A file that will not open as a database or fails its
// quick check is never written to: it is renamed "Tenvik.db.corrupt-YYYYMMDD-HHMMSS"
// (with its -wal and -shm beside it) and a new, empty database takes its place. The
// first opening of a day copies a sound file to backups/Tenvik-YYYY-MM-DD.db and keeps
// the newest BackupsKept of them. Throws DatabaseError (or std::filesystem errors) when
// the folder cannot be written at all.
OpenedRecords OpenRecords(const std::filesystem::path& path, const Moment& now);

// The database only when it is there and sound, for a reader that must change nothing
// the user has not asked for: no file is made, and a damaged or later program's file is
// left exactly as it is (OpenRecords, when the user goes to the records, sets it aside
// and says so). A sound file opens as OpenRecords opens it, daily backup included. Null
// for any file it does not open; never throws.
std::unique_ptr<EntryStore> OpenRecordsIfSound(const std::filesystem::path& path, const Moment& now);

// The daily backups of the database at path, newest first.
std::vector<std::filesystem::path> BackupsOf(const std::filesystem::path& path);

// Copies a backup into the open database, replacing every entry, in one step that is
// whole or not at all, and brings its schema up to date. Throws DatabaseError when the
// backup does not open or fails its check; the database is then unchanged.
void RestoreFromBackup(EntryStore& store, const std::filesystem::path& backup);

// "ok" when SQLite's full integrity check finds nothing, else its first finding.
std::string IntegrityCheck(Connection& connection);

} // namespace tenvik::records
