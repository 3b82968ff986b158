// Starts the program from a small process image and reports how it ended.
// The resident-set peak that the kernel reports for a process includes what
// it held before its exec, so a program forked straight from the large test
// process would be charged with the test's memory.
// The program runs with address-space randomization off where the system
// allows it, so that its peak is the same from one run to the next.
//   launcher REPORT_FD PROGRAM [ARGUMENT...]: runs PROGRAM with its
//   arguments and the launcher's standard streams, waits, and writes "exited status signal peak_kilobytes
//   fixed_layout\n" to REPORT_FD.
#include <sys/personality.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) return 127;
    const int reportFd = std::atoi(argv[1]);
    const int current = ::personality(0xffffffff);
    const bool fixedLayout =
        current != -1 && ::personality(static_cast<unsigned long>(current) | ADDR_NO_RANDOMIZE) != -1;
    const pid_t child = ::fork();
    if (child < 0) return 127;
    if (child == 0) {
        ::close(reportFd);
        ::execv(argv[2], argv + 2);
        ::_exit(127);
    }
    int status = 0;
    rusage usage{};
    while (::wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) return 127;
    }
    std::array<char, 96> report{};
    const int length = std::snprintf(report.data(), report.size(), "%d %d %d %ld %d\n", WIFEXITED(status) ? 1 : 0,
                                     WIFEXITED(status) ? WEXITSTATUS(status) : -1,
                                     WIFSIGNALED(status) ? WTERMSIG(status) : 0, usage.ru_maxrss, fixedLayout ? 1 : 0);
    return ::write(reportFd, report.data(), static_cast<std::size_t>(length)) == length ? 0 : 127;
}
