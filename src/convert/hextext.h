#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Octets as upper-case hexadecimal, two digits each, as TPDU listings and gateways write them.
std::string hexText(const std::vector<std::uint8_t>& octets);
