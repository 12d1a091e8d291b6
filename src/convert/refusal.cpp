#include "refusal.h"

#include <cstdio>

namespace {

std::string remarkProgram = "mosaikon-convert";

} // namespace

void setRemarkProgram(const std::string& name) {
    remarkProgram = name;
}

void remark(const std::string& text) {
    std::fprintf(stderr, "%s: %s\n", remarkProgram.c_str(), text.c_str());
}
