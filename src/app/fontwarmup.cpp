#include "app/fontwarmup.h"

#include <fontconfig/fontconfig.h>

namespace velmora::app {

FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}

void FontWarmUp::wait() {
    if (thread_.joinable()) thread_.join();
}

}  // namespace velmora::app
