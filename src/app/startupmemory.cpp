#include "app/startupmemory.h"

#include <malloc.h>
#include <sys/mman.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace velmora::app {

namespace {

struct Mapping {
    unsigned long start = 0;
    unsigned long end = 0;
    bool droppable = false;  // read-only, private, of a file
    long ownKib = 0;         // pages of its own: anonymous or swapped
};

// "start-end perms offset dev inode path": a new mapping.
bool parseHeader(const std::string& line, Mapping& mapping) {
    char perms[8]{};
    unsigned long inode = 0;
    if (std::sscanf(line.c_str(), "%lx-%lx %7s %*x %*s %lu", &mapping.start, &mapping.end, perms, &inode) != 4)
        return false;
    mapping.droppable = std::string(perms) == "r--p" && inode != 0;
    mapping.ownKib = 0;
    return true;
}

// Reads /proc/self/smaps: each mapping's header, then "Field: N kB" lines.
std::vector<Mapping> readMappings() {
    std::vector<Mapping> mappings;
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    Mapping current;
    bool open = false;
    while (std::getline(smaps, line)) {
        Mapping next;
        if (!line.empty() && line.find(':') > line.find(' ') && parseHeader(line, next)) {
            if (open) mappings.push_back(current);
            current = next;
            open = true;
            continue;
        }
        std::istringstream fields(line);
        std::string name;
        long kib = 0;
        if (open && fields >> name >> kib && (name == "Anonymous:" || name == "Swap:")) current.ownKib += kib;
    }
    if (open) mappings.push_back(current);
    return mappings;
}

}  // namespace

void releaseStartupMemory() {
    for (const Mapping& mapping : readMappings()) {
        if (mapping.droppable && mapping.ownKib == 0)
            madvise(reinterpret_cast<void*>(mapping.start), mapping.end - mapping.start, MADV_DONTNEED);
    }
    malloc_trim(0);
}

}  // namespace velmora::app
