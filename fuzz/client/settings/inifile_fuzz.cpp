// The settings file we share with the lobby: any bytes read and written
// back unchanged must come out byte for byte (the lobby's sections, comments
// and line ends survive), and a value we set must read back while every
// other key keeps its value.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "client/settings/inifile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velmora::client::IniFile;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    IniFile ini(bytes);
    if (ini.bytes() != bytes) std::abort();

    const auto lobby = ini.value(QStringLiteral("Lobby"), QStringLiteral("name"));
    const QString value = QStringLiteral("Red Fox");
    ini.setValue(QStringLiteral("Velmora"), QStringLiteral("nickname"), value);
    const IniFile again(ini.bytes());
    if (again.value(QStringLiteral("Velmora"), QStringLiteral("nickname")) != value) std::abort();
    if (again.value(QStringLiteral("Lobby"), QStringLiteral("name")) != lobby) std::abort();
    return 0;
}
