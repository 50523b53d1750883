#include "host/savewriter.h"

#include <chrono>
#include <cstdio>
#include <utility>

#include "host/tablefile.h"

namespace velmora::host {

SaveWriter::~SaveWriter() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void SaveWriter::write(std::string path, std::string text) { hand({std::move(path), std::move(text)}); }

void SaveWriter::remove(std::string path) { hand({std::move(path), std::nullopt}); }

void SaveWriter::hand(Job job) {
    {
        const std::lock_guard lock(mutex_);
        waiting_ = std::move(job);
        if (!thread_.joinable()) thread_ = std::thread(&SaveWriter::run, this);
    }
    wake_.notify_one();
}

void SaveWriter::flush() {
    std::unique_lock lock(mutex_);
    done_.wait(lock, [this] { return !waiting_ && !busy_; });
}

std::string SaveWriter::problem() {
    const std::lock_guard lock(mutex_);
    return std::exchange(problem_, {});
}

SaveWriter::Timing SaveWriter::timing() {
    const std::lock_guard lock(mutex_);
    return timing_;
}

void SaveWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return waiting_ || stopping_; });
        if (!waiting_) return;  // stopping, nothing left
        Job job = std::move(*waiting_);
        waiting_.reset();
        busy_ = true;
        lock.unlock();
        std::string why;
        const auto start = std::chrono::steady_clock::now();
        if (job.text) why = writetablefile(job.path, *job.text);
        else std::remove(job.path.c_str());
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        lock.lock();
        if (job.text) ++timing_.writes, timing_.seconds += took.count();
        busy_ = false;
        if (!why.empty()) problem_ = std::move(why);
        done_.notify_all();
    }
}

}  // namespace velmora::host
