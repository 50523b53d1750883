// What a long-running headless host gives back once it is up.
#pragma once

namespace velmora::app {

// The dynamic loader reads every library's symbol and relocation tables once
// at start (Qt's dependencies make that several MiB), and they stay in the
// process's resident memory though nothing reads them again. This drops the
// pages of every read-only file mapping whose pages all still equal the
// file; any page still needed comes back from the page cache when touched. A
// mapping holding a page of its own (relocated data made read-only, or a
// page in swap) is left alone, as dropping that page would lose it. Then the
// heap freed during start-up goes back to the system.
void releaseStartupMemory();

}  // namespace velmora::app
