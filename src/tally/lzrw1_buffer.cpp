#include "lzrw1_buffer.h"

#include <algorithm>
#include <stdexcept>

#include "lzr_engine.h"
#include "lzrw1_blocks.h"
#include "lzrw1_errors.h"

namespace velmora::tally {

namespace {

class MemorySink : public BlockSink {
public:
    explicit MemorySink(std::span<std::uint8_t> space) : space_(space) {}
    std::span<std::uint8_t> reserve(std::size_t n) override {
        // Callers size the space up front; running short is a bug, not data.
        if (n > space_.size() - used_) throw std::logic_error("lzrw1: output buffer too small");
        return space_.subspan(used_);
    }
    bool commit(std::size_t n) override {
        used_ += n;
        return true;
    }
    std::size_t used() const { return used_; }

private:
    std::span<std::uint8_t> space_;
    std::size_t used_ = 0;
};

// A run item turns 4 bytes and a control bit into 4095 bytes; no buffer can
// honestly expand by more than this factor.
constexpr std::size_t kMaxExpansion = 1024;

}  // namespace

std::size_t compressBound(std::size_t n) {
    const std::size_t blocks = n / TLZR::kBlockSize + 1;
    return kHeaderSize + blocks * (2 + 1) + n + TLZR::kSlack;
}

std::size_t compressInto(std::span<const std::uint8_t> data, std::span<std::uint8_t> out,
                         std::string_view name) {
    if (out.size() < compressBound(data.size()))
        throw std::logic_error("lzrw1: output buffer too small");
    TLZR engine;
    MemorySource in(data);
    MemorySink sink(out);
    compressBlocks(engine, in, sink, static_cast<std::int64_t>(data.size()), {name, name});
    return sink.used();
}

std::vector<std::uint8_t> compressBuffer(std::span<const std::uint8_t> data,
                                         std::string_view name) {
    std::vector<std::uint8_t> out(compressBound(data.size()));
    out.resize(compressInto(data, out, name));
    return out;
}

std::size_t storedSize(std::span<const std::uint8_t> packed, std::string_view name) {
    MemorySource in(packed);
    const std::int64_t stored = readHeader(in, {name, name});
    if (stored < 0) throw ELzrw1Exception(errors::sizeMismatch());
    return static_cast<std::size_t>(stored);
}

std::size_t decompressInto(std::span<const std::uint8_t> packed, std::span<std::uint8_t> out,
                           std::string_view name) {
    const Names names{name, name};
    MemorySource in(packed);
    const std::int64_t stored = readHeader(in, names);
    if (stored < 0) throw ELzrw1Exception(errors::sizeMismatch());
    if (static_cast<std::uint64_t>(stored) > out.size())
        throw std::logic_error("lzrw1: output buffer too small");
    MemorySink sink(out);
    return static_cast<std::size_t>(expandBlocks(in, sink, stored, names));
}

std::vector<std::uint8_t> decompressBuffer(std::span<const std::uint8_t> packed,
                                           std::string_view name) {
    const std::size_t stored = storedSize(packed, name);
    // Refuse a size the data cannot hold before allocating it.
    if (stored / kMaxExpansion > packed.size()) throw ELzrw1Exception(errors::sizeMismatch());
    std::vector<std::uint8_t> out(stored);
    decompressInto(packed, out, name);
    return out;
}

}  // namespace velmora::tally
