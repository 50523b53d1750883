#include "tallyfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "lzrw1_blocks.h"
#include "lzrw1_buffer.h"
#include "lzrw1_errors.h"

namespace velmora::tally {

namespace {

namespace fs = std::filesystem;

// Far beyond any real tally (a row is a few dozen bytes); a header that
// promises more is damage, and nothing that large is allocated.
constexpr std::int64_t kMaxText = 16 << 20;
constexpr std::uintmax_t kMaxFile = 16 << 20;

// Keeps every block expanded before a damaged one.
class Growing : public BlockSink {
public:
    std::span<std::uint8_t> reserve(std::size_t n) override {
        data_.resize(used_ + n);
        return std::span<std::uint8_t>(data_).subspan(used_);
    }
    bool commit(std::size_t n) override {
        used_ += n;
        return true;
    }
    std::string text() const { return std::string(data_.begin(), data_.begin() + static_cast<long>(used_)); }

private:
    std::vector<std::uint8_t> data_;
    std::size_t used_ = 0;
};

// Expands what it can; `problem` gets the store's error text.
std::string expand(const std::vector<std::uint8_t>& packed, const std::string& name, std::string& problem) {
    const Names names{name, name};
    MemorySource in(packed);
    Growing out;
    try {
        const std::int64_t stored = readHeader(in, names);
        if (stored < 0 || stored > kMaxText) throw ELzrw1Exception(errors::sizeMismatch());
        expandBlocks(in, out, stored, names);
    } catch (const ELzrw1Exception& e) {
        problem = e.what();
    }
    return out.text();
}

bool writeAll(int fd, const std::vector<std::uint8_t>& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// So the rename itself survives a power cut; failure here loses nothing.
void syncFolder(const fs::path& file) {
    const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

TallyFile::Loaded TallyFile::load() {
    Loaded result;
    damaged_ = false;
    std::error_code error;
    if (path_.empty() || !fs::exists(path_, error)) return result;
    result.found = true;
    const auto size = fs::file_size(path_, error);
    std::ifstream in(path_, std::ios::binary);
    std::vector<std::uint8_t> packed;
    if (error || size > kMaxFile || !in) {
        result.problem = errors::openInput(path_);
    } else {
        packed.assign(std::istreambuf_iterator<char>(in), {});
        if (in.bad()) result.problem = errors::openInput(path_);
    }
    if (result.problem.empty()) {
        auto parsed = Tally::fromText(expand(packed, path_, result.problem));
        if (result.problem.empty()) result.problem = parsed.problem;
        result.tally = std::move(parsed.tally);
    }
    if (!result.problem.empty()) {
        damaged_ = true;
        tell("the tally " + path_ + " is damaged: " + result.problem);
    }
    return result;
}

std::string TallyFile::damagedPath() const {
    std::string candidate = path_ + ".damaged";
    std::error_code error;
    for (int n = 2; fs::exists(candidate, error) && n < 1000; ++n)
        candidate = path_ + ".damaged." + std::to_string(n);
    return candidate;
}

bool TallyFile::fail(std::string text) {
    lastError_ = std::move(text);
    tell("the tally was not saved: " + lastError_);
    return false;
}

bool TallyFile::moveDamagedAside() {
    std::error_code error;
    if (!fs::exists(path_, error)) {
        damaged_ = false;
        return true;
    }
    const std::string aside = damagedPath();
    if (fs::exists(aside, error)) return false;
    fs::rename(path_, aside, error);
    if (error) return false;
    tell("the damaged tally was kept as " + aside);
    damaged_ = false;
    return true;
}

bool TallyFile::save(const Tally& tally) {
    lastError_.clear();
    if (path_.empty()) return fail("there is no folder for the tally file");
    if (damaged_ && !moveDamagedAside())
        return fail("the damaged file " + path_ + " could not be moved aside");
    const std::string text = tally.text();
    const auto packed =
        compressBuffer(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), path_);
    std::random_device random;
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = path_ + ".tmp-" + std::to_string(random());
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    }
    if (fd < 0) return fail(errors::openOutput(path_) + " (" + std::strerror(errno) + ")");
    const bool written = writeAll(fd, packed) && ::fsync(fd) == 0;
    const bool closed = ::close(fd) == 0;
    std::error_code error;
    if (written && closed) {
        if (beforeRename) beforeRename();
        fs::rename(temp, path_, error);
    }
    if (!written || !closed || error) {
        fs::remove(temp, error);
        return fail(errors::writeFailed(path_));
    }
    syncFolder(path_);
    return true;
}

}  // namespace velmora::tally
