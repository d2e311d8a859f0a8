#pragma once
// The rules of the colour window, kept apart from the window so they can be
// checked directly: the basic colours offered, the colour spectrum, and the
// rule that no two levels may share a colour (the level of a span is
// recognised by its colour).
#include "core/Colour.h"

#include <array>
#include <optional>

// The 15 basic colours, row by row (three rows of five).
constexpr std::array<ColourValue, 15> BasicColours = {
    0x000080, 0x008000, 0x008080, 0x800000, 0x800080, // maroon, green, olive, navy, purple
    0x808000, 0x808080, 0xC0C0C0, 0x0000FF, 0x00FF00, // teal, gray, silver, red, lime
    0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF, // yellow, blue, fuchsia, aqua, white
};

// The spectrum picture: one colour per column, the same from top to bottom.
constexpr int SpectrumWidth = 256;
constexpr int SpectrumHeight = 23;

// Colour of spectrum column x (0..SpectrumWidth-1; values outside are
// clamped): fully saturated hues from red through yellow, green, cyan, blue
// and magenta, ending just short of red again.
ColourValue SpectrumColour(int x);

// The level colours from the values read from the settings store (level 1
// first; nothing for an absent value). An absent value takes its level's
// default; so does a stored colour that repeats another level's, since a
// chart could not tell those levels apart.
LevelColorTable StoredLevelColours(const std::array<std::optional<ColourValue>, 5>& stored);

// The working colours of the five levels while the colour window is open,
// and the level being edited (1..5).
class LevelColourEditor {
public:
    LevelColourEditor(const LevelColorTable& colours, int level);

    const LevelColorTable& colours() const { return colours_; }
    ColourValue colourOf(int level) const { return colours_[size_t(level - 1)]; }
    int editedLevel() const { return level_; }
    // Levels outside 1..5 are brought into range.
    void selectLevel(int level);

    // The first level other than the edited one whose colour is c; 0 when none.
    int otherLevelUsing(ColourValue c) const;
    // Gives the edited level colour c unless another level holds it. Returns
    // true when taken (choosing the level's own colour again is allowed).
    bool choose(ColourValue c);

private:
    LevelColorTable colours_;
    int level_ = 1;
};
