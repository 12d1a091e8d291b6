#include "boundedread.h"

#include "descriptor.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

ReadFailure systemFailure() {
    return {std::strerror(errno)};
}

// Reads until the end or `limit`, into a buffer that starts at `expected` bytes and grows only
// if more come: a large limit costs nothing for a small file.
ReadResult readUpTo(int descriptor, std::size_t limit, std::size_t expected) {
    std::vector<std::uint8_t> bytes(std::min(limit, std::max<std::size_t>(expected, 1)));
    std::size_t length = 0;
    while (length < limit) {
        if (length == bytes.size()) {
            bytes.resize(std::min(limit, 2 * bytes.size()));
        }
        const ssize_t count = ::read(descriptor, bytes.data() + length, bytes.size() - length);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return systemFailure();
        }
        if (count == 0) {
            break;
        }
        length += static_cast<std::size_t>(count);
    }
    bytes.resize(length);
    return bytes;
}

} // namespace

ReadResult readRegularFileStart(const std::string& path, std::size_t limit) {
    // Opening without blocking returns at once even for a FIFO without a writer; what was opened
    // is then checked, not the name, which may have been replaced since the dialog saw it.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    struct stat status {};
    if (file.get() < 0 || ::fstat(file.get(), &status) != 0) {
        return systemFailure();
    }
    if (S_ISDIR(status.st_mode)) {
        return ReadFailure{std::strerror(EISDIR)};
    }
    if (!S_ISREG(status.st_mode)) {
        return ReadFailure{"not a regular file"};
    }
    // One byte more than the file has now, to see its end.
    return readUpTo(file.get(), limit, static_cast<std::size_t>(status.st_size) + 1);
}

std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t limit) {
    auto result = readRegularFileStart(path, limit);
    auto* bytes = std::get_if<std::vector<std::uint8_t>>(&result);
    if (bytes == nullptr) {
        return std::nullopt;
    }
    return std::move(*bytes);
}

ReadResult readStreamStart(int descriptor, std::size_t limit) {
    constexpr std::size_t kFirstBuffer = 64 * 1024;
    return readUpTo(descriptor, limit, kFirstBuffer);
}
