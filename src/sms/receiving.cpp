#include "receiving.h"

#include "messagereading.h"
#include "modem.h"
#include "outputwriting.h"
#include "refusal.h"
#include "senderchoice.h"
#include "storedmessages.h"
#include "wholewrite.h"

#include <cstdio>

namespace {

// Every message, read or not, sent or not (AT+CMGL's status 4 in PDU mode).
const char kListEverything[] = "AT+CMGL=4";

void writeOutput(const Artwork& artwork, const SmsOptions& options) {
    ConvertOptions written = options.messages;
    written.input = options.modem; // where the picture came from, for the messages
    written.output = options.output;
    const auto bytes = outputBytes(artwork, written);
    const WriteOutcome outcome =
        writeWholeOrNothing(options.output, bytes, Durability::Synced, LockedFolder::Refuse);
    if (!outcome.written) {
        throw Refusal(options.output + ": cannot be written: " + outcome.reason);
    }
}

void deleteParts(Modem& modem, const std::vector<int>& indexes, const SmsOptions& options) {
    const std::string& device = options.modem;
    if (indexes.empty()) {
        throw Refusal(device + ": " + options.output +
                      " was written, but which stored messages made it is unclear; none deleted");
    }
    std::string deleted;
    for (const int index : indexes) {
        const AtResponse answer = modem.command("AT+CMGD=" + std::to_string(index));
        if (answer.final != AtFinal::Ok) {
            throw Refusal(
                device + ": " + options.output + " was written, but stored message " +
                std::to_string(index) + " was not deleted: " + modem.failure(answer) +
                (deleted.empty() ? "; none deleted before it" : "; deleted before it:" + deleted));
        }
        deleted += " " + std::to_string(index);
        if (!options.quiet) {
            std::fprintf(stderr, "stored message %d deleted\n", index);
        }
    }
}

} // namespace

void receiveFromModem(const SmsOptions& options) {
    const std::string& device = options.modem;
    Modem modem(modemSettings(options));
    const AtResponse answer = modem.command(kListEverything);
    if (answer.final != AtFinal::Ok) {
        throw Refusal(device + ": the stored messages cannot be listed (" + kListEverything +
                      "): " + modem.failure(answer));
    }
    const std::vector<StoredMessage> stored = storedMessages(answer.lines);
    const std::vector<std::uint8_t> listing = listingOf(stored);
    if (options.list) {
        std::fputs(describeMessageListing(device, listing).c_str(), stdout);
        return;
    }
    const Artwork artwork = readMessageListing(device, listing);
    writeOutput(artwork, options);
    if (options.deleteParts) {
        deleteParts(modem, indexesOf(artwork, stored, device), options);
    }
}
