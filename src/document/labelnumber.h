#pragma once

#include <string>

// A number as the labels show it: decimal, with one leading blank when it is not negative.
std::string labelNumber(int value);
