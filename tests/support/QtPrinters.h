#pragma once

// How GoogleTest prints Qt values in failure messages: as text, not as the
// raw bytes of the object. The test programs get this header through a
// compile option of tutor_test_support (see tests/CMakeLists.txt), so every
// file of a program sees the same printers: a printer that some files see and
// others do not gives one printer template two meanings.
//
// gtest finds PrintTo by argument-dependent lookup, and the Qt classes live in
// the global namespace, so the printers do too.

#include <iosfwd>
#include <string>

#include <QtCore/qcontainerfwd.h>

#include <gtest/gtest-printers.h>

class QColor;
class QImage;
class QPoint;
class QRect;
class QSize;
class QString;
class QUrl;

// The text quoted, with quotes, backslashes, control characters and invisible
// ones escaped: "a\r\n" shows where a line end differs.
void PrintTo(const QString& text, std::ostream* os);
// { "one", "two" }, every element.
void PrintTo(const QStringList& list, std::ostream* os);
// Size, device-pixel ratio and format. Two pictures that print alike can
// still differ in their pixels: compare them with tutor::test::sameImage.
void PrintTo(const QImage& image, std::ostream* os);
void PrintTo(const QColor& colour, std::ostream* os);
void PrintTo(const QRect& rect, std::ostream* os);
void PrintTo(const QSize& size, std::ostream* os);
void PrintTo(const QPoint& point, std::ostream* os);
void PrintTo(const QUrl& url, std::ostream* os);

namespace testing::internal {

// EXPECT_EQ(text, "literal") would print the literal as a pointer: gtest
// prints a C string as text only beside a std::string. The same rule for
// QString, through the hook gtest itself uses for std::string.
template <>
class FormatForComparison<const char*, QString> {
  public:
    static std::string Format(const char* value) { return ::testing::PrintToString(value); }
};
template <>
class FormatForComparison<char*, QString> {
  public:
    static std::string Format(char* value) { return ::testing::PrintToString(value); }
};

}  // namespace testing::internal
