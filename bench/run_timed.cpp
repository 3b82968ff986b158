// Runs a program again and again as bench/dialogue.sh needs it, after one
// run that is not counted (it brings the files into the page cache): in a session
// of its own (as under `setsid -w`, so with no controlling terminal), standard
// input from a file, standard output and standard error to /dev/null. Prints
// the median, lowest and highest wall time of the runs, the peak resident
// memory of the program (not of this helper), the exit status of the last
// run, and the median processor time (user and system) of the runs, which a
// shared machine's load does not inflate, on one line:
//   median_ms=2.31 min_ms=2.10 max_ms=3.02 peak_kb=3572 status=1 cpu_ms=1.20
//
//   run_timed RUNS INPUT PROGRAM [ARGUMENT...]
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct RunResult {
    double milliseconds = 0.0;
    double cpuMilliseconds = 0.0;
    long peakKilobytes = 0;
    int status = -1;
};

class SpawnSetup {
public:
    explicit SpawnSetup(const char* input) {
        posix_spawn_file_actions_init(&actions_);
        posix_spawnattr_init(&attributes_);
        posix_spawn_file_actions_addopen(&actions_, STDIN_FILENO, input, O_RDONLY, 0);
        posix_spawn_file_actions_addopen(&actions_, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_adddup2(&actions_, STDOUT_FILENO, STDERR_FILENO);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETSID);
    }
    SpawnSetup(const SpawnSetup&) = delete;
    SpawnSetup& operator=(const SpawnSetup&) = delete;
    ~SpawnSetup() {
        posix_spawnattr_destroy(&attributes_);
        posix_spawn_file_actions_destroy(&actions_);
    }

    [[nodiscard]] const posix_spawn_file_actions_t* actions() const { return &actions_; }
    [[nodiscard]] const posix_spawnattr_t* attributes() const { return &attributes_; }

private:
    posix_spawn_file_actions_t actions_{};
    posix_spawnattr_t attributes_{};
};

bool runOnce(const SpawnSetup& setup, char** command, RunResult& result) {
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int failure = posix_spawn(&child, command[0], setup.actions(), setup.attributes(), command, environ);
    if (failure != 0) {
        std::fprintf(stderr, "run_timed: cannot start %s: %s\n", command[0], std::strerror(failure));
        return false;
    }
    int status = 0;
    rusage usage{};
    while (wait4(child, &status, 0, &usage) < 0) {
        if (errno != EINTR) return false;
    }
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    result.milliseconds = elapsed.count();
    result.peakKilobytes = usage.ru_maxrss;
    const auto milliseconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) * 1000.0 + static_cast<double>(time.tv_usec) / 1000.0;
    };
    result.cpuMilliseconds = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: run_timed RUNS INPUT PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    if (runs < 1) {
        std::fprintf(stderr, "run_timed: RUNS must be at least 1\n");
        return 2;
    }
    const SpawnSetup setup(argv[2]);
    std::vector<double> times;
    std::vector<double> cpuTimes;
    long peak = 0;
    RunResult last;
    if (!runOnce(setup, argv + 3, last)) return 2;
    for (int i = 0; i < runs; ++i) {
        if (!runOnce(setup, argv + 3, last)) return 2;
        times.push_back(last.milliseconds);
        cpuTimes.push_back(last.cpuMilliseconds);
        peak = std::max(peak, last.peakKilobytes);
    }
    std::sort(times.begin(), times.end());
    std::sort(cpuTimes.begin(), cpuTimes.end());
    const auto median = [](const std::vector<double>& sorted) {
        const std::size_t middle = sorted.size() / 2;
        return sorted.size() % 2 == 1 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2.0;
    };
    std::printf("median_ms=%.3f min_ms=%.3f max_ms=%.3f peak_kb=%ld status=%d cpu_ms=%.3f\n", median(times),
                times.front(), times.back(), peak, last.status, median(cpuTimes));
    return 0;
}
