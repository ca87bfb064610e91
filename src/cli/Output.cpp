#include "Output.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>

namespace kelvara::cli {

int FinishOutput(int status) {
    std::cout.flush();
    errno = 0;
    bool written = std::cout.good() && std::fflush(stdout) == 0 && !std::ferror(stdout);
    written = std::fclose(stdout) == 0 && written;
    if (written) return status;
    std::cerr << "kelvara-calc: the output could not be written: " << std::strerror(errno ? errno : EIO) << "\n";
    return 2;
}

void ReportBrokenPipes() { std::signal(SIGPIPE, SIG_IGN); }

}  // namespace kelvara::cli
