#pragma once

#include <stdexcept>
#include <string>

// Why a conversion cannot be done, said in one line that names the file. It ends the program
// with status 1 before anything is written.
class Refusal : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A remark on stderr that does not stop the conversion ("the width is padded to 80").
void remark(const std::string& text);

// The program a remark names first, "mosaikon-convert" unless a tool that uses this code says.
void setRemarkProgram(const std::string& name);
