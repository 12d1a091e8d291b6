#pragma once

#include <cstddef>
#include <mutex>
#include <string>

// The lines of a long run on stderr, from any thread: messages, one a line, and below them a
// bar of the files done, redrawn in place, when stderr is a terminal.
class ProgressBar {
public:
    explicit ProgressBar(std::size_t total);

    void say(const std::string& line); // "mosaikon-convert: line", above the bar
    void step();                       // one more file done
    void finish();                     // takes the bar away

private:
    void drawLocked();

    std::mutex mutex_;
    const bool shown_;
    const std::size_t total_;
    std::size_t done_ = 0;
};
