#include "progressbar.h"

#include "toolstatus.h"

#include <cstdio>
#include <unistd.h>

namespace {

constexpr std::size_t kBarWidth = 40;
// Back to the start of the line, and the line cleared.
const char kClearLine[] = "\r\033[K";

} // namespace

ProgressBar::ProgressBar(std::size_t total) : shown_(::isatty(STDERR_FILENO) == 1), total_(total) {
    const std::lock_guard<std::mutex> lock(mutex_);
    drawLocked();
}

void ProgressBar::say(const std::string& line) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (shown_) {
        std::fputs(kClearLine, stderr);
    }
    sayOnStderr("mosaikon-convert", line);
    drawLocked();
}

void ProgressBar::step() {
    const std::lock_guard<std::mutex> lock(mutex_);
    ++done_;
    drawLocked();
}

void ProgressBar::finish() {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (shown_) {
        std::fputs(kClearLine, stderr);
    }
}

void ProgressBar::drawLocked() {
    if (!shown_ || total_ == 0) {
        return;
    }
    const std::size_t filled = done_ * kBarWidth / total_;
    std::fprintf(stderr, "%s[%s%s] %zu of %zu", kClearLine, std::string(filled, '#').c_str(),
                 std::string(kBarWidth - filled, ' ').c_str(), done_, total_);
}
