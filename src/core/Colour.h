#pragma once
// Colour values as the program stores them: 0x00BBGGRR (red in the low byte,
// then green, then blue), the layout of the "Color1".."Color5" settings.
#include <QtGlobal>
#include <array>

using ColourValue = quint32;

constexpr int RedOf(ColourValue c) { return int(c & 0xFF); }
constexpr int GreenOf(ColourValue c) { return int((c >> 8) & 0xFF); }
constexpr int BlueOf(ColourValue c) { return int((c >> 16) & 0xFF); }
constexpr ColourValue ColourFromRgb(int r, int g, int b)
{
    return ColourValue(r & 0xFF) | (ColourValue(g & 0xFF) << 8) | (ColourValue(b & 0xFF) << 16);
}

constexpr ColourValue SilverColour = 0xC0C0C0; // grid lines and empty chart areas

// One colour per tendency level, level 1 ("Excelente") first.
using LevelColorTable = std::array<ColourValue, 5>;
constexpr LevelColorTable DefaultLevelColors = {
    0x008000, // green   "Excelente"
    0x800000, // navy    "Buena"
    0x800080, // purple  "Normal"
    0x00FFFF, // yellow  "Complicada"
    0x0000FF, // red     "Restrictiva"
};

// Text colour drawn over a level colour: each channel is 255 when both the
// background's mean and that channel are below 130, else 0.
constexpr ColourValue ContrastTextColour(ColourValue background)
{
    const int r = RedOf(background), g = GreenOf(background), b = BlueOf(background);
    const int mean = (r + g + b) / 3;
    auto channel = [mean](int v) { return (mean < 130 && v < 130) ? 255 : 0; };
    return ColourFromRgb(channel(r), channel(g), channel(b));
}
