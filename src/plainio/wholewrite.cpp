#include "wholewrite.h"

#include "descriptor.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <optional>
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

// A device or a FIFO takes the bytes as they come; it is never replaced or removed. A regular
// file is cut to the new length only once every byte is written, so that a write that fails at
// once leaves it as it was.
WriteOutcome writeInPlace(const std::string& path, const std::vector<std::uint8_t>& bytes,
                          Durability durability) {
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
    struct stat opened {};
    if (::fstat(file.get(), &opened) != 0) {
        return failure();
    }
    if (S_ISREG(opened.st_mode) &&
        (::ftruncate(file.get(), static_cast<off_t>(bytes.size())) != 0 ||
         (durability == Durability::Synced && ::fsync(file.get()) != 0))) {
        return failure();
    }
    return {true, {}};
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The name a chain of links ends in, so that a link stays a link and the file it leads to is
// replaced, or made when the link leads nowhere yet; the path itself when it is no link. Links
// within the folders on the way need no following: the rename happens in the last folder.
std::optional<std::string> followedPath(const std::string& path) {
    constexpr int kMostLinks = 40; // as many as the system follows in one path
    std::string current = path;
    for (int link = 0; link < kMostLinks; ++link) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target);
        if (length < 0) {
            return current;
        }
        if (length == sizeof target) {
            errno = ENAMETOOLONG;
            return std::nullopt;
        }
        const std::string next(target, static_cast<std::size_t>(length));
        current = next[0] == '/' ? next : folderOf(current) + next;
    }
    errno = ELOOP;
    return std::nullopt;
}

bool syncFolder(const std::string& folder) {
    const Descriptor opened(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    return opened.get() >= 0 && ::fsync(opened.get()) == 0;
}

mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

WriteOutcome replaceRegular(const std::string& path, const std::vector<std::uint8_t>& bytes,
                            Durability durability, LockedFolder lockedFolder) {
    const std::optional<std::string> followed = followedPath(path);
    if (!followed) {
        return failure();
    }
    const std::string& target = *followed;
    const std::string folder = folderOf(target);
    // Cut short, the temporary name stays within the longest name a folder takes (255 bytes).
    const std::string name = target.substr(folder.size(), 200);
    std::string temporary = folder + "." + name + ".XXXXXX";

    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (file.get() < 0 && errno == EACCES && exists && lockedFolder == LockedFolder::WriteInPlace) {
        return writeInPlace(target, bytes, durability);
    }
    if (file.get() < 0) {
        return failure();
    }
    const auto fail = [&temporary]() {
        const WriteOutcome outcome = failure();
        ::unlink(temporary.c_str());
        return outcome;
    };
    // Root replacing someone else's file leaves it theirs; anyone else cannot, and need not. The
    // owner comes first: changing it clears the set-user and set-group bits the mode may hold.
    if (exists) {
        const bool ownerKept = ::fchown(file.get(), old.st_uid, old.st_gid) == 0;
        static_cast<void>(ownerKept);
    }
    if (::fchmod(file.get(), exists ? old.st_mode & 07777 : newFileMode()) != 0) {
        return fail();
    }
    if (!writeAll(file.get(), bytes) ||
        (durability == Durability::Synced && ::fsync(file.get()) != 0) ||
        ::close(file.release()) != 0 || ::rename(temporary.c_str(), target.c_str()) != 0) {
        return fail();
    }
    // The new name lives in the folder: until the folder is on the disk, a power cut can still
    // bring back the old file, or no file at all.
    if (durability == Durability::Synced && !syncFolder(folder)) {
        return failure();
    }
    return {true, {}};
}

// A size limit and a reader that went away become write errors, not the end of the process.
void makeFailuresErrors() {
    static const bool failuresAreErrors =
        std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR && std::signal(SIGPIPE, SIG_IGN) != SIG_ERR;
    static_cast<void>(failuresAreErrors);
}

} // namespace

WriteOutcome writeToDescriptor(int descriptor, const std::vector<std::uint8_t>& bytes) {
    makeFailuresErrors();
    if (!writeAll(descriptor, bytes)) {
        return failure();
    }
    return {true, {}};
}

WriteOutcome writeWholeOrNothing(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                 Durability durability, LockedFolder lockedFolder) {
    makeFailuresErrors();
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && !S_ISREG(status.st_mode)) {
        return writeInPlace(path, bytes, durability);
    }
    return replaceRegular(path, bytes, durability, lockedFolder);
}
