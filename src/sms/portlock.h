#pragma once

#include <string>

// A serial port held the way serial programs on Linux hold one: a "LCK..NAME" file in the lock
// folder that holds the owner's process id as ten ASCII digits and a line end, and an exclusive
// flock() on the open port. A lock file whose process is gone is taken over; without a lock
// folder to write in, flock() alone holds the port. Given back when the object goes.
class PortLock {
public:
    // Throws a Refusal naming the device and the program that holds it; ModemManager, which
    // opens a modem's ports without locking them, is named when it has the port open.
    PortLock(const std::string& device, int descriptor,
             const std::string& lockFolder = "/run/lock");
    ~PortLock();
    PortLock(const PortLock&) = delete;
    PortLock& operator=(const PortLock&) = delete;

private:
    std::string lockFile_; // empty when there is none of ours
};
