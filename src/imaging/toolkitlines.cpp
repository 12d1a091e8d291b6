#include "toolkitlines.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <mutex>

namespace {

// The lines the current thread catches, when it catches them; what it printed of its last line.
thread_local std::vector<std::string>* tCaught = nullptr;
thread_local std::string tPartLine;

QtMessageHandler gPreviousHandler = nullptr;
FILE* gStderr = nullptr; // the stream stderr was before it was replaced

void qtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (tCaught == nullptr) {
        if (gPreviousHandler != nullptr) {
            gPreviousHandler(type, context, message);
        }
        return;
    }
    if (type == QtWarningMsg || type == QtCriticalMsg) {
        tCaught->push_back(message.toStdString());
    }
}

std::string withoutLibraryPrefix(const std::string& line) {
    for (const char* prefix : {"libpng error: ", "libpng warning: "}) {
        const std::string start(prefix);
        if (line.compare(0, start.size(), start) == 0) {
            return line.substr(start.size());
        }
    }
    return line;
}

// libpng's own error function prints through the C library's stderr stream. The stream put in
// its place keeps the lines of a thread that catches them, and passes on every other byte.
ssize_t writeToStderr(void*, const char* bytes, std::size_t size) {
    if (tCaught == nullptr) {
        return static_cast<ssize_t>(std::fwrite(bytes, 1, size, gStderr));
    }
    tPartLine.append(bytes, size);
    for (std::size_t end = tPartLine.find('\n'); end != std::string::npos;
         end = tPartLine.find('\n')) {
        if (end > 0) {
            tCaught->push_back(withoutLibraryPrefix(tPartLine.substr(0, end)));
        }
        tPartLine.erase(0, end + 1);
    }
    return static_cast<ssize_t>(size);
}

void catchToolkitLines() {
    gPreviousHandler = qInstallMessageHandler(qtMessage);
    cookie_io_functions_t functions{};
    functions.write = writeToStderr;
    FILE* stream = fopencookie(nullptr, "w", functions);
    if (stream == nullptr) {
        return;
    }
    std::setvbuf(stream, nullptr, _IONBF, 0);
    gStderr = stderr;
    // The C library keeps stderr in a variable that may be set, and libpng reads it from there.
    stderr = stream;
}

} // namespace

ToolkitLines::ToolkitLines() {
    static std::once_flag installed;
    std::call_once(installed, catchToolkitLines);
    tCaught = &lines_;
    tPartLine.clear();
}

ToolkitLines::~ToolkitLines() {
    if (!tPartLine.empty()) {
        lines_.push_back(withoutLibraryPrefix(tPartLine));
        tPartLine.clear();
    }
    tCaught = nullptr;
}
