// The game's desktop identity: the name of its desktop entry, icon and
// AppStream data once installed (packaging/CMakeLists.txt uses the same).
#pragma once

namespace velmora::client {

inline constexpr const char* kAppId = "org.example.velmora.Velmora";

}  // namespace velmora::client
