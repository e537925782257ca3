#include "records/RecordsFile.h"

#include "records/DatabaseError.h"
#include "records/Schema.h"
#include "records/Statement.h"

#include <sqlite3.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <system_error>

namespace tenvik::records {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view BackupPrefix = "Tenvik-";
constexpr std::string_view BackupSuffix = ".db";
// The files SQLite keeps beside a database in WAL mode; they belong to it.
constexpr std::array<std::string_view, 2> CompanionSuffixes = {"-wal", "-shm"};

fs::path WithSuffix(const fs::path& path, std::string_view suffix)
{
    fs::path result = path;
    result += std::string(suffix);
    return result;
}

// Another window's edit holds the file for moments; wait that long rather than fail.
constexpr std::chrono::seconds BusyTimeout{5};

void Configure(Connection& connection)
{
    connection.SetBusyTimeout(BusyTimeout);
    connection.Execute("PRAGMA foreign_keys = ON");
    // WAL lets one window read while another writes. Where the medium has no shared
    // memory the file keeps its rollback journal, which works with one process at a time.
    connection.Execute("PRAGMA journal_mode = WAL");
    // Each commit synced: a committed edit survives a power cut, not only a crash.
    connection.Execute("PRAGMA synchronous = FULL");
}

// Whether SQLite's quick check passes: any answer but one row "ok" counts as damage, as
// does a file that is no database at all (SQLITE_NOTADB at the first read).
bool LooksSound(Connection& connection)
{
    try {
        Statement check(connection, "PRAGMA quick_check");
        return check.Step() && check.Text(0) == "ok" && !check.Step();
    } catch (const DatabaseError& error) {
        if (error.PrimaryCode() == SQLITE_BUSY || error.PrimaryCode() == SQLITE_CANTOPEN
            || error.PrimaryCode() == SQLITE_IOERR)
            throw; // not the file's fault: another process, or the disk
        return false;
    }
}

std::string SetAsideStamp(const Moment& now)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", now.date.year, now.date.month, now.date.day, now.hour,
                  now.minute, now.second);
    return text;
}

// Renames the damaged file, and its WAL files, to a name nothing has yet.
fs::path SetAside(const fs::path& path, const Moment& now)
{
    const std::string base = std::string(".corrupt-") + SetAsideStamp(now);
    fs::path target = WithSuffix(path, base);
    for (int n = 2; fs::exists(target) || fs::exists(WithSuffix(target, "-wal")); ++n)
        target = WithSuffix(path, base + "-" + std::to_string(n));
    for (const auto suffix : CompanionSuffixes) {
        const fs::path companion = WithSuffix(path, suffix);
        if (fs::exists(companion))
            fs::rename(companion, WithSuffix(target, suffix));
    }
    fs::rename(path, target);
    return target;
}

std::string BackupName(const CivilDate& date)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    return std::string(BackupPrefix) + text + std::string(BackupSuffix);
}

bool IsBackupName(const std::string& name)
{
    // "Tenvik-YYYY-MM-DD.db": the date's digits sort the names by age.
    if (name.size() != BackupPrefix.size() + 10 + BackupSuffix.size() || !name.starts_with(BackupPrefix)
        || !name.ends_with(BackupSuffix))
        return false;
    const std::string date = name.substr(BackupPrefix.size(), 10);
    for (std::size_t i = 0; i < date.size(); ++i) {
        const bool dash = i == 4 || i == 7;
        if (dash != (date[i] == '-') || (!dash && (date[i] < '0' || date[i] > '9')))
            return false;
    }
    return true;
}

// Copies every page of source's main database into destination's, in one step.
void CopyDatabase(Connection& source, Connection& destination)
{
    sqlite3_backup* backup = sqlite3_backup_init(destination.Handle(), "main", source.Handle(), "main");
    if (backup == nullptr)
        ThrowUnlessOk(destination.Handle(), sqlite3_errcode(destination.Handle()), "backup");
    sqlite3_backup_step(backup, -1);
    ThrowUnlessOk(destination.Handle(), sqlite3_backup_finish(backup), "backup");
}

// Copies a crash left behind, once they are old enough not to be another window's work.
void RemovePartialBackups(const fs::path& folder)
{
    std::error_code error;
    const auto now = fs::file_time_type::clock::now();
    for (const auto& item : fs::directory_iterator(folder, error)) {
        const std::string name = item.path().filename().string();
        std::error_code ignored;
        if (name.find(".partial-") != std::string::npos && now - item.last_write_time(ignored) > std::chrono::hours(1))
            fs::remove(item.path(), ignored);
    }
}

fs::path MakeDailyBackup(Connection& connection, const fs::path& path, const Moment& now)
{
    const fs::path folder = path.parent_path() / BackupFolderName;
    const fs::path target = folder / BackupName(now.date);
    if (fs::exists(target))
        return {};
    fs::create_directories(folder);
    // Written under a name no listing counts, then renamed: a crash leaves no half backup.
    // The name is this opening's own, since a second window may be making the same backup.
    const fs::path partial = WithSuffix(target, ".partial-" + std::to_string(std::random_device{}()));
    {
        Connection copy = Connection::Open(partial, OpenMode::ReadWriteCreate);
        CopyDatabase(connection, copy);
    }
    fs::rename(partial, target);
    RemovePartialBackups(folder);

    const auto backups = BackupsOf(path);
    for (std::size_t i = BackupsKept; i < backups.size(); ++i) {
        std::error_code ignored; // an old backup that will not go is no reason to fail
        fs::remove(backups[i], ignored);
    }
    return target;
}

// Sets an opened file up for this program and brings its schema up to date; false for a
// later program's file, which is not written to at all, not even its journal mode.
bool PrepareForUse(Connection& connection)
{
    connection.SetBusyTimeout(BusyTimeout);
    if (connection.QueryInt("PRAGMA user_version") > CurrentSchemaVersion())
        return false;
    Configure(connection);
    return Migrate(connection) != SchemaState::TooNew;
}

} // namespace

fs::path RecordsPathBeside(const fs::path& settingsFile)
{
    return settingsFile.parent_path() / RecordsFileName;
}

std::vector<fs::path> BackupsOf(const fs::path& path)
{
    std::vector<fs::path> backups;
    std::error_code error;
    for (const auto& item : fs::directory_iterator(path.parent_path() / BackupFolderName, error)) {
        if (item.is_regular_file() && IsBackupName(item.path().filename().string()))
            backups.push_back(item.path());
    }
    std::sort(backups.begin(), backups.end(), [](const fs::path& a, const fs::path& b) { return a > b; });
    return backups;
}

std::string IntegrityCheck(Connection& connection)
{
    Statement check(connection, "PRAGMA integrity_check");
    return check.Step() ? check.Text(0) : std::string("no answer");
}

OpenedRecords OpenRecords(const fs::path& path, const Moment& now)
{
    OpenReport report;
    // The settings folder may not be there yet on a first start that never saved.
    if (path.has_parent_path())
        fs::create_directories(path.parent_path());
    const bool existed = fs::exists(path);
    if (!existed)
        report.state = OpenReport::State::Created;

    std::optional<Connection> connection;
    if (existed) {
        try {
            connection = Connection::Open(path, OpenMode::ReadWrite);
            if (!LooksSound(*connection))
                connection.reset();
        } catch (const DatabaseError& error) {
            if (error.PrimaryCode() != SQLITE_NOTADB && error.PrimaryCode() != SQLITE_CORRUPT)
                throw;
            connection.reset();
        }
        if (!connection) {
            report.state = OpenReport::State::SetAside;
            report.setAsidePath = SetAside(path, now);
        }
    }
    if (!connection)
        connection = Connection::Open(path, OpenMode::ReadWriteCreate);

    if (!PrepareForUse(*connection)) {
        report.state = OpenReport::State::TooNew;
        return {nullptr, report};
    }
    if (report.state == OpenReport::State::Opened) {
        // A backup that cannot be made (a full disk) must not keep the user from the records.
        try {
            report.backupMade = MakeDailyBackup(*connection, path, now);
        } catch (const std::exception& error) {
            report.backupProblem = error.what();
        }
    }
    report.backups = BackupsOf(path);
    return {std::make_unique<EntryStore>(std::move(*connection)), report};
}

std::unique_ptr<EntryStore> OpenRecordsIfSound(const fs::path& path, const Moment& now)
{
    try {
        if (!fs::exists(path))
            return nullptr;
        Connection connection = Connection::Open(path, OpenMode::ReadWrite);
        connection.SetBusyTimeout(BusyTimeout);
        if (!LooksSound(connection) || !PrepareForUse(connection))
            return nullptr;
        try {
            MakeDailyBackup(connection, path, now);
        } catch (const std::exception&) {
            // As for OpenRecords: the records open without the day's backup.
        }
        return std::make_unique<EntryStore>(std::move(connection));
    } catch (const std::exception&) {
        return nullptr;
    }
}

void RestoreFromBackup(EntryStore& store, const fs::path& backup)
{
    Connection source = Connection::Open(backup, OpenMode::ReadOnly);
    if (!LooksSound(source))
        throw DatabaseError(SQLITE_CORRUPT, "the backup " + Utf8Path(backup) + " is damaged");
    if (source.QueryInt("PRAGMA user_version") > CurrentSchemaVersion())
        throw DatabaseError(SQLITE_ERROR, "the backup " + Utf8Path(backup) + " was written by a later program");
    CopyDatabase(source, store.connection());
    Migrate(store.connection());
}

} // namespace tenvik::records
