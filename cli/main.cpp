#include "CliRunner.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>

int main(int argc, char* argv[]) {
    // A standard stream started closed would give its number to the next file
    // opened, and the printed output would land in that file: hold the number
    // with /dev/null, and count standard output as lost.
    const bool stdoutClosed = ::fcntl(STDOUT_FILENO, F_GETFD) == -1;
    for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
        if (::fcntl(fd, F_GETFD) == -1)
            ::open("/dev/null", fd == STDIN_FILENO ? O_RDONLY : O_WRONLY);
    }
    if (stdoutClosed)
        std::cout.setstate(std::ios::badbit);
    std::vector<std::string> args(argv + 1, argv + argc);
    const int status = kelvane::CliRunner().Run(args, std::cout, std::cerr);
    // What is still buffered is written now, and a file system may report a
    // failed write only at the close.
    const bool written = std::fflush(stdout) == 0 && ::close(STDOUT_FILENO) == 0;
    if (!written && status == 0 && !stdoutClosed) {
        std::cerr << "kelvane-cli: Unable to write to standard output: " << std::strerror(errno)
                  << '\n';
        return 1;
    }
    return status;
}
