#include "outgoingmessage.h"

#include "messagewriting.h"

std::vector<OutgoingMessage> outgoingMessages(const Artwork& artwork,
                                              const ConvertOptions& options) {
    const std::vector<ShortMessage> shaped = shortMessages(artwork, options);
    std::vector<OutgoingMessage> messages;
    for (const ShortMessage& message : shaped) {
        OutgoingMessage outgoing;
        outgoing.number = static_cast<int>(messages.size()) + 1;
        outgoing.count = static_cast<int>(shaped.size());
        outgoing.message = message;
        outgoing.tpdu = submitTpdu(options.number, message);
        outgoing.userData = userDataOf(message);
        outgoing.coding = message.body.coding;
        messages.push_back(std::move(outgoing));
    }
    return messages;
}
