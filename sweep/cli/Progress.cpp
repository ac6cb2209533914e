// SPDX-License-Identifier: GPL-3.0-or-later
#include "Progress.h"

#include <cstdio>
#include <ostream>

namespace sweep {

namespace {

// 0:07, 12:34, 3:02:01
std::string Duration(std::chrono::seconds time)
{
    const long long seconds = time.count();
    char text[48];
    if (seconds < 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld", seconds / 60, seconds % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", seconds / 3600, seconds / 60 % 60, seconds % 60);
    return text;
}

} // namespace

std::string ProgressText(size_t done, size_t total, std::chrono::seconds elapsed)
{
    std::string text = std::to_string(done) + " of " + std::to_string(total) + " points, " + Duration(elapsed) + " elapsed";
    if (done > 0 && done < total) {
        const double left = static_cast<double>(elapsed.count()) * static_cast<double>(total - done) / static_cast<double>(done);
        text += ", about " + Duration(std::chrono::seconds(static_cast<long long>(left + 0.5))) + " left";
    }
    return text;
}

ProgressLine::ProgressLine(std::ostream& terminal, const std::atomic<size_t>& done, size_t total)
    : terminal_(terminal), done_(done), total_(total), thread_([this](std::stop_token stop) {
          std::unique_lock lock(mutex_);
          do
              Show();
          while (!wake_.wait_for(lock, stop, std::chrono::seconds(1), [&stop] { return stop.stop_requested(); }));
      })
{
}

ProgressLine::~ProgressLine()
{
    thread_.request_stop();
    thread_.join();
    terminal_ << "\r\x1b[K" << std::flush;
}

void ProgressLine::Show()
{
    const auto elapsed = std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start_);
    // Rewritten from the start of the line; the rest of the old line erased.
    terminal_ << '\r' << ProgressText(done_.load(), total_, elapsed) << "\x1b[K" << std::flush;
}

} // namespace sweep
