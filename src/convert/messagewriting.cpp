#include "messagewriting.h"

#include "refusal.h"

std::vector<std::uint8_t> messageFile(const Artwork&, const ConvertOptions& options) {
    throw Refusal(options.output + ": writing messages is not built yet");
}

std::string describeMessages(const Artwork&, const ConvertOptions& options) {
    throw Refusal(options.input + ": describing messages is not built yet");
}
