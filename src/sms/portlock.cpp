#include "portlock.h"

#include "refusal.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <signal.h>
#include <sstream>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

namespace {

struct Holder {
    int pid = 0;
    std::string program; // the process's comm
};

std::string realPath(const std::string& path) {
    char resolved[PATH_MAX];
    return ::realpath(path.c_str(), resolved) != nullptr ? std::string(resolved) : path;
}

// "ttyUSB0" for /dev/ttyUSB0, "pts_3" for /dev/pts/3.
std::string lockName(const std::string& resolved) {
    std::string name = resolved.compare(0, 5, "/dev/") == 0 ? resolved.substr(5) : resolved;
    for (char& c : name) {
        c = c == '/' ? '_' : c;
    }
    return "LCK.." + name;
}

std::string programOf(int pid) {
    FILE* file = std::fopen(("/proc/" + std::to_string(pid) + "/comm").c_str(), "r");
    if (file == nullptr) {
        return "a program";
    }
    char name[64] = {};
    const bool read = std::fgets(name, sizeof name, file) != nullptr;
    std::fclose(file);
    std::string program = read ? name : "a program";
    program.erase(program.find_last_not_of('\n') + 1);
    return program;
}

// The other processes that have `resolved` open, as far as /proc lets us see.
std::vector<Holder> processesWithOpen(const std::string& resolved) {
    std::vector<Holder> holders;
    DIR* processes = ::opendir("/proc");
    if (processes == nullptr) {
        return holders;
    }
    while (const dirent* process = ::readdir(processes)) {
        const int pid = std::atoi(process->d_name);
        if (pid <= 0 || pid == ::getpid()) {
            continue;
        }
        const std::string fdFolder = "/proc/" + std::string(process->d_name) + "/fd";
        DIR* fds = ::opendir(fdFolder.c_str());
        if (fds == nullptr) {
            continue;
        }
        while (const dirent* fd = ::readdir(fds)) {
            char target[PATH_MAX];
            const ssize_t length =
                ::readlink((fdFolder + "/" + fd->d_name).c_str(), target, sizeof target - 1);
            if (length > 0 && std::string(target, static_cast<std::size_t>(length)) == resolved) {
                holders.push_back({pid, programOf(pid)});
                break;
            }
        }
        ::closedir(fds);
    }
    ::closedir(processes);
    return holders;
}

std::string named(const Holder& holder) {
    return holder.program + " (pid " + std::to_string(holder.pid) + ")";
}

[[noreturn]] void refuseModemManager(const std::string& device, const Holder& holder) {
    throw Refusal(device + ": " + named(holder) +
                  " holds the port; stop it (systemctl stop ModemManager) or tell it to leave "
                  "the modem alone (udev property ID_MM_DEVICE_IGNORE=1)");
}

// The process id a lock file holds: ten ASCII digits, or the four binary octets of old programs.
int pidInLockFile(int fd) {
    char text[32] = {};
    const ssize_t length = ::pread(fd, text, sizeof text - 1, 0);
    if (length == 4 && std::strspn(text, " 0123456789\n") < 4) {
        int binary = 0;
        std::memcpy(&binary, text, sizeof binary);
        return binary;
    }
    return length > 0 ? std::atoi(text) : 0;
}

// The process whose flock() holds the open file, from /proc/locks, whose lines read
// "1: FLOCK  ADVISORY  WRITE 812 00:19:4 0 EOF": the pid, the file system's device in hex and
// the inode. 0 when none is listed.
int flockHolder(int descriptor) {
    struct stat opened {};
    std::ifstream locks("/proc/locks");
    if (::fstat(descriptor, &opened) != 0 || !locks) {
        return 0;
    }
    char file[64];
    std::snprintf(file, sizeof file, "%02x:%02x:%lu", major(opened.st_dev), minor(opened.st_dev),
                  static_cast<unsigned long>(opened.st_ino));
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string number, kind, advisory, access, where;
        int pid = 0;
        if (fields >> number >> kind >> advisory >> access >> pid >> where && kind == "FLOCK" &&
            where == file) {
            return pid;
        }
    }
    return 0;
}

bool isAlive(int pid) {
    return pid > 0 && (::kill(pid, 0) == 0 || errno == EPERM);
}

} // namespace

PortLock::PortLock(const std::string& device, int descriptor, const std::string& lockFolder) {
    const std::string resolved = realPath(device);
    const std::vector<Holder> users = processesWithOpen(resolved);
    for (const Holder& user : users) {
        if (user.program == "ModemManager") {
            refuseModemManager(device, user);
        }
    }
    const std::string path = lockFolder + "/" + lockName(resolved);
    for (int attempt = 0; attempt < 2 && lockFile_.empty(); ++attempt) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            char text[16];
            std::snprintf(text, sizeof text, "%10d\n", static_cast<int>(::getpid()));
            const bool written = ::write(fd, text, 11) == 11;
            ::close(fd);
            if (!written) {
                ::unlink(path.c_str());
                break;
            }
            lockFile_ = path;
            break;
        }
        if (errno != EEXIST) {
            break; // no lock folder to write in: flock() alone holds the port
        }
        const int existing = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const int pid = existing >= 0 ? pidInLockFile(existing) : 0;
        if (existing >= 0) {
            ::close(existing);
        }
        if (isAlive(pid)) {
            throw Refusal(device + ": " + named({pid, programOf(pid)}) + " holds the port (" +
                          path + ")");
        }
        ::unlink(path.c_str()); // its process is gone
    }
    if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
        const int pid = flockHolder(descriptor);
        const std::string who = pid > 0 ? named({pid, programOf(pid)}) : "another program";
        if (!lockFile_.empty()) {
            ::unlink(lockFile_.c_str());
        }
        throw Refusal(device + ": " + who + " holds the port");
    }
}

PortLock::~PortLock() {
    if (!lockFile_.empty()) {
        ::unlink(lockFile_.c_str());
    }
}
