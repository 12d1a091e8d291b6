#include "messagewriting.h"

#include "emsmessages.h"
#include "hextext.h"
#include "messagejson.h"
#include "nokiasmart.h"
#include "refusal.h"
#include "smssubmit.h"
#include "standingstill.h"
#include "utf8.h"

#include <algorithm>

namespace {

std::string sizeOf(const Artwork& artwork) {
    return std::to_string(artwork.width) + " x " + std::to_string(artwork.height);
}

std::u32string textOf(const ConvertOptions& options) {
    if (!options.text) {
        return {};
    }
    auto text = decodeUtf8(*options.text);
    if (!text) {
        throw Refusal(options.input + ": the text of --text is not UTF-8");
    }
    return *text;
}

std::vector<ShortMessage>
messagesOrRefusal(const std::variant<std::vector<ShortMessage>, EmsProblem>& result,
                  const ConvertOptions& options, const Artwork& artwork) {
    if (const auto* messages = std::get_if<std::vector<ShortMessage>>(&result)) {
        return *messages;
    }
    switch (std::get<EmsProblem>(result)) {
    case EmsProblem::TooLarge:
        throw Refusal(options.input + ": a " + sizeOf(artwork) +
                      " picture is more than the message elements can describe");
    case EmsProblem::TooManyMessages:
        throw Refusal(options.input + ": it would take more than 255 messages");
    case EmsProblem::PositionBeyondText:
        throw Refusal(options.input + ": --position " + std::to_string(options.position) +
                      " lies beyond the end of the text");
    }
    return {};
}

std::vector<ShortMessage> nokiaMessages(const Artwork& artwork, const ConvertOptions& options) {
    const std::string& path = options.input;
    if (artwork.kind == ArtworkKind::Animation) {
        throw Refusal(path + ": --nokia sends pictures, not animations");
    }
    if (options.extendedElement) {
        throw Refusal(path + ": --element extended is for EMS messages, not --nokia");
    }
    const std::u32string text = textOf(options);
    if (options.network) {
        if (artwork.width != kNokiaLogoWidth || artwork.height != kNokiaLogoHeight) {
            throw Refusal(path + ": an operator logo is 72 x 14, this picture is " +
                          sizeOf(artwork));
        }
        if (!text.empty()) {
            throw Refusal(path + ": an operator logo carries no --text");
        }
        const auto code = operatorCode(*options.network);
        if (!code) {
            throw Refusal(path + ": --network \"" + *options.network + "\" is no \"MCC MNC\"");
        }
        return messagesOrRefusal(
            portMessages(kNokiaOperatorLogoPort, operatorLogo(*code, artwork), options.reference),
            options, artwork);
    }
    if (artwork.width != kNokiaPictureWidth || artwork.height != kNokiaPictureHeight) {
        throw Refusal(path + ": --nokia sends a 72 x 28 picture message, or with --network a " +
                      "72 x 14 operator logo; this picture is " + sizeOf(artwork));
    }
    return messagesOrRefusal(
        portMessages(kNokiaPicturePort, nokiaPictureMessage(artwork, text), options.reference),
        options, artwork);
}

std::vector<ShortMessage> emsMessagesFor(const Artwork& artwork, const ConvertOptions& options,
                                         EmsCarrier carrier) {
    EmsRequest request;
    request.carrier = carrier;
    request.text = smsTextOf(textOf(options));
    request.position = options.position;
    request.reference = options.reference;
    if (request.text.characters.empty()) {
        request.text.coding = DataCoding::EightBit;
    }
    return messagesOrRefusal(emsMessages(artwork, request), options, artwork);
}

std::string carrierName(EmsCarrier carrier, const std::vector<ShortMessage>& messages) {
    switch (carrier) {
    case EmsCarrier::SmallPicture:
        return "Small Picture (0x11)";
    case EmsCarrier::LargePicture:
        return "Large Picture (0x10)";
    case EmsCarrier::VariablePicture:
        return "Variable Picture (0x12)";
    case EmsCarrier::VariablePictureStrips: {
        long strips = 0;
        for (const auto& message : messages) {
            strips += std::count_if(
                message.elements.begin(), message.elements.end(),
                [](const InformationElement& e) { return e.id == ElementId::VariablePicture; });
        }
        return "User Prompt Indicator (0x13) + " + std::to_string(strips) +
               " Variable Pictures (0x12)";
    }
    case EmsCarrier::SmallAnimation:
        return "Small Animation (0x0F)";
    case EmsCarrier::LargeAnimation:
        return "Large Animation (0x0E)";
    case EmsCarrier::ExtendedBitmap:
        return "Extended Object (0x14), black-and-white bitmap";
    case EmsCarrier::ExtendedAnimation:
        return "Extended Object (0x14), black-and-white animation";
    }
    return {};
}

std::string countOf(std::size_t messages) {
    return std::to_string(messages) + (messages == 1 ? " message" : " messages");
}

std::string describeCarrier(const Artwork& artwork, const ConvertOptions& options, bool extended) {
    const EmsCarrier carrier = emsCarrierFor(artwork, extended);
    try {
        const auto messages = emsMessagesFor(artwork, options, carrier);
        return carrierName(carrier, messages) + ", " + countOf(messages.size());
    } catch (const Refusal& refusal) {
        return std::string("cannot be sent: ") + refusal.what();
    }
}

std::string describeNokia(const Artwork& artwork, const ConvertOptions& options) {
    const std::string form =
        options.network ? "operator logo (port " + std::to_string(kNokiaOperatorLogoPort) + ")"
                        : "picture message (port " + std::to_string(kNokiaPicturePort) + ")";
    try {
        return form + ", " + countOf(nokiaMessages(artwork, options).size());
    } catch (const Refusal& refusal) {
        return std::string("cannot be sent: ") + refusal.what();
    }
}

} // namespace

std::vector<ShortMessage> shortMessages(const Artwork& given, const ConvertOptions& options) {
    const Artwork artwork = asItStands(given, options.input, "the messages carry");
    if (options.nokia) {
        return nokiaMessages(artwork, options);
    }
    if (options.network) {
        throw Refusal(options.input + ": --network is for a Nokia operator logo; add --nokia");
    }
    const EmsCarrier carrier = emsCarrierFor(artwork, options.extendedElement);
    auto messages = emsMessagesFor(artwork, options, carrier);
    const bool rowsPadded =
        carrier == EmsCarrier::VariablePicture || carrier == EmsCarrier::VariablePictureStrips;
    if (rowsPadded && artwork.width % 8 != 0) {
        remark(options.input + ": the width " + std::to_string(artwork.width) + " is padded to " +
               std::to_string(rowBytes(artwork.width) * 8) + " with clear pixels on the right");
    }
    return messages;
}

std::vector<std::uint8_t> messageFile(const Artwork& artwork, const ConvertOptions& options,
                                      MessageForm form) {
    const auto messages = shortMessages(artwork, options);
    // A gateway given the header and packed septets would send them as 8-bit data: GSM 7-bit
    // text must reach it as characters with their coding.
    const bool septets = std::any_of(messages.begin(), messages.end(), [](const auto& message) {
        return message.body.coding == DataCoding::Gsm7;
    });
    if (form == MessageForm::HeaderAndRest && septets) {
        throw Refusal(options.input + ": --udh cannot carry text in the GSM 7-bit alphabet; " +
                      "use --json, or send with mosaikon-sms send --kannel");
    }
    std::string lines;
    const int parts = static_cast<int>(messages.size());
    for (int part = 1; part <= parts; ++part) {
        const auto& message = messages[part - 1];
        const auto tpdu = submitTpdu(options.number, message);
        switch (form) {
        case MessageForm::Tpdu:
            lines += hexText(tpdu) + "\n";
            break;
        case MessageForm::HeaderAndRest: {
            const UserData userData = userDataOf(message);
            lines += hexText(userData.header) + " " + hexText(userData.rest) + "\n";
            break;
        }
        case MessageForm::AtCommands:
            lines += "AT+CMGS=" + std::to_string(tpdu.size()) + "\n00" + hexText(tpdu) + "\n";
            break;
        case MessageForm::JsonLines:
            lines += messageJsonLine(options.number, message, part, parts);
            break;
        }
    }
    return std::vector<std::uint8_t>(lines.begin(), lines.end());
}

std::string describeMessages(const Artwork& given, const ConvertOptions& options) {
    const Artwork artwork = asItStands(given, options.input, "the messages carry");
    std::string kind = artwork.kind == ArtworkKind::Animation
                           ? "animation " + sizeOf(artwork) + ", " +
                                 std::to_string(artwork.frames.size()) + " frames"
                           : "picture " + sizeOf(artwork);
    std::string description = options.input + ": " + kind + "\n" +
                              "standard: " + describeCarrier(artwork, options, false) + "\n" +
                              "extended: " + describeCarrier(artwork, options, true) + "\n";
    if (options.nokia) {
        description += "nokia: " + describeNokia(artwork, options) + "\n";
    }
    return description;
}
