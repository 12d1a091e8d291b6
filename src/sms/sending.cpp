#include "sending.h"

#include "refusal.h"

#include <cstdio>

namespace {

std::string ordinal(const OutgoingMessage& message) {
    return "message " + std::to_string(message.number) + " of " + std::to_string(message.count);
}

// "none was sent before it", or "sent before it: 1 (reference 41), 2 (reference 42)".
std::string sentBefore(const std::vector<std::string>& receipts) {
    if (receipts.empty()) {
        return "none was sent before it";
    }
    std::string text = "sent before it: ";
    for (std::size_t i = 0; i < receipts.size(); ++i) {
        text += (i > 0 ? ", " : "") + std::to_string(i + 1) + " (" + receipts[i] + ")";
    }
    return text;
}

} // namespace

void sendAll(const std::vector<OutgoingMessage>& messages, MessageSender& sender, bool quiet) {
    std::vector<std::string> receipts;
    for (const OutgoingMessage& message : messages) {
        const SendOutcome outcome = sender.send(message);
        if (!outcome.sent) {
            throw Refusal(ordinal(message) + " was not sent: " + outcome.failure + "; " +
                          sentBefore(receipts));
        }
        receipts.push_back(outcome.receipt);
        if (!quiet) {
            std::fprintf(stderr, "%s sent, %s\n", ordinal(message).c_str(),
                         outcome.receipt.c_str());
        }
    }
}
