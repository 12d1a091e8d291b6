#pragma once

#include "emselements.h"
#include "shortmessage.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

// Messages filled one after another. Each message's header and text together must fit its user
// data: 140 octets, or 160 septets in the 7-bit alphabet, where the header takes whole septets.
class MessageDrafts {
public:
    MessageDrafts(DataCoding coding, bool concatenated);

    // Octets one more element may take here, its identifier and length included.
    int freeOctets() const;

    int charactersHere() const;

    void addElement(ElementId id, std::vector<std::uint8_t> data);

    // Where the element just added stands, to patch it once its content is known.
    std::pair<std::size_t, std::size_t> lastElement() const;
    InformationElement& element(std::pair<std::size_t, std::size_t> at);

    void addCharacter(const std::vector<std::uint8_t>& character);

    void startMessage();

    // The messages, each with its concatenation element filled in when they are concatenated.
    std::vector<ShortMessage> finish(int reference);

private:
    ShortMessage& current();
    const ShortMessage& current() const;

    // Septets in the 7-bit alphabet, octets otherwise.
    int textUnits() const;

    // The most header octets (length octet included) that fit beside the given text.
    int octetLimit(int units) const;

    // The header with its length octet, which it has as soon as it has one element.
    int headerOctets() const;

    bool fits(int units) const;

    DataCoding coding_;
    bool concatenated_;
    std::vector<ShortMessage> messages_;
};
