#include "messagedrafts.h"

MessageDrafts::MessageDrafts(DataCoding coding, bool concatenated)
    : coding_(coding), concatenated_(concatenated) {
    startMessage();
}

int MessageDrafts::freeOctets() const {
    return octetLimit(textUnits()) - headerOctets();
}

int MessageDrafts::charactersHere() const {
    return static_cast<int>(current().body.characters.size());
}

void MessageDrafts::addElement(ElementId id, std::vector<std::uint8_t> data) {
    current().elements.push_back({id, std::move(data)});
}

std::pair<std::size_t, std::size_t> MessageDrafts::lastElement() const {
    return {messages_.size() - 1, current().elements.size() - 1};
}

InformationElement& MessageDrafts::element(std::pair<std::size_t, std::size_t> at) {
    return messages_[at.first].elements[at.second];
}

void MessageDrafts::addCharacter(const std::vector<std::uint8_t>& character) {
    if (!fits(textUnits() + static_cast<int>(character.size()))) {
        startMessage();
    }
    current().body.characters.push_back(character);
}

void MessageDrafts::startMessage() {
    messages_.push_back({});
    current().body.coding = coding_;
    if (concatenated_) {
        addElement(ElementId::Concatenated8, std::vector<std::uint8_t>(kConcatenationLength));
    }
}

std::vector<ShortMessage> MessageDrafts::finish(int reference) {
    const int count = static_cast<int>(messages_.size());
    for (int index = 0; concatenated_ && index < count; ++index) {
        messages_[index].elements.front().data = {static_cast<std::uint8_t>(reference),
                                                  static_cast<std::uint8_t>(count),
                                                  static_cast<std::uint8_t>(index + 1)};
    }
    return std::move(messages_);
}

ShortMessage& MessageDrafts::current() {
    return messages_.back();
}

const ShortMessage& MessageDrafts::current() const {
    return messages_.back();
}

int MessageDrafts::textUnits() const {
    int units = 0;
    for (const auto& character : current().body.characters) {
        units += static_cast<int>(character.size());
    }
    return units;
}

int MessageDrafts::octetLimit(int units) const {
    return coding_ == DataCoding::Gsm7 ? (kUserDataSeptets - units) * 7 / 8
                                       : kUserDataOctets - units;
}

int MessageDrafts::headerOctets() const {
    int octets = 1;
    for (const auto& element : current().elements) {
        octets += kElementOverhead + static_cast<int>(element.data.size());
    }
    return octets;
}

bool MessageDrafts::fits(int units) const {
    if (current().elements.empty()) {
        return units <= (coding_ == DataCoding::Gsm7 ? kUserDataSeptets : kUserDataOctets);
    }
    return headerOctets() <= octetLimit(units);
}
