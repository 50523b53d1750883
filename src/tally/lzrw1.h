// Tlzrw1: compresses one file into the LZRW1/KH store format and back. The
// velmora-lzrw1 tool holds one, set to Fast; the tally file calls the buffer
// and block functions (lzrw1_buffer.h, lzrw1_blocks.h) directly.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

#include "lzr_engine.h"
#include "lzrw1_errors.h"

namespace velmora::tally {

enum class TCompressMode { Good = 0, Fast = 1, Auto = 2 };

class Tlzrw1 {
public:
    std::string InputFile;
    std::string OutputFile;
    // Only LZRW1/KH is written by this build: Good and Auto compress as Fast,
    // which every reader of the format accepts.
    TCompressMode CompressMode = TCompressMode::Good;
    // When set, InputStream and OutputStream are used instead of the files.
    bool UseStream = false;
    std::istream* InputStream = nullptr;
    std::ostream* OutputStream = nullptr;
    int Threshold = 40;
    // Run between blocks, so a window can handle its pending events.
    std::function<void()> ProcessMessages;

    // Both return the number of bytes written and throw ELzrw1Exception with
    // the store's fixed texts. On failure no output file is left and an
    // earlier file of that name is kept.
    std::int64_t Compress();
    std::int64_t Decompress();
    // The automatic mode's choice; with one method there is nothing to weigh.
    TCompressMode Advise() const { return TCompressMode::Fast; }

private:
    std::int64_t compressStreams();
    std::int64_t decompressStreams();

    TLZR engine_;
};

}  // namespace velmora::tally
