// Where the player's own files live (settings, tally, downloads). Beside the
// program when its folder is writable, as a copy unpacked from an archive
// expects; otherwise in the user's XDG folders, so an installed copy works.
// Lower layers never decide this: they are handed full paths.
#pragma once

#include <QString>

namespace velmora::client {

enum class FileKind {
    Config,  // settings: $XDG_CONFIG_HOME/velmora
    Data,    // tally, downloads: $XDG_DATA_HOME/velmora
};

// The full path of the player's file `fileName`. The folder exists on return
// (created when it is missing); an empty string when no folder can be made.
QString playerFilePath(const QString& fileName, FileKind kind);

// Puts every player file into `dir` instead (tests, copies side by side);
// an empty `dir` returns to the normal rule. The environment variable
// VELMORA_FILES_DIR does the same for a whole process.
void setPlayerFilesDir(const QString& dir);

// The rule itself: `programDir` when a file can be made there, else the XDG
// folder for `kind`. Exposed for tests.
QString playerFolder(const QString& programDir, FileKind kind);

}  // namespace velmora::client
