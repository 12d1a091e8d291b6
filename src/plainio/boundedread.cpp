#include "boundedread.h"

#include "descriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// The size of the regular file open as `descriptor`; nothing for anything else.
std::optional<std::size_t> regularFileSize(int descriptor) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(status.st_size);
}

} // namespace

std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t limit) {
    // Opening without blocking returns at once even for a FIFO without a writer; what was opened
    // is then checked, not the name, which may have been replaced since the dialog saw it.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    const auto size = file.get() < 0 ? std::nullopt : regularFileSize(file.get());
    if (!size) {
        return std::nullopt;
    }
    // The buffer starts at the size the file has now, one byte more to see its end, and grows
    // only if the file does while it is read: a large limit costs nothing for a small file.
    std::vector<std::uint8_t> bytes(std::min(limit, *size + 1));
    std::size_t length = 0;
    while (length < limit) {
        if (length == bytes.size()) {
            bytes.resize(std::min(limit, 2 * bytes.size()));
        }
        const ssize_t count = ::read(file.get(), bytes.data() + length, bytes.size() - length);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            return std::nullopt;
        }
        if (count == 0) {
            break;
        }
        length += static_cast<std::size_t>(count);
    }
    bytes.resize(length);
    return bytes;
}
