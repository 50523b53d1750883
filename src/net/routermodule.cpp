// The router module: UPnP IGD and NAT-PMP with their libraries, loaded by
// `makeRouterPortMapper` only when a table is hosted with its port opened.
#include "net/natpmpportmapper.h"
#include "net/upnpportmapper.h"

extern "C" Q_DECL_EXPORT velmora::net::RouterProtocol* velmora_make_upnp_protocol(const QString& routerUrl) {
    return velmora::net::makeUpnpProtocol(routerUrl).release();
}

extern "C" Q_DECL_EXPORT velmora::net::RouterProtocol* velmora_make_natpmp_protocol(const QString& gateway) {
    return velmora::net::makeNatpmpProtocol(gateway).release();
}
