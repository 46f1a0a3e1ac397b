#pragma once

#include <gtest/gtest.h>

#include <QImage>

namespace tutor::test {

// a == b as QImage compares them (size, format, colour table, pixels; not the
// device-pixel ratio). When they differ, the message says how: the sizes, the
// formats, or the first differing pixel with both colours.
//   EXPECT_TRUE(test::sameImage(shown, expected));
::testing::AssertionResult sameImage(const QImage& a, const QImage& b);

}  // namespace tutor::test
