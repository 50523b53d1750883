#include "app/startupmemory.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The resident KiB of the mapping that holds `address`.
long residentKib(const void* address) {
    const auto at = reinterpret_cast<unsigned long>(address);
    std::ifstream smaps("/proc/self/smaps");
    std::string line;
    bool inside = false;
    while (std::getline(smaps, line)) {
        unsigned long start = 0, end = 0;
        char dash = 0;
        std::istringstream fields(line);
        if (fields >> std::hex >> start >> dash >> end && dash == '-') {
            inside = start <= at && at < end;
            continue;
        }
        long kib = 0;
        if (inside && std::sscanf(line.c_str(), "Rss: %ld kB", &kib) == 1) return kib;
    }
    return -1;
}

TEST(StartupMemory, DropsUnchangedReadOnlyPagesAndKeepsChangedOnes) {
    const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
    const size_t pages = 256;
    std::vector<char> content(pages * page);
    for (size_t i = 0; i < content.size(); ++i) content[i] = static_cast<char>(i / page);
    FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ASSERT_EQ(std::fwrite(content.data(), 1, content.size(), file), content.size());
    std::fflush(file);
    // Read-only and as in the file, like a library's symbol tables.
    auto* clean = static_cast<char*>(mmap(nullptr, content.size(), PROT_READ, MAP_PRIVATE, fileno(file), 0));
    // Changed, then made read-only, like a library's relocated data.
    auto* changed = static_cast<char*>(mmap(nullptr, page, PROT_READ | PROT_WRITE, MAP_PRIVATE, fileno(file), 0));
    ASSERT_NE(clean, MAP_FAILED);
    ASSERT_NE(changed, MAP_FAILED);
    changed[0] = 'x';
    mprotect(changed, page, PROT_READ);
    EXPECT_EQ(std::string(clean, content.size()), std::string(content.data(), content.size()));
    ASSERT_EQ(residentKib(clean), static_cast<long>(content.size() / 1024));

    velmora::app::releaseStartupMemory();

    EXPECT_EQ(residentKib(clean), 0);
    EXPECT_EQ(changed[0], 'x');
    EXPECT_EQ(std::string(clean, content.size()), std::string(content.data(), content.size()));
    munmap(clean, content.size());
    munmap(changed, page);
    std::fclose(file);
}

}  // namespace
