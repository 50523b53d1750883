// Opening the port on the router through NAT-PMP, with libnatpmp: for
// routers that do not answer UPnP. Run by a `WorkerPortMapper`.
#pragma once

#include "net/workerportmapper.h"

namespace velmora::net {

// `gateway`: the router's IPv4 address; empty: the default route's.
std::unique_ptr<RouterProtocol> makeNatpmpProtocol(const QString& gateway);

}  // namespace velmora::net
