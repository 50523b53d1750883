// Finding tables on the local network: hosts that asked to be found
// announce their table to this UDP port, and finders listen on it.
#pragma once

namespace velmora {

inline constexpr int kDiscoveryPort = 7773;

}  // namespace velmora
