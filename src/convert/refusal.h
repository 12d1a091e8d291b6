#pragma once

#include <functional>
#include <stdexcept>
#include <string>

// Why a conversion cannot be done, said in one line that names the file. It ends that
// conversion before anything is written for it, and the program with status 1.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A remark on stderr that does not stop the conversion ("the width is padded to 80").
void remark(const std::string& text);

// The program a remark names first, "mosaikon-convert" unless a tool that uses this code says.
void setRemarkProgram(const std::string& name);

// Where remarks go instead of stderr while many files are converted at once (each call from the
// thread that remarks); an empty function sends them to stderr again.
void sendRemarksTo(std::function<void(const std::string&)> sink);
