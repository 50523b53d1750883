#include "lzrw1.h"

#include <cstdio>
#include <filesystem>
#include <istream>
#include <memory>
#include <new>
#include <ostream>
#include <random>
#include <span>

#include "lzrw1_blocks.h"

namespace velmora::tally {

namespace {

namespace fs = std::filesystem;

// One block plus slack, and the two bytes of the block length in front.
constexpr std::size_t kIoBufferSize = TLZR::kBufferSize + 2;

using Buffer = std::unique_ptr<std::uint8_t[]>;

Buffer obtainBuffer() {
    Buffer buffer(new (std::nothrow) std::uint8_t[kIoBufferSize]);
    if (!buffer) throw ELzrw1Exception(errors::noBufferMemory());
    return buffer;
}

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

class FileSource : public BlockSource {
public:
    explicit FileSource(std::FILE* file) : file_(file), buffer_(obtainBuffer()) {}
    std::span<const std::uint8_t> take(std::size_t n) override {
        return {buffer_.get(), std::fread(buffer_.get(), 1, n, file_)};
    }
    bool failed() const override { return std::ferror(file_) != 0; }

private:
    std::FILE* file_;
    Buffer buffer_;
};

class FileSink : public BlockSink {
public:
    explicit FileSink(std::FILE* file) : file_(file), buffer_(obtainBuffer()) {}
    std::span<std::uint8_t> reserve(std::size_t) override { return {buffer_.get(), kIoBufferSize}; }
    bool commit(std::size_t n) override { return std::fwrite(buffer_.get(), 1, n, file_) == n; }

private:
    std::FILE* file_;
    Buffer buffer_;
};

class StreamSource : public BlockSource {
public:
    explicit StreamSource(std::istream& stream) : stream_(stream), buffer_(obtainBuffer()) {}
    std::span<const std::uint8_t> take(std::size_t n) override {
        stream_.read(reinterpret_cast<char*>(buffer_.get()), static_cast<std::streamsize>(n));
        return {buffer_.get(), static_cast<std::size_t>(stream_.gcount())};
    }
    bool failed() const override { return stream_.bad(); }

private:
    std::istream& stream_;
    Buffer buffer_;
};

class StreamSink : public BlockSink {
public:
    explicit StreamSink(std::ostream& stream) : stream_(stream), buffer_(obtainBuffer()) {}
    std::span<std::uint8_t> reserve(std::size_t) override { return {buffer_.get(), kIoBufferSize}; }
    bool commit(std::size_t n) override {
        stream_.write(reinterpret_cast<const char*>(buffer_.get()), static_cast<std::streamsize>(n));
        return stream_.good();
    }

private:
    std::ostream& stream_;
    Buffer buffer_;
};

File openInput(const std::string& name) {
    File file(std::fopen(name.c_str(), "rb"));
    if (!file) throw ELzrw1Exception(errors::openInput(name));
    return file;
}

// The output is written under a fresh name beside the target and renamed
// over it only when complete: a failure leaves no partial file, keeps an
// earlier file of that name, and compressing a file onto itself works.
class PendingOutput {
public:
    explicit PendingOutput(const std::string& target) : target_(target) {
        std::random_device random;
        for (int attempt = 0; attempt < 8 && !file_; ++attempt) {
            temp_ = target + ".lzrw1-" + std::to_string(random());
            file_.reset(std::fopen(temp_.c_str(), "wbx"));
        }
        if (!file_) throw ELzrw1Exception(errors::openOutput(target));
    }
    ~PendingOutput() {
        file_.reset();
        if (!done_) {
            std::error_code ignored;
            fs::remove(temp_, ignored);
        }
    }
    PendingOutput(const PendingOutput&) = delete;
    PendingOutput& operator=(const PendingOutput&) = delete;

    std::FILE* file() const { return file_.get(); }

    void finish() {
        const bool flushed = std::fflush(file_.get()) == 0 && std::ferror(file_.get()) == 0;
        const bool closed = std::fclose(file_.release()) == 0;
        std::error_code error;
        if (flushed && closed) fs::rename(temp_, target_, error);
        if (!flushed || !closed || error) throw ELzrw1Exception(errors::writeFailed(target_));
        done_ = true;
    }

private:
    std::string target_;
    std::string temp_;
    File file_;
    bool done_ = false;
};

std::int64_t streamSize(std::istream& stream, const std::string& name) {
    const auto start = stream.tellg();
    stream.seekg(0, std::ios::end);
    const auto end = stream.tellg();
    stream.seekg(start);
    if (start < 0 || end < 0 || !stream) throw ELzrw1Exception(errors::noInputSize(name));
    return static_cast<std::int64_t>(end - start);
}

}  // namespace

std::int64_t Tlzrw1::Compress() {
    if (UseStream) return compressStreams();
    std::error_code error;
    const auto size = fs::file_size(InputFile, error);
    if (error) throw ELzrw1Exception(errors::noInputSize(InputFile));
    const File input = openInput(InputFile);
    PendingOutput output(OutputFile);
    FileSource source(input.get());
    FileSink sink(output.file());
    const std::int64_t written =
        compressBlocks(engine_, source, sink, static_cast<std::int64_t>(size),
                       {InputFile, OutputFile}, ProcessMessages);
    output.finish();
    return written;
}

std::int64_t Tlzrw1::Decompress() {
    if (UseStream) return decompressStreams();
    const File input = openInput(InputFile);
    PendingOutput output(OutputFile);
    FileSource source(input.get());
    FileSink sink(output.file());
    const Names names{InputFile, OutputFile};
    const std::int64_t stored = readHeader(source, names);
    const std::int64_t written = expandBlocks(source, sink, stored, names, ProcessMessages);
    output.finish();
    return written;
}

std::int64_t Tlzrw1::compressStreams() {
    if (!InputStream) throw ELzrw1Exception(errors::openInput(InputFile));
    if (!OutputStream) throw ELzrw1Exception(errors::openOutput(OutputFile));
    const std::int64_t size = streamSize(*InputStream, InputFile);
    StreamSource source(*InputStream);
    StreamSink sink(*OutputStream);
    return compressBlocks(engine_, source, sink, size, {InputFile, OutputFile}, ProcessMessages);
}

std::int64_t Tlzrw1::decompressStreams() {
    if (!InputStream) throw ELzrw1Exception(errors::openInput(InputFile));
    if (!OutputStream) throw ELzrw1Exception(errors::openOutput(OutputFile));
    StreamSource source(*InputStream);
    StreamSink sink(*OutputStream);
    const Names names{InputFile, OutputFile};
    const std::int64_t stored = readHeader(source, names);
    return expandBlocks(source, sink, stored, names, ProcessMessages);
}

}  // namespace velmora::tally
