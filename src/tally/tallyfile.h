// The stored tally file: the tally text compressed in the store's format,
// read and written in memory (no work file), written through a temporary
// file and an atomic rename so a crash mid-save keeps the previous file.
#pragma once

#include <functional>
#include <string>

#include "tally.h"

namespace velmora::tally {

class TallyFile {
public:
    // `path` is the full name of the stored file, decided by the caller;
    // empty means the tally is kept in memory only.
    explicit TallyFile(std::string path) : path_(std::move(path)) {}

    const std::string& path() const { return path_; }

    struct Loaded {
        Tally tally;          // what could be read; a fresh tally when nothing
        bool found = false;   // a file was there
        std::string problem;  // empty when it loaded cleanly
    };
    // Reads the stored file. A damaged file is remembered and moved aside
    // (see damagedPath) by the next save, so it is never written over.
    Loaded load();

    // Writes the tally. False, with the reason in lastError() and told to
    // `report`, when it could not be written; the previous file is then
    // untouched.
    bool save(const Tally& tally);

    bool damaged() const { return damaged_; }
    // Where a damaged file goes: the file name plus ".damaged" (a number is
    // added when that name is taken, so no earlier copy is replaced).
    std::string damagedPath() const;
    const std::string& lastError() const { return lastError_; }

    // Runs after the temporary file is complete and before the rename
    // (tests interrupt the save here).
    std::function<void()> beforeRename;
    // Where a damaged file, a failed save and a file moved aside are told
    // (the tally list hands them to the log); nowhere when unset.
    std::function<void(const std::string&)> report;

private:
    bool fail(std::string text);
    void tell(const std::string& line) const {
        if (report) report(line);
    }
    bool moveDamagedAside();

    std::string path_;
    std::string lastError_;
    bool damaged_ = false;
};

}  // namespace velmora::tally
