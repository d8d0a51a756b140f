#include "crash/ProcessInfo.h"

#include <climits>
#include <sys/uio.h>
#include <unistd.h>

namespace kelvane {

std::string ProgramFileName() {
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0)
        return std::string();
    return std::string(buf, static_cast<std::size_t>(n));
}

std::string ProgramFolder() {
    std::string path = ProgramFileName();
    std::string::size_type slash = path.rfind('/');
    if (slash == std::string::npos)
        return "./";
    return path.substr(0, slash + 1);
}

std::string FileNameOnly(const std::string& path) {
    std::string::size_type slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool SafeRead(void* dst, std::uintptr_t src, std::size_t n) {
    if (n == 0)
        return true;
    iovec local{dst, n};
    iovec remote{reinterpret_cast<void*>(src), n};
    return process_vm_readv(getpid(), &local, 1, &remote, 1, 0) == static_cast<ssize_t>(n);
}

} // namespace kelvane
