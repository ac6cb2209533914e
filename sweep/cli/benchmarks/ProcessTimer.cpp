// SPDX-License-Identifier: GPL-3.0-or-later
// Times whole processes from start to exit, their output discarded:
//   process-timer RUNS COMMAND... [-- COMMAND...]...
// The commands take turns, one run of each at a time, so that every one
// meets the same load of the machine, after one run of each that warms the
// file cache. Prints, per command, the median wall time from fork to the
// end of its wait and the median CPU time (user + system) of the process,
// each with its ratio to the first command's.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Times {
    double Wall;
    double Cpu;
};

double Seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
}

// One run of the command, or nothing when it could not start or failed.
bool Run(std::vector<char*>& command, Times& times)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0)
        return false;
    if (child == 0) {
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
        execv(command[0], command.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return false;
    times.Wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    times.Cpu = Seconds(usage.ru_utime) + Seconds(usage.ru_stime);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    std::vector<std::vector<char*>> commands(1);
    for (int i = 2; i < argc; ++i) {
        if (std::string(argv[i]) == "--")
            commands.emplace_back();
        else
            commands.back().push_back(argv[i]);
    }
    if (runs < 1 || std::any_of(commands.begin(), commands.end(), [](const auto& c) { return c.empty(); })) {
        std::fprintf(stderr, "usage: process-timer RUNS COMMAND... [-- COMMAND...]...\n");
        return 2;
    }
    for (auto& command : commands)
        command.push_back(nullptr);

    std::vector<std::vector<double>> wall(commands.size()), cpu(commands.size());
    for (int run = -1; run < runs; ++run)
        for (size_t c = 0; c < commands.size(); ++c) {
            Times times{};
            if (!Run(commands[c], times)) {
                std::fprintf(stderr, "process-timer: %s failed\n", commands[c][0]);
                return 1;
            }
            if (run >= 0) {
                wall[c].push_back(times.Wall);
                cpu[c].push_back(times.Cpu);
            }
        }
    const double wall0 = Median(wall[0]), cpu0 = Median(cpu[0]);
    std::printf("%-10s %6s %10s %6s  %s\n", "wall ms", "ratio", "CPU ms", "ratio", "command");
    for (size_t c = 0; c < commands.size(); ++c) {
        std::string line;
        for (char* const* word = commands[c].data(); *word != nullptr; ++word)
            line += (line.empty() ? "" : " ") + std::string(*word);
        std::printf("%10.2f %6.2f %10.2f %6.2f  %s\n", Median(wall[c]) * 1e3, Median(wall[c]) / wall0,
            Median(cpu[c]) * 1e3, Median(cpu[c]) / cpu0, line.c_str());
    }
    return 0;
}
