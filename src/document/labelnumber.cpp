#include "labelnumber.h"

std::string labelNumber(int value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}
