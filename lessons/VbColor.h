#pragma once

#include <cstdint>

#include <QColor>

namespace tutor {

// Colours are kept as 0x00BBGGRR values, as the lesson texts and tests give them.
inline QColor vbColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline std::uint32_t bgrOf(const QColor& c) {
    return static_cast<std::uint32_t>(c.blue()) << 16 | static_cast<std::uint32_t>(c.green()) << 8 |
           static_cast<std::uint32_t>(c.red());
}

namespace colour {
inline constexpr std::uint32_t black = 0x00000000;
inline constexpr std::uint32_t white = 0x00FFFFFF;
inline constexpr std::uint32_t lightGrey = 0x00E0E0E0;
inline constexpr std::uint32_t panelGrey = 0x00C0C0C0;
inline constexpr std::uint32_t darkGrey = 0x00404040;
inline constexpr std::uint32_t green = 0x00008000;
}  // namespace colour

}  // namespace tutor
