#include "wholewrite.h"

#include "descriptor.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

WriteOutcome failure() {
    return {false, std::strerror(errno)};
}

bool writeAll(int descriptor, const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t count = ::write(descriptor, bytes.data() + done, bytes.size() - done);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count <= 0) {
            if (count == 0) {
                errno = EIO;
            }
            return false;
        }
        done += static_cast<std::size_t>(count);
    }
    return true;
}

// A device or a FIFO takes the bytes as they come; it is never replaced or removed.
WriteOutcome writeInPlace(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    // Without O_NONBLOCK a FIFO that nobody reads would block the open forever; with it the open
    // fails at once (ENXIO). Writes then block as usual, so a slow reader gets every byte.
    const Descriptor file(::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        return failure();
    }
    const int flags = ::fcntl(file.get(), F_GETFL);
    if (flags < 0 || ::fcntl(file.get(), F_SETFL, flags & ~O_NONBLOCK) < 0 ||
        !writeAll(file.get(), bytes)) {
        return failure();
    }
    return {true, {}};
}

// The file a link leads to, so that the link stays a link; the path itself otherwise.
std::string followedPath(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

WriteOutcome replaceRegular(const std::string& path, const std::vector<std::uint8_t>& bytes,
                            Durability durability) {
    const std::string target = followedPath(path);
    const std::size_t slash = target.rfind('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? target : target.substr(slash + 1);
    std::string temporary = folder + "." + name + ".XXXXXX";

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0) {
        return failure();
    }
    const auto fail = [&temporary]() {
        const WriteOutcome outcome = failure();
        ::unlink(temporary.c_str());
        return outcome;
    };
    if (::fchmod(file.get(), exists ? old.st_mode & 07777 : newFileMode()) != 0) {
        return fail();
    }
    if (exists) {
        // Root replacing someone else's file leaves it theirs; anyone else cannot, and need not.
        static_cast<void>(::fchown(file.get(), old.st_uid, old.st_gid));
    }
    if (!writeAll(file.get(), bytes) ||
        (durability == Durability::Synced && ::fsync(file.get()) != 0) ||
        ::close(file.release()) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) {
        return fail();
    }
    return {true, {}};
}

} // namespace

WriteOutcome writeWholeOrNothing(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                 Durability durability) {
    static const bool sizeLimitIsAnError = std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR;
    static_cast<void>(sizeLimitIsAnError);

    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        return writeInPlace(path, bytes);
    }
    return replaceRegular(path, bytes, durability);
}
