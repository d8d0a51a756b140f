#include "crash/ProcessMaps.h"

#include <cerrno>
#include <climits>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace kelvane {

namespace {

constexpr int MaxMappings = 4096;
Mapping mappings[MaxMappings];
int mappingCount = 0;
char pathPool[256 * 1024];
std::size_t poolUsed = 0;

std::uintptr_t ParseHex(const char*& p) {
    std::uintptr_t v = 0;
    for (;; ++p) {
        char c = *p;
        if (c >= '0' && c <= '9')
            v = v * 16 + static_cast<std::uintptr_t>(c - '0');
        else if (c >= 'a' && c <= 'f')
            v = v * 16 + static_cast<std::uintptr_t>(c - 'a' + 10);
        else
            return v;
    }
}

const char* SkipField(const char* p) {
    while (*p && *p != ' ')
        ++p;
    while (*p == ' ')
        ++p;
    return p;
}

void AddMapping(const char* line) {
    const char* p = line;
    std::uintptr_t start = ParseHex(p);
    if (*p != '-')
        return;
    ++p;
    std::uintptr_t end = ParseHex(p);
    while (*p == ' ')
        ++p;
    bool executable = p[0] && p[1] && p[2] == 'x';
    p = SkipField(p); // permissions
    p = SkipField(p); // offset
    p = SkipField(p); // device
    p = SkipField(p); // inode
    if (*p != '/' || mappingCount >= MaxMappings)
        return;
    std::size_t len = std::strlen(p);
    int path;
    const char* last = mappingCount > 0 ? pathPool + mappings[mappingCount - 1].path : "";
    if (mappingCount > 0 && std::strcmp(last, p) == 0) {
        path = mappings[mappingCount - 1].path;
    } else {
        if (poolUsed + len + 1 > sizeof pathPool)
            return;
        std::memcpy(pathPool + poolUsed, p, len + 1);
        path = static_cast<int>(poolUsed);
        poolUsed += len + 1;
    }
    mappings[mappingCount++] = Mapping{start, end, path, executable};
}

} // namespace

void LoadMappings() {
    mappingCount = 0;
    poolUsed = 0;
    int fd = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    char buf[4096];
    char line[PATH_MAX + 256];
    std::size_t lineLength = 0;
    for (;;) {
        ssize_t n = read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        for (ssize_t i = 0; i < n; ++i) {
            if (buf[i] == '\n') {
                line[lineLength] = '\0';
                AddMapping(line);
                lineLength = 0;
            } else if (lineLength + 1 < sizeof line) {
                line[lineLength++] = buf[i];
            }
        }
    }
    close(fd);
}

const Mapping* MappingOf(std::uintptr_t addr) {
    for (int i = 0; i < mappingCount; ++i)
        if (addr >= mappings[i].start && addr < mappings[i].end)
            return &mappings[i];
    return nullptr;
}

std::uintptr_t LoadAddressOf(const Mapping& m) {
    std::uintptr_t low = m.start;
    for (int i = 0; i < mappingCount; ++i)
        if (mappings[i].path == m.path && mappings[i].start < low)
            low = mappings[i].start;
    return low;
}

const char* PathOf(const Mapping& m) {
    return pathPool + m.path;
}

bool InCode(std::uintptr_t addr) {
    const Mapping* m = MappingOf(addr);
    return m && m->executable;
}

} // namespace kelvane
