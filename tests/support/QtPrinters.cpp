#include "support/QtPrinters.h"

#include <QColor>
#include <QImage>
#include <QMetaEnum>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <cstdio>
#include <ostream>

namespace {

// A character that would not show as itself in a terminal: C0 and C1
// controls, format characters (zero width, byte order mark), separators
// other than the plain space, and code points that name no character.
bool isInvisible(char32_t c) {
    if (c == U' ') return false;
    switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_Surrogate:
        case QChar::Other_PrivateUse:
        case QChar::Other_NotAssigned:
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return true;
        default:
            return false;
    }
}

void printEscaped(char32_t c, std::ostream& os) {
    switch (c) {
        case U'"':
            os << "\\\"";
            return;
        case U'\\':
            os << "\\\\";
            return;
        case U'\n':
            os << "\\n";
            return;
        case U'\r':
            os << "\\r";
            return;
        case U'\t':
            os << "\\t";
            return;
        default:
            break;
    }
    if (isInvisible(c)) {
        char code[16];
        std::snprintf(code, sizeof code, c < 0x80 ? "\\x%02X" : "\\u{%X}", unsigned(c));
        os << code;
        return;
    }
    os << QString::fromUcs4(&c, 1).toStdString();
}

const char* specName(QColor::Spec spec) {
    switch (spec) {
        case QColor::Invalid:
            return "Invalid";
        case QColor::Rgb:
            return "Rgb";
        case QColor::Hsv:
            return "Hsv";
        case QColor::Cmyk:
            return "Cmyk";
        case QColor::Hsl:
            return "Hsl";
        case QColor::ExtendedRgb:
            return "ExtendedRgb";
    }
    return "?";
}

}  // namespace

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"';
    for (char32_t c : text.toUcs4()) printEscaped(c, *os);
    *os << '"';
}

void PrintTo(const QStringList& list, std::ostream* os) {
    if (list.isEmpty()) {
        *os << "{}";
        return;
    }
    *os << "{ ";
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i > 0) *os << ", ";
        PrintTo(list[i], os);
    }
    *os << " }";
}

void PrintTo(const QImage& image, std::ostream* os) {
    if (image.isNull()) {
        *os << "QImage(null)";
        return;
    }
    const char* format = QMetaEnum::fromType<QImage::Format>().valueToKey(image.format());
    *os << "QImage(" << image.width() << "x" << image.height() << ", ratio "
        << image.devicePixelRatio() << ", " << (format ? format : "unknown format") << ")";
}

void PrintTo(const QColor& colour, std::ostream* os) {
    if (!colour.isValid()) {
        *os << "QColor(invalid)";
        return;
    }
    const auto name = colour.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb;
    *os << "QColor(" << colour.name(name).toStdString();
    // QColor's == tells specs apart: two colours of one name can still differ.
    if (colour.spec() != QColor::Rgb) *os << ", " << specName(colour.spec());
    *os << ")";
}

void PrintTo(const QRect& rect, std::ostream* os) {
    *os << "QRect(" << rect.x() << "," << rect.y() << " " << rect.width() << "x" << rect.height()
        << ")";
}

void PrintTo(const QSize& size, std::ostream* os) {
    *os << "QSize(" << size.width() << ", " << size.height() << ")";
}

void PrintTo(const QPoint& point, std::ostream* os) {
    *os << "QPoint(" << point.x() << "," << point.y() << ")";
}

void PrintTo(const QUrl& url, std::ostream* os) {
    *os << "QUrl(";
    PrintTo(url.toString(), os);
    *os << ")";
}
