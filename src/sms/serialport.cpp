#include "serialport.h"

#include "refusal.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace {

// The speeds a port is set to, and their termios names.
constexpr std::array<std::pair<int, speed_t>, 8> kSpeeds = {{{9600, B9600},
                                                             {19200, B19200},
                                                             {38400, B38400},
                                                             {57600, B57600},
                                                             {115200, B115200},
                                                             {230400, B230400},
                                                             {460800, B460800},
                                                             {921600, B921600}}};

std::string systemReason() {
    return std::strerror(errno);
}

} // namespace

std::vector<int> serialSpeeds() {
    std::vector<int> speeds;
    for (const auto& [baud, speed] : kSpeeds) {
        speeds.push_back(baud);
    }
    return speeds;
}

SerialPort::SerialPort(const std::string& device) : device_(device) {
    // Non-blocking, so that a port whose carrier line is down still opens; reads wait in poll().
    fd_ = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        throw Refusal(device + ": cannot be opened: " + systemReason());
    }
    if (::isatty(fd_) == 0) {
        const std::string reason = systemReason();
        ::close(fd_);
        throw Refusal(device + ": is no serial port: " + reason);
    }
}

void SerialPort::setRaw(int baud) {
    termios settings{};
    if (::tcgetattr(fd_, &settings) != 0) {
        throw Refusal(device_ + ": is no serial port: " + systemReason());
    }
    ::cfmakeraw(&settings);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    const auto speed = std::find_if(kSpeeds.begin(), kSpeeds.end(),
                                    [baud](const auto& known) { return known.first == baud; });
    if (speed == kSpeeds.end()) {
        throw Refusal(device_ + ": cannot be set to " + std::to_string(baud) + " baud");
    }
    ::cfsetispeed(&settings, speed->second);
    ::cfsetospeed(&settings, speed->second);
    if (::tcsetattr(fd_, TCSANOW, &settings) != 0) {
        throw Refusal(device_ + ": cannot be set to " + std::to_string(baud) +
                      " baud: " + systemReason());
    }
    ::tcflush(fd_, TCIOFLUSH);
}

SerialPort::~SerialPort() {
    ::close(fd_);
}

void SerialPort::write(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd_, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EINTR) {
            throw Refusal(device_ + ": cannot be written to: " + systemReason());
        }
        pollfd ready{fd_, POLLOUT, 0};
        ::poll(&ready, 1, 1000);
    }
    ::tcdrain(fd_);
}

std::string SerialPort::readSome(int milliseconds) {
    pollfd ready{fd_, POLLIN, 0};
    if (::poll(&ready, 1, milliseconds) <= 0) {
        return {};
    }
    if ((ready.revents & POLLIN) == 0) {
        // Hung up: nothing will come, and poll() would say so at once again.
        ::poll(nullptr, 0, milliseconds);
        return {};
    }
    char buffer[512];
    const ssize_t got = ::read(fd_, buffer, sizeof buffer);
    return got > 0 ? std::string(buffer, static_cast<std::size_t>(got)) : std::string();
}
