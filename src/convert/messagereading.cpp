#include "messagereading.h"

#include "refusal.h"

Artwork readMessageListing(const std::string& path, const std::vector<std::uint8_t>&) {
    throw Refusal(path + ": reading messages is not built yet");
}

std::string describeMessageListing(const std::string& path, const std::vector<std::uint8_t>&) {
    throw Refusal(path + ": reading messages is not built yet");
}
