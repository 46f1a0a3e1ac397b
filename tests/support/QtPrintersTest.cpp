// The printers of support/QtPrinters.h reach this file the way they reach
// every test file, through the test programs' compile options, and it does
// not include them itself: if they stop reaching test files, this fails.
#include <functional>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

#include "support/SameImage.h"

namespace tutor::testing {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::PrintToString;

struct Printed {
    const char* what;
    std::string printed;
    std::string expected;
};

void PrintTo(const Printed& row, std::ostream* os) {
    *os << row.what;
}

QImage filled(QSize size, QColor colour, QImage::Format format = QImage::Format_ARGB32) {
    QImage image(size, format);
    image.fill(colour);
    return image;
}

QImage ofRatio(QImage image, qreal ratio) {
    image.setDevicePixelRatio(ratio);
    return image;
}

QColor hsv() {
    return QColor::fromHsv(0, 255, 255);
}

class QtPrinters : public ::testing::TestWithParam<Printed> {};

TEST_P(QtPrinters, PrintValuesAsText) {
    EXPECT_EQ(GetParam().printed, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, QtPrinters,
    ::testing::Values(
        Printed{"text", PrintToString(QString("Pair of Kings")), R"("Pair of Kings")"},
        Printed{"non-ASCII as itself", PrintToString(QString::fromUtf8("K\u00f6nig")),
                "\"K\u00f6nig\""},
        Printed{"line ends, tab, other controls", PrintToString(QString("a\r\n\tb\x01\x7f")),
                R"("a\r\n\tb\x01\x7F")"},
        Printed{"quotes and backslash", PrintToString(QString(R"(say "hi" \o/)")),
                R"("say \"hi\" \\o/")"},
        Printed{"invisible characters",
                PrintToString(QString::fromUtf8("no\u00a0break, zero\u200bwidth")),
                R"("no\u{A0}break, zero\u{200B}width")"},
        Printed{"empty text", PrintToString(QString()), R"("")"},
        Printed{"list", PrintToString(QStringList{"a", "b\n"}), R"({ "a", "b\n" })"},
        Printed{"empty list", PrintToString(QStringList()), "{}"},
        Printed{"image", PrintToString(ofRatio(filled({3, 2}, Qt::red), 2)),
                "QImage(3x2, ratio 2, Format_ARGB32)"},
        Printed{"image of ratio 1.5",
                PrintToString(ofRatio(filled({3, 2}, Qt::red, QImage::Format_RGB32), 1.5)),
                "QImage(3x2, ratio 1.5, Format_RGB32)"},
        Printed{"null image", PrintToString(QImage()), "QImage(null)"},
        Printed{"colour", PrintToString(QColor(1, 0x80, 0xff)), "QColor(#0180ff)"},
        Printed{"colour with alpha", PrintToString(QColor(1, 0x80, 0xff, 0x40)),
                "QColor(#400180ff)"},
        Printed{"colour of another spec", PrintToString(hsv()), "QColor(#ff0000, Hsv)"},
        Printed{"invalid colour", PrintToString(QColor()), "QColor(invalid)"},
        Printed{"rect", PrintToString(QRect(21, -16, 401, 290)), "QRect(21,-16 401x290)"},
        Printed{"size", PrintToString(QSize(441, 526)), "QSize(441, 526)"},
        Printed{"point", PrintToString(QPoint(-3, 4)), "QPoint(-3,4)"},
        Printed{"url", PrintToString(QUrl("https://play.example.com/")),
                R"(QUrl("https://play.example.com/"))"},
        Printed{"list of urls", PrintToString(QList<QUrl>{QUrl("a:b")}), R"({ QUrl("a:b") })"}));

// The message of one failing assertion.
std::string failureOf(const std::function<void()>& assertion) {
    ::testing::TestPartResultArray results;
    {
        ::testing::ScopedFakeTestPartResultReporter reporter(
            ::testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        assertion();
    }
    return results.size() == 1 ? results.GetTestPartResult(0).message() : "no single failure";
}

// What EXPECT_EQ itself prints, the C string beside a QString included.
TEST(QtPrinterFailures, ComparisonsOfTextReadAsText) {
    const QString shown = "one\r\n";
    const char* const wanted = "one\n";
    const std::string message = failureOf([&] { EXPECT_EQ(shown, wanted); });
    EXPECT_THAT(message, HasSubstr(R"(Which is: "one\r\n")"));
    EXPECT_THAT(message, HasSubstr(R"(Which is: "one\n")"));
    EXPECT_THAT(message, Not(HasSubstr("byte object")));

    const QStringList opened = {"https://play.example.com/"};
    EXPECT_THAT(failureOf([&] { EXPECT_EQ(opened, QStringList()); }),
                HasSubstr(R"(Which is: { "https://play.example.com/" })"));
}

struct ImagePair {
    const char* what;
    QImage a;
    QImage b;
    bool same;
    const char* message;  // a part of the assertion's message
};

void PrintTo(const ImagePair& row, std::ostream* os) {
    *os << row.what;
}

QImage withPixel(QImage image, QPoint at, QColor colour) {
    image.setPixelColor(at, colour);
    return image;
}

class SameImage : public ::testing::TestWithParam<ImagePair> {};

TEST_P(SameImage, SaysWhereTwoPicturesDiffer) {
    const ImagePair& row = GetParam();
    const ::testing::AssertionResult result = test::sameImage(row.a, row.b);
    EXPECT_EQ(bool(result), row.same);
    EXPECT_EQ(bool(result), row.a == row.b) << "sameImage must agree with QImage's ==";
    EXPECT_THAT(result.message(), HasSubstr(row.message));
}

const QImage green = filled({4, 3}, QColor(0, 0x80, 0));

INSTANTIATE_TEST_SUITE_P(
    Printers, SameImage,
    ::testing::Values(
        ImagePair{"alike", green, green.copy(), true, "QImage(4x3, ratio 1, Format_ARGB32)"},
        ImagePair{"one pixel", green, withPixel(green, {2, 1}, Qt::red), false,
                  "QImage(4x3, ratio 1, Format_ARGB32) against QImage(4x3, ratio 1, "
                  "Format_ARGB32): the first differing pixel is (2, 1), #ff008000 against "
                  "#ffff0000"},
        ImagePair{"first of several",
                  withPixel(withPixel(green, {3, 2}, Qt::red), {1, 2}, Qt::blue), green, false,
                  "(1, 2), #ff0000ff against #ff008000"},
        ImagePair{"sizes", green, filled({3, 4}, QColor(0, 0x80, 0)), false,
                  "against QImage(3x4, ratio 1, Format_ARGB32): the sizes differ"},
        ImagePair{"formats", green, green.convertToFormat(QImage::Format_RGB32), false,
                  "the formats differ"},
        ImagePair{"ratio only", green, ofRatio(green, 2), true, "alike"}));

}  // namespace
}  // namespace tutor::testing
