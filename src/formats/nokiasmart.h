#pragma once

#include "artwork.h"
#include "emsmessages.h"
#include "hexlisting.h"
#include "messagelisting.h"
#include "userdataheader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// Nokia Smart Messaging payloads, sent to an application port, and the ports they are read from.

// An OTA bitmap: info field 0, width, height, depth 1, then the pixels as one run of bits.
std::vector<std::uint8_t> otaBitmap(const Artwork& artwork);

// A picture message: version '0', the OTA bitmap item, then the text item when there is text
// (Latin-1 when every character is in it, else UCS-2).
std::vector<std::uint8_t> nokiaPictureMessage(const Artwork& artwork, const std::u32string& text);

// The operator code of "MCC MNC" in three octets, digits paired low nibble first and a
// two-digit MNC filled with 0xF: "250 01" -> 52 F0 10. Nothing when it is not of that form.
std::optional<std::array<std::uint8_t, 3>> operatorCode(const std::string& network);

// An operator logo: the operator code, then the OTA bitmap.
std::vector<std::uint8_t> operatorLogo(const std::array<std::uint8_t, 3>& code,
                                       const Artwork& artwork);

// A payload for an application port (16-bit addressing), cut into as many 8-bit messages as it
// needs, each with the port element and, when more than one, the concatenation element.
std::variant<std::vector<ShortMessage>, EmsProblem>
portMessages(std::uint16_t port, const std::vector<std::uint8_t>& payload, int reference);

enum class NokiaPort { None, Picture, Logo };

// The Nokia port a message's header sends it to: 5514 or 5506 as a 16-bit port, or the reserved
// 8-bit ports 130 and 138, read as their low octets.
NokiaPort nokiaPortOf(const std::vector<InformationElement>& elements);

// The picture message or operator logo a whole message carries to its port, as an item over all
// its parts; a picture message's text joins the message's.
std::optional<ListingError> readNokiaPayload(NokiaPort port,
                                             const std::vector<std::uint8_t>& payload,
                                             FoundMessage& message, int lastPart,
                                             std::vector<FoundItem>& items);
