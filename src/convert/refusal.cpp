#include "refusal.h"

#include <cstdio>

void remark(const std::string& text) {
    std::fprintf(stderr, "mosaikon-convert: %s\n", text.c_str());
}
