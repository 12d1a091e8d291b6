#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct WriteOutcome {
    bool written = false;
    std::string reason; // what the system said, when not written
};

// Whether the new file, and then its folder, are flushed to the disk before the call returns. A
// thumbnail, made again whenever it is missing, need not be; a user's converted file should.
enum class Durability { Cached, Synced };

// What becomes of a writable regular file whose folder takes no new file (a read-only folder),
// where no temporary file can be made beside it. The editor's Save writes it in place, so that
// such a file can still be saved; a tool refuses it, so that its output stays whole or absent.
enum class LockedFolder { Refuse, WriteInPlace };

// Writes `bytes` to `path`, whole or not at all, and never destroys what it did not write:
// - a regular file (or a new name) is written as a temporary file in the same folder, then
//   renamed over it; the old file stays whole until then, and keeps its owner and permissions.
//   A link to a regular file replaces the file it leads to and stays a link; a link that leads
//   nowhere yet gets that file made;
// - anything else that exists (a device, a FIFO, a link to one) is written in place and never
//   removed; a FIFO that nobody reads fails at once instead of waiting;
// - a regular file in a folder that takes no new file is written in place, cut to the new
//   length, when `lockedFolder` allows it; a failure there can leave it cut short;
// - on a failure only the temporary file made here is removed.
// A file-size limit (RLIMIT_FSIZE) or a FIFO whose reader goes away is a write error, not the end
// of the process: the first call ignores SIGXFSZ and SIGPIPE for the rest of the process.
WriteOutcome writeWholeOrNothing(const std::string& path, const std::vector<std::uint8_t>& bytes,
                                 Durability durability, LockedFolder lockedFolder);

// Writes every byte to an open descriptor (standard output, a pipe), as far as the system takes
// them; a reader that went away is an error ("Broken pipe"), as above.
WriteOutcome writeToDescriptor(int descriptor, const std::vector<std::uint8_t>& bytes);
