#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// readFileStart of plainio for a path as Qt holds it.
std::optional<std::vector<std::uint8_t>> readFileStart(const QString& path, std::size_t limit);
