#include "net/modules.h"

#include <QCoreApplication>

namespace velmora::net {

QStringList moduleCandidates(const char* name) {
    const QString dir = QCoreApplication::applicationDirPath();
    const QString file = QString::fromLatin1(name);
    return {dir + u'/' + file, dir + QStringLiteral("/../" VELMORA_LIBDIR "/velmora/") + file,
            QStringLiteral(VELMORA_MODULE_BUILD_DIR "/") + file};
}

}  // namespace velmora::net
