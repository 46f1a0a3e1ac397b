// A case that ends its test program midway with status 0, as a way out that
// calls std::_Exit itself would. It must fail; CTest expects it to.
#include <cstdlib>

#include <gtest/gtest.h>

TEST(ACaseThatEndsItsProgramMidway, FailsThoughTheStatusIsZero) {
    std::_Exit(0);
}
