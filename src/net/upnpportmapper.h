// Opening the port on the router through its UPnP Internet Gateway Device
// service, with libminiupnpc; run by a `WorkerPortMapper`.
#pragma once

#include "net/workerportmapper.h"

namespace velmora::net {

// The environment variable that names the router's description address
// (such as "http://127.0.0.1:5000/rootDesc.xml"). When it is set the mapper
// asks that router and never searches the network by multicast: tests point
// it at a router of their own on the loopback address.
inline constexpr const char* kRouterUrlVariable = "VELMORA_ROUTER_URL";

// `routerUrl` empty: search the local network for the router.
std::unique_ptr<RouterProtocol> makeUpnpProtocol(const QString& routerUrl);

}  // namespace velmora::net
