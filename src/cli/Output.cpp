#include "Output.h"

#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace kelvara::cli {

int FinishOutput(int status) {
    std::cout.flush();
    errno = 0;
    // Closing a copy of the descriptor reports what some file systems report
    // only at close, and leaves standard output open for whoever runs next.
    bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    const int copy = dup(fileno(stdout));
    written = copy >= 0 && close(copy) == 0 && written;
    if (written) return status;
    std::cerr << "kelvara-calc: the output could not be written: " << std::strerror(errno ? errno : EIO) << "\n";
    return 2;
}

void ReportBrokenPipes() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace kelvara::cli
