#pragma once

#include <string>

// A serial port set to raw 8N1 at a given speed, without flow control and without becoming the
// program's controlling terminal. Closed when the object goes.
class SerialPort {
public:
    // Throws a Refusal naming the device when it cannot be opened or set.
    SerialPort(const std::string& device, int baud);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    int descriptor() const { return fd_; }

    // Throws a Refusal when the port takes not all of it.
    void write(const std::string& bytes);

    // What arrives within `milliseconds`: as soon as anything does, at most what is waiting;
    // empty when nothing came in time.
    std::string readSome(int milliseconds);

private:
    std::string device_;
    int fd_ = -1;
};
