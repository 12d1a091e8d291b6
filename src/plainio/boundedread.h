#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The first `limit` bytes of a regular file, all of it when it is shorter; nothing when the path
// names no regular file or it cannot be read. A FIFO or a device is refused without waiting for
// a writer, also when it took the place of a regular file a moment ago, and a huge file is never
// loaded whole. The path is taken as the bytes the system knows, whatever their encoding.
std::optional<std::vector<std::uint8_t>> readFileStart(const std::string& path, std::size_t limit);
