#include "boundedread.h"

#include "descriptor.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

bool isRegularFile(int descriptor) {
    struct stat status {};
    return ::fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
}

} // namespace

std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t limit) {
    // Opening without blocking returns at once even for a FIFO without a writer; what was opened
    // is then checked, not the name, which may have been replaced since the dialog saw it.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0 || !isRegularFile(file.get())) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(limit);
    std::size_t length = 0;
    while (length < limit) {
        const ssize_t count = ::read(file.get(), bytes.data() + length, limit - length);
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
