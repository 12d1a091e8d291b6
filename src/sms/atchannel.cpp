#include "atchannel.h"

#include <cctype>
#include <chrono>
#include <cstdlib>

namespace {

long long nowMs() {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool sameNoCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

// "+CMGS" for "AT+CMGS=40", "+CPIN" for "AT+CPIN?": the name its information lines start with.
std::string responseName(const std::string& command) {
    const std::string name = command.size() > 2 ? command.substr(2) : std::string();
    return name.substr(0, name.find_first_of("=?"));
}

// Unsolicited codes that bring a PDU on the next line: a message, a status report, a broadcast.
bool bringsPdu(const std::string& line) {
    return startsWith(line, "+CMT:") || startsWith(line, "+CDS:") || startsWith(line, "+CBM:");
}

bool isUnsolicited(const std::string& line, const std::string& ownName) {
    if (line == "RING" || line == "NO CARRIER" || line[0] == '^') {
        return true;
    }
    return line[0] == '+' && !(startsWith(line, ownName) && line.size() > ownName.size() &&
                               line[ownName.size()] == ':');
}

std::optional<int> numberAfterColon(const std::string& line) {
    const std::string digits = line.substr(line.find(':') + 1);
    const auto first = digits.find_first_not_of(' ');
    if (first == std::string::npos ||
        digits.find_first_not_of("0123456789", first) != std::string::npos) {
        return std::nullopt;
    }
    return std::atoi(digits.c_str() + first);
}

} // namespace

std::optional<AtChannel::Line> AtChannel::nextLine(long long deadline) {
    for (;;) {
        const auto start = pending_.find_first_not_of("\r\n");
        pending_.erase(0, start == std::string::npos ? pending_.size() : start);
        if (startsWith(pending_, "> ") || pending_ == ">") {
            pending_.erase(0, 2);
            return Line{">", true};
        }
        const auto end = pending_.find_first_of("\r\n");
        if (end != std::string::npos) {
            Line line{pending_.substr(0, end), false};
            pending_.erase(0, end);
            return line;
        }
        const long long left = deadline - nowMs();
        if (left <= 0) {
            return std::nullopt;
        }
        pending_ += port_.readSome(static_cast<int>(left));
    }
}

AtResponse AtChannel::collect(const std::string& sent, long long deadline, bool* prompted) {
    AtResponse response;
    const std::string ownName = responseName(sent);
    bool skipPdu = false;
    while (const auto line = nextLine(deadline)) {
        const std::string& text = line->text;
        if (line->prompt) {
            if (prompted != nullptr) {
                *prompted = true;
                return response;
            }
            continue;
        }
        if (skipPdu || sameNoCase(text, sent)) {
            skipPdu = false;
            continue;
        }
        response.finalLine = text;
        if (text == "OK") {
            response.final = AtFinal::Ok;
            return response;
        }
        if (text == "ERROR") {
            response.final = AtFinal::Error;
            return response;
        }
        if (startsWith(text, "+CMS ERROR:") || startsWith(text, "+CME ERROR:")) {
            response.final = text[3] == 'S' ? AtFinal::CmsError : AtFinal::CmeError;
            response.code = numberAfterColon(text);
            return response;
        }
        response.finalLine.clear();
        if (isUnsolicited(text, ownName)) {
            skipPdu = bringsPdu(text);
            continue;
        }
        response.lines.push_back(text);
    }
    return response;
}

AtResponse AtChannel::command(const std::string& line, int milliseconds) {
    port_.write(line + "\r");
    return collect(line, nowMs() + milliseconds, nullptr);
}

AtResponse AtChannel::submit(int tpduOctets, const std::string& pduHex, int milliseconds) {
    const std::string line = "AT+CMGS=" + std::to_string(tpduOctets);
    port_.write(line + "\r");
    bool prompted = false;
    AtResponse refused = collect(line, nowMs() + milliseconds, &prompted);
    if (!prompted) {
        if (refused.final == AtFinal::NoAnswer) {
            refused.final = AtFinal::NoPrompt;
            // Escape, in case the prompt comes late: the modem then drops the message.
            port_.write("\x1B");
        }
        return refused;
    }
    // An empty service centre address: the modem puts in the one the SIM holds.
    port_.write("00" + pduHex + "\x1A");
    return collect(line, nowMs() + milliseconds, nullptr);
}
