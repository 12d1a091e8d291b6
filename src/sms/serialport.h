#pragma once

#include <string>
#include <vector>

// The speeds, in baud, a port can be set to, slowest first.
std::vector<int> serialSpeeds();

// A serial port, opened without becoming the program's controlling terminal and left as it is
// until setRaw(). Closed when the object goes.
class SerialPort {
public:
    // Throws a Refusal naming the device when it cannot be opened or is no terminal.
    explicit SerialPort(const std::string& device);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int descriptor() const { return fd_; }

    // Raw 8N1 at `baud`, without flow control, and whatever was waiting thrown away. Throws a
    // Refusal naming the device when the port refuses it.
    void setRaw(int baud);

    // Throws a Refusal when the port takes not all of it.
    void write(const std::string& bytes);

    // What arrives within `milliseconds`: as soon as anything does, at most what is waiting;
    // empty when nothing came in time.
    std::string readSome(int milliseconds);

private:
    std::string device_;
    int fd_ = -1;
};
