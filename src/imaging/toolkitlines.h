#pragma once

#include <string>
#include <vector>

// What Qt's image readers and the libraries under them say while the calling thread decodes:
// Qt's warnings (libjpeg's "Corrupt JPEG data: ..." among them) and what libpng prints on stderr
// itself ("libpng error: ..."). Caught while an instance lives, they never reach stderr, and a
// decode that caused any is a damaged file. Other threads, and this one before and after, print
// as they always did.
class ToolkitLines {
public:
    ToolkitLines();
    ~ToolkitLines();
    ToolkitLines(const ToolkitLines&) = delete;
    ToolkitLines& operator=(const ToolkitLines&) = delete;

    // The warnings and errors caught, in their order, without the library's own prefix
    // ("IDAT: invalid distance too far back"); informational lines are dropped.
    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};
