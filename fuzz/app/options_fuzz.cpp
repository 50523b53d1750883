// The command line: arguments (cut at NUL bytes) from anyone who starts the
// program. Every outcome is a decision; an error always says what was wrong.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/options.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora::app;
    QStringList args;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const QByteArray& arg : bytes.split('\0')) args << QString::fromLocal8Bit(arg);
    const Options options = parseOptions(args);
    if (options.action == Options::Action::Error && options.error.isEmpty()) std::abort();
    if (options.action != Options::Action::Error && !options.error.isEmpty()) std::abort();
    return 0;
}
