#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// The first `limit` bytes of a regular file, all of it when it is shorter; nothing when the path
// names no regular file or it cannot be read. A FIFO or a device is never opened (the first
// would wait for a writer), and a huge file is never loaded whole.
std::optional<std::vector<std::uint8_t>> readFileStart(const QString& path, std::size_t limit);
