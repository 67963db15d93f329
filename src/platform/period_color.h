#pragma once

#include <QRgb>

// Period colours: button face, highlight, the info panel's pale yellow, teal.
// A header of its own, so that what draws without widgets uses them too.
namespace PeriodColor {
inline constexpr QRgb ButtonFace = 0xFFC0C0C0;
inline constexpr QRgb ButtonShadow = 0xFF808080;
inline constexpr QRgb ButtonHighlight = 0xFFFFFFFF;
inline constexpr QRgb ButtonLight = 0xFFDFDFDF;
inline constexpr QRgb DarkShadow = 0xFF000000;
inline constexpr QRgb Highlight = 0xFF000080;
inline constexpr QRgb InfoYellow = 0xFFFFFFE1;
inline constexpr QRgb Teal = 0xFF008080;
}  // namespace PeriodColor
