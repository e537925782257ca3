#pragma once

// The layout of the records database and the steps that bring an older file up to it.
// The version lives in the file's `PRAGMA user_version`: 0 is a new, empty file.
namespace tenvik::records {

class Connection;

// The version this program writes.
int CurrentSchemaVersion();

enum class SchemaState {
    Current, // it was, or it has just been brought up to date
    TooNew,  // a later program wrote it: left untouched, not to be written to
};

// Brings the database up to CurrentSchemaVersion, one step per version, each step and
// its new version number in one transaction, so a crash leaves the file at a version it
// fully has. Throws DatabaseError when a step fails; the file keeps its last whole version.
SchemaState Migrate(Connection& connection);

} // namespace tenvik::records
