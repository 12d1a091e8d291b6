#include "labelnumber.h"

#include <gtest/gtest.h>

namespace {

TEST(LabelNumber, LabelNumbersHaveOneLeadingBlank) {
    EXPECT_EQ(labelNumber(32), " 32");
    EXPECT_EQ(labelNumber(0), " 0");
    EXPECT_EQ(labelNumber(-5), "-5");
}

} // namespace
