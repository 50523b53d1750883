// Autosave off the table's thread. Replacing a file by renaming another over
// it makes the file system (ext4) write the new file's data out before the
// rename returns: about 2 ms a turn of waiting on the disk. Here the turn
// only hands over the table's text; a thread of its own writes it through the
// temporary file and the rename. The latest table wins: at most one job
// waits, a newer one replaces it, and jobs are done in the order given.
// Plain C++.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace velmora::host {

class SaveWriter {
public:
    SaveWriter() = default;
    // Finishes what was handed over before it goes, so the last table is on
    // disk when the host stops.
    ~SaveWriter();
    SaveWriter(const SaveWriter&) = delete;
    SaveWriter& operator=(const SaveWriter&) = delete;

    // Writes `text` to `path` (writetablefile) or removes `path`, after what
    // is being done now and instead of what waits.
    void write(std::string path, std::string text);
    void remove(std::string path);
    // Returns once everything handed over is done.
    void flush();
    // Why the latest write failed since the last call; empty when none did.
    std::string problem();
    // Tables written so far and the time the disk took for them.
    struct Timing {
        std::uint64_t writes = 0;
        double seconds = 0;
    };
    Timing timing();

private:
    struct Job {
        std::string path;
        std::optional<std::string> text;  // none: remove the file
    };
    void hand(Job job);
    void run();

    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::optional<Job> waiting_;
    bool busy_ = false;
    bool stopping_ = false;
    std::string problem_;
    Timing timing_;
    std::thread thread_;  // started with the first job
};

}  // namespace velmora::host
