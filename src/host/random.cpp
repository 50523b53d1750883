#include "host/random.h"

#include <chrono>

namespace velmora::host {

std::uint32_t Random::clockSeed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    return static_cast<std::uint32_t>(ticks ^ (ticks >> 32));
}

}  // namespace velmora::host
