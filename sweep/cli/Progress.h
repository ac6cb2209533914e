// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <iosfwd>
#include <mutex>
#include <string>
#include <thread>

namespace sweep {

// "25 of 100 points, 1:15 elapsed, about 3:45 left": how far a sweep has
// come; the estimate needs a point done.
std::string ProgressText(size_t done, size_t total, std::chrono::seconds elapsed);

// Shows the progress on a terminal: the line is written at once and then
// rewritten in place every second, and cleared when this is destroyed.
class ProgressLine {
public:
    ProgressLine(std::ostream& terminal, const std::atomic<size_t>& done, size_t total);
    ~ProgressLine();
    ProgressLine(const ProgressLine&) = delete;
    ProgressLine& operator=(const ProgressLine&) = delete;

private:
    void Show();

    std::ostream& terminal_;
    const std::atomic<size_t>& done_;
    const size_t total_;
    const std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    std::mutex mutex_;
    std::condition_variable_any wake_;
    std::jthread thread_; // last: it starts once the rest is ready
};

} // namespace sweep
