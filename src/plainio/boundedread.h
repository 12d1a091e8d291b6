#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Why nothing was read: the system's own words ("No such file or directory", "Is a directory",
// "Permission denied"), or "not a regular file" for a FIFO, a device or a socket.
struct ReadFailure {
    std::string reason;
};

using ReadResult = std::variant<std::vector<std::uint8_t>, ReadFailure>;

// The first `limit` bytes of a regular file, all of it when it is shorter, or why it cannot be
// read. A FIFO or a device is refused without waiting for a writer, also when it took the place
// of a regular file a moment ago, and a huge file is never loaded whole. The path is taken as the
// bytes the system knows, whatever their encoding.
ReadResult readRegularFileStart(const std::string& path, std::size_t limit);

// The same, with no reason given: nothing when it cannot be read.
std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t limit);

// The first `limit` bytes an open descriptor of any kind gives (standard input, a pipe, a
// terminal), read until its end or the limit, waiting for them as reading does.
ReadResult readStreamStart(int descriptor, std::size_t limit);
