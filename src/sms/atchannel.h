#pragma once

#include "serialport.h"

#include <optional>
#include <string>
#include <vector>

// How a modem ended its answer to a command (3GPP TS 27.007 and 27.005 final result codes).
enum class AtFinal { Ok, Error, CmsError, CmeError, NoAnswer, NoPrompt };

struct AtResponse {
    AtFinal final = AtFinal::NoAnswer;
    std::optional<int> code;        // of +CMS ERROR or +CME ERROR when it is a number
    std::string finalLine;          // as the modem wrote it
    std::vector<std::string> lines; // the command's own lines, without echo and unsolicited ones
};

// Commands to a modem and their answers, line by line. Unsolicited result codes that arrive in
// between (+CMTI, RING, ^RSSI, +CREG...) and the echo of the command are passed over.
class AtChannel {
public:
    explicit AtChannel(SerialPort& port) : port_(port) {}

    // Sends "line" and a carriage return; the answer up to its final result code, or NoAnswer
    // when none comes within `milliseconds`.
    AtResponse command(const std::string& line, int milliseconds);

    // AT+CMGS with the TPDU's length, the "> " prompt waited for, then the PDU in hexadecimal
    // and Ctrl-Z; the answer. NoPrompt when the modem neither prompts nor refuses in time.
    AtResponse submit(int tpduOctets, const std::string& pduHex, int milliseconds);

private:
    struct Line {
        std::string text;
        bool prompt = false; // "> " at the start of a line, which no line end follows
    };

    std::optional<Line> nextLine(long long deadline);
    // Reads until a final result code; stops early at a prompt when `prompted` is given.
    AtResponse collect(const std::string& sent, long long deadline, bool* prompted);

    SerialPort& port_;
    std::string pending_;
};
